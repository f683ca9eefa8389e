#pragma once
#include <string>
#include <vector>

#include "forms/control.h"

namespace forms {

struct StatusPanel {
    std::wstring text;
    int width = 50;
};

class StatusBar : public Control {
public:
    using Control::Control;
    void SetPanels(std::vector<StatusPanel> panels);
    int PanelCount() const { return static_cast<int>(panels_.size()); }
    const StatusPanel& Panel(int i) const { return panels_.at(static_cast<size_t>(i)); }
    void SetPanelText(int i, const std::wstring& text);
    void SetPanelWidth(int i, int width);

private:
    std::vector<StatusPanel> panels_;
};

} // namespace forms
