#include "forms/win32/list_view_peer.h"
#include "forms/win32/pictures.h"
#include "platform/win32/system_library.h"

#include <shellapi.h>
#include <windowsx.h>

#include <algorithm>
#include <cwchar>
#include <utility>
#include <vector>

namespace forms::win32 {

namespace {

constexpr int kMaxPictures = 256;
// The program's pictures are 16 pixels square at 96 DPI.
constexpr int kPictureSize = 16;
constexpr UINT_PTR kFlushTimer = 0x544C; // apart from the ids the view uses itself
// Asks the view to fit its columns once it has finished what it is doing.
constexpr UINT kRefitMessage = WM_APP + 0x4C;
constexpr UINT kFlushDelayMs = 250;
constexpr UINT kMaxFlushDelayMs = 1000;
// A flush repaints the view, which takes from a few to tens of milliseconds: the next
// one waits at least this many times as long, so that a list filling at full speed
// spends no more than about a twentieth of its time catching up.
constexpr UINT kFlushCostFactor = 20;
constexpr UINT kUnchecked = INDEXTOSTATEIMAGEMASK(1);
constexpr UINT kChecked = INDEXTOSTATEIMAGEMASK(2);

// A view with no columns shows nothing in report mode: it gets one that fills it.
std::vector<ListColumn> ShownColumns(const ListView& list) {
    if (!list.Columns().empty()) return list.Columns();
    return {ListColumn{L"", 50, true}};
}

} // namespace

ListViewPeer::ListViewPeer(Resources& resources, Application& app, ListView& list)
    : Win32Peer(resources, app, list), list_(list), checkBoxes_(list.CheckBoxes),
      flushes_(kFlushTimer, kFlushDelayMs) {
    // Image lists are shared: the system's must never be destroyed, ours is owned here.
    DWORD style = WS_TABSTOP | LVS_REPORT | LVS_OWNERDATA | LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS;
    if (!list.MultiSelect) style |= LVS_SINGLESEL;
    if (!list.ShowColumnHeaders) style |= LVS_NOCOLUMNHEADER;
    CreateChild(WC_LISTVIEWW, style, WS_EX_CLIENTEDGE);
    DWORD ex = 0;
    if (list.RowSelect) ex |= LVS_EX_FULLROWSELECT;
    if (list.CheckBoxes) ex |= LVS_EX_CHECKBOXES;
    SendMessageW(Handle(), LVM_SETEXTENDEDLISTVIEWSTYLE, ex, ex);
    // Owner data: the view asks for the check state along with the text.
    if (list.CheckBoxes) SendMessageW(Handle(), LVM_SETCALLBACKMASK, LVIS_STATEIMAGEMASK, 0);
    ApplyingScope applying(*this);
    EnsureImages();
    ApplyColumns();
    ApplyAllItems();
}

ListViewPeer::~ListViewPeer() {
    // The check box images were made by the view itself; shared lists are not freed
    // by it, so they are taken back and freed here.
    if (Handle() && checkBoxes_)
        UniqueImageList state(
            reinterpret_cast<HIMAGELIST>(SendMessageW(Handle(), LVM_SETIMAGELIST, LVSIL_STATE, 0)));
}

void ListViewPeer::ApplyImages() {
    HIMAGELIST images = nullptr;
    if (list_.Images == SmallImages::SystemIcons) {
        SHFILEINFOW sfi{};
        auto* fileInfo = platform::win32::ShellLibrary().Find<decltype(::SHGetFileInfoW)>(
            "SHGetFileInfoW");
        if (fileInfo)
            images = reinterpret_cast<HIMAGELIST>(
                fileInfo(L"", 0, &sfi, sizeof sfi, SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
    } else if (list_.Images == SmallImages::Program && list_.ProgramImageList != 0) {
        programImages_ = LoadPictures(Res().Instance(), list_.ProgramImageList, kMaxPictures,
                                      Scale().Pixels(kPictureSize));
        images = programImages_.Get();
    }
    if (images)
        SendMessageW(Handle(), LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images));
}

void ListViewPeer::ScaleChanged() {
    Win32Peer::ScaleChanged();
    ApplyingScope applying(*this);
    // The program's pictures in the size drawn for the new scale; the system's list
    // stays the one the system hands out.
    if (imagesApplied_ && list_.Images == SmallImages::Program) ApplyImages();
    ApplyColumns();
}

void ListViewPeer::EnsureImages() {
    // The system's image list is a handle to share; the program's pictures are read from
    // its resources, which waits until a row is there to show them: a list starts
    // empty, and the main window's fills only after it is first shown.
    if (imagesApplied_ || (list_.Images == SmallImages::Program && list_.Count() == 0)) return;
    imagesApplied_ = true;
    ApplyImages();
}

void ListViewPeer::EnsureBuffered() {
    // Drawing through a buffer spares the rows flicker as they come, and costs each paint
    // a millisecond or more: an empty view, as every list starts, draws straight.
    if (buffered_ || list_.Count() == 0) return;
    buffered_ = true;
    SendMessageW(Handle(), LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_DOUBLEBUFFER, LVS_EX_DOUBLEBUFFER);
}

void ListViewPeer::ApplyColumns() {
    while (SendMessageW(Handle(), LVM_DELETECOLUMN, 0, 0)) {
    }
    auto columns = ShownColumns(list_);
    // Auto-sized columns go in at the width they fill, which spares the view a second
    // layout (a millisecond each time the window opens).
    const int share = AutoColumnWidth(columns);
    for (size_t i = 0; i < columns.size(); ++i) {
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.pszText = columns[i].caption.data();
        column.cx = columns[i].autoSize ? share : Scale().Pixels(columns[i].width);
        SendMessageW(Handle(), LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
    }
    FitColumns();
}

int ListViewPeer::AutoColumnWidth(const std::vector<ListColumn>& columns) const {
    RECT client{};
    GetClientRect(Handle(), &client);
    int fixed = 0, autoCount = 0;
    for (const auto& c : columns) {
        if (c.autoSize)
            ++autoCount;
        else
            fixed += Scale().Pixels(c.width);
    }
    return autoCount ? std::max(0, static_cast<int>(client.right - fixed) / autoCount) : 0;
}

void ListViewPeer::FitColumns() {
    // Setting a width may add or drop a scroll bar, which resizes the client again.
    if (fitting_) return;
    fitting_ = true;
    auto columns = ShownColumns(list_);
    const int share = AutoColumnWidth(columns);
    for (size_t i = 0; i < columns.size(); ++i) {
        if (!columns[i].autoSize) continue;
        if (SendMessageW(Handle(), LVM_GETCOLUMNWIDTH, i, 0) != share)
            SendMessageW(Handle(), LVM_SETCOLUMNWIDTH, i, share);
    }
    fitting_ = false;
}

bool ListViewPeer::NativeSelected(int index) const {
    return SendMessageW(Handle(), LVM_GETITEMSTATE, static_cast<WPARAM>(index), LVIS_SELECTED) != 0;
}

void ListViewPeer::SetNativeSelected(int index, bool on) {
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED;
    item.state = on ? LVIS_SELECTED : 0;
    SendMessageW(Handle(), LVM_SETITEMSTATE, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&item));
}

void ListViewPeer::ApplyAllItems() {
    EnsureImages();
    EnsureBuffered();
    SendMessageW(Handle(), LVM_SETITEMCOUNT, static_cast<WPARAM>(list_.Count()), LVSICF_NOSCROLL);
    maybeSelected_ = true;
    SyncNativeSelection();
    InvalidateRect(Handle(), nullptr, TRUE);
}

void ListViewPeer::ItemsMoved(int from) {
    // Setting the view's row count is slow on some systems (a full scroll bar update
    // each time), and a scan adds rows one by one: the count follows a moment later,
    // once for many rows.
    pendingFrom_ = std::min(pendingFrom_, from);
    ArmFlush();
}

void ListViewPeer::ScrollTo(int index) {
    // A scan asks for every row it adds, and each scroll repaints the view: within the
    // flush delay of the last scroll only the latest request is kept, for the flush.
    scrollPending_ = index;
    // The row may be one the view has not taken up yet: a flush brings the count first.
    if (flushes_.ShowNow(Handle())) Flush();
}

void ListViewPeer::ArmFlush() {
    if (!flushes_.Arm(Handle())) Flush();
}

void ListViewPeer::Flush() {
    flushes_.Disarm(Handle());
    const DWORD start = GetTickCount();
    if (pendingFrom_ != kNothingPending) ApplyCount();
    if (scrollPending_ >= 0) {
        const int index = std::exchange(scrollPending_, -1);
        if (index < list_.Count())
            SendMessageW(Handle(), LVM_ENSUREVISIBLE, static_cast<WPARAM>(index), FALSE);
        flushes_.Shown();
    }
    const DWORD cost = GetTickCount() - start;
    flushes_.SetInterval(
        std::clamp<DWORD>(cost * kFlushCostFactor, kFlushDelayMs, kMaxFlushDelayMs));
}

void ListViewPeer::ApplyCount() {
    int from = std::exchange(pendingFrom_, kNothingPending);
    ApplyingScope applying(*this);
    EnsureImages();
    EnsureBuffered();
    SendMessageW(Handle(), LVM_SETITEMCOUNT, static_cast<WPARAM>(list_.Count()),
                 LVSICF_NOSCROLL | LVSICF_NOINVALIDATEALL);
    // The view keeps selection by row number: rows that moved take theirs along.
    SyncNativeSelection();
    int top = static_cast<int>(SendMessageW(Handle(), LVM_GETTOPINDEX, 0, 0));
    int perPage = static_cast<int>(SendMessageW(Handle(), LVM_GETCOUNTPERPAGE, 0, 0));
    if (from <= top + perPage) InvalidateRect(Handle(), nullptr, TRUE);
}

void ListViewPeer::SyncNativeSelection() {
    // Nothing to visit while nothing was ever selected since the last visit, so a
    // scan with no selection never walks all rows.
    if (!maybeSelected_ && SendMessageW(Handle(), LVM_GETSELECTEDCOUNT, 0, 0) == 0) return;
    std::vector<int> native;
    for (int k = static_cast<int>(
             SendMessageW(Handle(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
         k >= 0; k = static_cast<int>(SendMessageW(Handle(), LVM_GETNEXTITEM,
                                                   static_cast<WPARAM>(k), LVNI_SELECTED)))
        native.push_back(k);
    for (int k : native)
        if (k >= list_.Count() || !list_.Item(k).selected) SetNativeSelected(k, false);
    bool any = false;
    for (int k = 0; k < list_.Count(); ++k) {
        if (!list_.Item(k).selected) continue;
        any = true;
        if (!NativeSelected(k)) SetNativeSelected(k, true);
    }
    maybeSelected_ = any;
}

void ListViewPeer::ItemChanged(int index) {
    if (index < 0 || index >= list_.Count()) return;
    bool selected = list_.Item(index).selected;
    if (selected) maybeSelected_ = true;
    if (pendingFrom_ != kNothingPending)
        Flush(); // brings the selection of every row, this one too
    else if (NativeSelected(index) != selected)
        SetNativeSelected(index, selected);
    // Rows off screen are drawn when they come into view; the row being drawn now
    // is drawn with what the program just named.
    int top = static_cast<int>(SendMessageW(Handle(), LVM_GETTOPINDEX, 0, 0));
    int perPage = static_cast<int>(SendMessageW(Handle(), LVM_GETCOUNTPERPAGE, 0, 0));
    if (index != imageRequestFor_ && index >= top && index <= top + perPage)
        SendMessageW(Handle(), LVM_REDRAWITEMS, static_cast<WPARAM>(index), index);
}

void ListViewPeer::Apply(Change what, int index) {
    switch (what) {
    case Change::Items: ItemsMoved(0); break;
    case Change::ItemAdded:
    case Change::ItemRemoved: ItemsMoved(index); break;
    case Change::ItemChanged: ItemChanged(index); break;
    case Change::Scroll: ScrollTo(index); break;
    case Change::Columns: ApplyColumns(); break;
    default: Win32Peer::Apply(what, index); break;
    }
}

void ListViewPeer::ReportSelection(int from, int to) {
    to = std::min(to, list_.Count() - 1);
    for (int k = std::max(from, 0); k <= to; ++k) {
        bool native = NativeSelected(k);
        if (list_.Item(k).selected != native) list_.SetSelected(k, native);
    }
}

void ListViewPeer::ReportAllSelection() {
    for (int k = 0; k < list_.Count(); ++k)
        if (list_.Item(k).selected && !NativeSelected(k)) list_.SetSelected(k, false);
    for (int k = static_cast<int>(
             SendMessageW(Handle(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
         k >= 0 && k < list_.Count();
         k = static_cast<int>(
             SendMessageW(Handle(), LVM_GETNEXTITEM, static_cast<WPARAM>(k), LVNI_SELECTED)))
        if (!list_.Item(k).selected) list_.SetSelected(k, true);
}

bool ListViewPeer::ToggleAt(LPARAM lp) {
    LVHITTESTINFO hit{};
    hit.pt = {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    int i =
        static_cast<int>(SendMessageW(Handle(), LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    if (i < 0 || i >= list_.Count() || !(hit.flags & LVHT_ONITEMSTATEICON)) return false;
    list_.SetChecked(i, !list_.Item(i).checked);
    // The view tells of a click on a check box as of any click; so does this.
    Object().Click();
    return true;
}

bool ListViewPeer::ToggleFocused() {
    int focused = static_cast<int>(
        SendMessageW(Handle(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
    // A selection made by the program has no focus row: its first row leads then.
    if (focused < 0)
        focused = static_cast<int>(
            SendMessageW(Handle(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    if (focused < 0 || focused >= list_.Count()) return false;
    bool on = !list_.Item(focused).checked;
    list_.SetChecked(focused, on);
    // Space over a selection sets every selected row the same way.
    for (int k = static_cast<int>(
             SendMessageW(Handle(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
         k >= 0 && k < list_.Count();
         k = static_cast<int>(
             SendMessageW(Handle(), LVM_GETNEXTITEM, static_cast<WPARAM>(k), LVNI_SELECTED)))
        list_.SetChecked(k, on);
    return true;
}

bool ListViewPeer::OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    // The view never toggles a check box itself: with owner data it has no state to
    // toggle, so clicks and the space bar on check boxes are taken here.
    bool checks = list_.CheckBoxes;
    switch (msg) {
    case WM_TIMER:
        if (!flushes_.IsTimer(msg, wp)) break;
        Flush();
        result = 0;
        return true;
    default: break;
    }
    // What the user points at or moves to must be the rows the control holds now.
    if (msg == WM_LBUTTONDOWN || msg == WM_LBUTTONDBLCLK || msg == WM_RBUTTONDOWN ||
        msg == WM_KEYDOWN)
        Flush();
    switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (!checks || !ToggleAt(lp)) break;
        SetFocus(Handle());
        result = 0;
        return true;
    case WM_KEYDOWN:
        if (!checks || wp != VK_SPACE || !ToggleFocused()) break;
        result = 0;
        return true;
    case WM_CHAR:
        if (!checks || wp != L' ') break;
        result = 0;
        return true;
    case WM_SIZE:
        result = Default(msg, wp, lp);
        // A scroll bar that comes or goes resizes the view in the middle of its own
        // update (a new row count, a new column width), and a width set from there is
        // judged against the size it had before: the columns are fitted afterwards.
        if (!refitPosted_) refitPosted_ = PostMessageW(Handle(), kRefitMessage, 0, 0) != FALSE;
        if (!refitPosted_) FitColumns();
        return true;
    case kRefitMessage:
        refitPosted_ = false;
        FitColumns();
        result = 0;
        return true;
    default: break;
    }
    return Win32Peer::OnMessage(msg, wp, lp, result);
}

void ListViewPeer::FillDisplayInfo(LVITEMW& item) {
    int i = item.iItem;
    if (i < 0 || i >= list_.Count()) return;
    if ((item.mask & LVIF_TEXT) && item.pszText && item.cchTextMax > 0) {
        if (item.iSubItem == 0)
            lstrcpynW(item.pszText, list_.Item(i).caption.c_str(), item.cchTextMax);
        else
            item.pszText[0] = L'\0';
    }
    if (item.mask & LVIF_IMAGE) {
        struct Done {
            int& v;
            ~Done() { v = -1; }
        } done{imageRequestFor_};
        imageRequestFor_ = i;
        list_.RequestImage(i);
        if (i >= list_.Count()) return;
        item.iImage = list_.Item(i).imageIndex;
    }
    if ((item.mask & LVIF_STATE) && list_.CheckBoxes) {
        item.state =
            (item.state & ~LVIS_STATEIMAGEMASK) | (list_.Item(i).checked ? kChecked : kUnchecked);
        item.stateMask |= LVIS_STATEIMAGEMASK;
    }
}

int ListViewPeer::FindItem(const NMLVFINDITEMW& find) const {
    // Typing in the view jumps to the next row whose caption starts with the keys.
    if (!(find.lvfi.flags & (LVFI_STRING | LVFI_PARTIAL)) || !find.lvfi.psz) return -1;
    size_t length = std::wcslen(find.lvfi.psz);
    int count = list_.Count();
    for (int n = 0; n < count; ++n) {
        int k = (std::max(find.iStart, 0) + n) % count;
        const std::wstring& caption = list_.Item(k).caption;
        if (caption.size() >= length &&
            CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, caption.c_str(),
                           static_cast<int>(length), find.lvfi.psz,
                           static_cast<int>(length)) == CSTR_EQUAL)
            return k;
    }
    return -1;
}

bool ListViewPeer::OnNotify(const NMHDR& hdr, LRESULT& result) {
    result = 0;
    switch (hdr.code) {
    case LVN_GETDISPINFOW:
        FillDisplayInfo(reinterpret_cast<NMLVDISPINFOW*>(const_cast<NMHDR*>(&hdr))->item);
        return true;
    case LVN_ODFINDITEMW:
        result = FindItem(reinterpret_cast<const NMLVFINDITEMW&>(hdr));
        return true;
    case LVN_ITEMCHANGED: {
        auto& nm = reinterpret_cast<const NMLISTVIEW&>(hdr);
        if (Applying() || !(nm.uChanged & LVIF_STATE) ||
            !((nm.uNewState ^ nm.uOldState) & LVIS_SELECTED))
            return true;
        if (nm.iItem < 0)
            ReportAllSelection();
        else
            ReportSelection(nm.iItem, nm.iItem);
        return true;
    }
    case LVN_ODSTATECHANGED: {
        auto& nm = reinterpret_cast<const NMLVODSTATECHANGE&>(hdr);
        if (!Applying()) ReportSelection(nm.iFrom, nm.iTo);
        return true;
    }
    case NM_CLICK: Object().Click(); return true;
    case NM_DBLCLK: Object().DblClick(); return true;
    default: return false;
    }
}

bool ListViewPeer::OnReflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    if (msg == WM_NOTIFY) return OnNotify(*reinterpret_cast<const NMHDR*>(lp), result);
    return Win32Peer::OnReflected(msg, wp, lp, result);
}

} // namespace forms::win32
