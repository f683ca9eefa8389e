#include "forms/list_view.h"

#include <algorithm>

namespace forms {

void ListView::SetSorted(Compare compare) {
    compare_ = std::move(compare);
    if (!compare_) return;
    std::stable_sort(items_.begin(), items_.end(), [this](const ListItem& a, const ListItem& b) {
        return compare_(a.caption, b.caption) < 0;
    });
    Notify(Change::Items);
}

void ListView::SetColumns(std::vector<ListColumn> columns) {
    columns_ = std::move(columns);
    Notify(Change::Columns);
}

void ListView::SetColumnCaption(int index, const std::wstring& caption) {
    columns_.at(static_cast<size_t>(index)).caption = caption;
    Notify(Change::Columns);
}

int ListView::Add(const std::wstring& caption, bool checked, int imageIndex) {
    auto at = items_.end();
    if (compare_) {
        at = std::upper_bound(items_.begin(), items_.end(), caption,
                              [this](const std::wstring& c, const ListItem& item) {
                                  return compare_(c, item.caption) < 0;
                              });
    }
    int index = static_cast<int>(at - items_.begin());
    items_.insert(at, ListItem{caption, imageIndex, checked, false});
    Notify(Change::ItemAdded, index);
    return index;
}

void ListView::Delete(int i) {
    items_.erase(items_.begin() + i);
    Notify(Change::ItemRemoved, i);
}

void ListView::Clear() {
    if (items_.empty()) return;
    items_.clear();
    items_.shrink_to_fit();
    Notify(Change::Items);
}

int ListView::FindCaption(const std::wstring& caption) const {
    for (size_t i = 0; i < items_.size(); ++i)
        if (items_[i].caption == caption) return static_cast<int>(i);
    return -1;
}

void ListView::SetChecked(int i, bool on) {
    Assign(items_.at(static_cast<size_t>(i)).checked, on, Change::ItemChanged, i);
}

void ListView::SetImageIndex(int i, int image) {
    Assign(items_.at(static_cast<size_t>(i)).imageIndex, image, Change::ItemChanged, i);
}

void ListView::SetSelected(int i, bool on) {
    auto& item = items_.at(static_cast<size_t>(i));
    if (item.selected == on) return;
    if (on && !MultiSelect) {
        for (size_t k = 0; k < items_.size(); ++k)
            if (items_[k].selected && static_cast<int>(k) != i) SetSelected(static_cast<int>(k), false);
    }
    item.selected = on;
    Notify(Change::ItemChanged, i);
    if (OnSelectItem) OnSelectItem(i, on);
}

int ListView::SelectedCount() const {
    return static_cast<int>(
        std::count_if(items_.begin(), items_.end(), [](const ListItem& it) { return it.selected; }));
}

void ListView::MakeVisible(int i) {
    lastVisible_ = i;
    Notify(Change::Scroll, i);
}

void ListView::RequestImage(int i) {
    if (OnGetImageIndex) OnGetImageIndex(i);
}

} // namespace forms
