#pragma once
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "forms/control.h"

namespace forms {

struct ListItem {
    std::wstring caption;
    int imageIndex = 0;
    bool checked = false;
    bool selected = false;
};

struct ListColumn {
    std::wstring caption;
    int width = 50;
    bool autoSize = false;
};

// Which image list the native view shows its small images from.
enum class SmallImages { None, Program, SystemIcons };

// A report-style list view. Items live here; a native peer only shows them.
class ListView : public Control {
public:
    using Compare = std::function<int(const std::wstring&, const std::wstring&)>;
    using Control::Control;

    bool CheckBoxes = false;
    bool MultiSelect = false;
    bool RowSelect = false;
    bool ReadOnly = true;
    bool ShowColumnHeaders = true;
    SmallImages Images = SmallImages::None;
    int ProgramImageList = 0; // resource number of the program's image list

    // Keeps items sorted by caption with this comparison when set.
    void SetSorted(Compare compare);
    bool Sorted() const { return static_cast<bool>(compare_); }

    void SetColumns(std::vector<ListColumn> columns);
    const std::vector<ListColumn>& Columns() const { return columns_; }
    void SetColumnCaption(int index, const std::wstring& caption);

    int Count() const { return static_cast<int>(items_.size()); }
    const ListItem& Item(int i) const { return items_.at(static_cast<size_t>(i)); }
    // Adds an item (at its sorted place for a sorted view) and returns its index.
    int Add(const std::wstring& caption, bool checked = false, int imageIndex = 0);
    void Delete(int i);
    void Clear();
    // -1 when no item has exactly this caption.
    int FindCaption(const std::wstring& caption) const;

    void SetChecked(int i, bool on);
    void SetImageIndex(int i, int image);
    void SetSelected(int i, bool on);
    int SelectedCount() const;

    // The user or the back end changed selection: fired per changed item.
    std::function<void(int index, bool selected)> OnSelectItem;
    // Asked whenever the view needs an item's image.
    std::function<void(int index)> OnGetImageIndex;
    void RequestImage(int i);
    // Scrolls the item fully into view.
    void MakeVisible(int i);
    int LastMadeVisible() const { return lastVisible_; }

private:
    // A deque: a results list grows to millions of rows, and adding one never moves the
    // others or leaves half the storage unused, as a growing array would.
    std::deque<ListItem> items_;
    std::vector<ListColumn> columns_;
    Compare compare_;
    int lastVisible_ = -1;
};

} // namespace forms
