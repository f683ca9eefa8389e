#include "app/ui_text.h"

#include "forms/controls.h"

void UiTextTable::Load(const forms::RichEdit& holder) {
    lines_.insert(lines_.end(), holder.Lines().begin(), holder.Lines().end());
}

std::wstring ShippedUiText(engine::Ui id) {
    const int n = static_cast<int>(id);
    const std::wstring lines = kUiTextLines;
    size_t start = 0;
    for (int i = 0; i < n; ++i) {
        start = lines.find(L'\n', start);
        if (start == std::wstring::npos) return {};
        ++start;
    }
    const size_t end = lines.find(L'\n', start);
    return end == std::wstring::npos ? std::wstring() : lines.substr(start, end - start);
}
