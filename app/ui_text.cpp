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
