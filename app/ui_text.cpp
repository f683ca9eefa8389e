#include "app/ui_text.h"

#include "forms/controls.h"

void UiTextTable::Load(const forms::RichEdit& holder) {
    lines_.insert(lines_.end(), holder.Lines().begin(), holder.Lines().end());
}

const std::wstring& UiTextTable::operator[](int n) const {
    static const std::wstring empty;
    if (n < 0 || n >= Count()) return empty;
    return lines_[static_cast<size_t>(n)];
}

std::wstring ShippedUiText(int n) {
    if (n < 0) return {};
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
