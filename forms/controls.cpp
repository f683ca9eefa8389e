#include "forms/controls.h"

#include <algorithm>
#include <cwchar>

#include "forms/form.h"

namespace forms {

void Button::Click() {
    if (ModalResult != 0) {
        if (Form* f = OwnerForm()) f->SetModalResult(ModalResult);
    }
    Control::Click();
}

void CheckBox::SetChecked(bool on) {
    if (on == checked_) return;
    checked_ = on;
    Notify(Change::Checked);
    Control::Click();
}

void Edit::SetText(const std::wstring& t) {
    SetCaption(t);
    Notify(Change::Text);
}

void UpDown::SetRange(int min, int max) {
    min_ = min;
    max_ = max;
    SetPosition(position_);
}

void UpDown::SetPosition(int p) {
    position_ = std::clamp(p, min_, max_);
    if (buddy_) buddy_->SetText(std::to_wstring(position_));
    Notify(Change::Position);
}

void UpDown::SetAssociate(Edit* buddy) {
    buddy_ = buddy;
    SetPosition(position_);
}

void UpDown::BuddyEdited() {
    if (!buddy_) return;
    const std::wstring& t = buddy_->Text();
    wchar_t* end = nullptr;
    long v = std::wcstol(t.c_str(), &end, 10);
    if (end == t.c_str()) return;
    position_ = static_cast<int>(std::clamp<long>(v, min_, max_));
    Notify(Change::Position);
}

void ProgressBar::SetMax(int m) {
    max_ = m;
    Notify(Change::Position);
}

void ProgressBar::SetPosition(int p) {
    if (p == position_) return;
    position_ = p;
    Notify(Change::Position);
}

void SpeedButton::SetGlyph(int resource) {
    glyph_ = resource;
    Notify(Change::Glyph);
}

void RichEdit::SetText(const std::wstring& text) {
    lines_.clear();
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find(L'\n', start);
        if (end == std::wstring::npos) end = text.size();
        std::wstring line = text.substr(start, end - start);
        if (!line.empty() && line.back() == L'\r') line.pop_back();
        lines_.push_back(std::move(line));
        start = end + 1;
    }
    Notify(Change::Text);
}

} // namespace forms
