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
    // Panel texts may reach the screen a little later than they are set (a walk sets
    // one per file); this shows them at once.
    void Refresh() { Notify(Change::Refresh); }

private:
    std::vector<StatusPanel> panels_;
};

} // namespace forms
