#pragma once
#include <functional>
#include <vector>

#include "forms/control.h"

namespace forms {

class PageControl;

// A page of a page control; its caption is the tab's text.
class TabSheet : public Control {
public:
    TabSheet(PageControl& owner, std::wstring name, const std::wstring& caption);
    PageControl& Owner() const { return owner_; }

private:
    PageControl& owner_;
};

class PageControl : public Control {
public:
    using Control::Control;
    int PageCount() const { return static_cast<int>(pages_.size()); }
    TabSheet& Page(int i) const { return *pages_.at(static_cast<size_t>(i)); }
    int ActivePageIndex() const { return active_; }
    void SetActivePageIndex(int i);
    Rect ClientRect() const override;
    std::function<void()> OnChange;

private:
    friend class TabSheet;
    std::vector<TabSheet*> pages_;
    int active_ = 0;
};

} // namespace forms
