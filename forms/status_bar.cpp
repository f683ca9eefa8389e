#include "forms/status_bar.h"

namespace forms {

void StatusBar::SetPanels(std::vector<StatusPanel> panels) {
    panels_ = std::move(panels);
    Notify(Change::Panels);
}

void StatusBar::SetPanelText(int i, const std::wstring& text) {
    Assign(panels_.at(static_cast<size_t>(i)).text, text, Change::Text, i);
}

void StatusBar::SetPanelWidth(int i, int width) {
    Assign(panels_.at(static_cast<size_t>(i)).width, width, Change::Panels);
}

} // namespace forms
