#include "forms/status_bar.h"

namespace forms {

void StatusBar::SetPanels(std::vector<StatusPanel> panels) {
    panels_ = std::move(panels);
    Notify(Change::Panels);
}

void StatusBar::SetPanelText(int i, const std::wstring& text) {
    auto& p = panels_.at(static_cast<size_t>(i));
    if (p.text == text) return;
    p.text = text;
    Notify(Change::Text, i);
}

void StatusBar::SetPanelWidth(int i, int width) {
    auto& p = panels_.at(static_cast<size_t>(i));
    if (p.width == width) return;
    p.width = width;
    Notify(Change::Panels);
}

} // namespace forms
