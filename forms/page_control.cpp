#include "forms/page_control.h"

namespace forms {

namespace {
// Room the tab strip and the page frame take in a page control.
constexpr int TabStripHeight = 24;
constexpr int FrameInset = 4;
} // namespace

TabSheet::TabSheet(PageControl& owner, std::wstring name, const std::wstring& caption)
    : Control(&owner, std::move(name)), owner_(owner) {
    SetCaption(caption);
    SetAlign(Align::Client);
    owner.pages_.push_back(this);
    SetVisible(owner.pages_.size() == 1);
}

void PageControl::SetActivePageIndex(int i) {
    if (i < 0 || i >= PageCount() || i == active_) return;
    active_ = i;
    for (int k = 0; k < PageCount(); ++k) pages_[static_cast<size_t>(k)]->SetVisible(k == active_);
    Notify(Change::ActivePage);
    if (OnChange) OnChange();
}

Rect PageControl::ClientRect() const {
    return {FrameInset, TabStripHeight, Width() - 2 * FrameInset,
            Height() - TabStripHeight - FrameInset};
}

} // namespace forms
