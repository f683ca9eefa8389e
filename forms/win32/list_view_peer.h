#pragma once
#include "forms/list_view.h"
#include "forms/win32/peer.h"
#include "forms/win32/repaint_throttle.h"

namespace forms::win32 {

// A report view over the control's items. The view holds no items of its own (owner
// data): it asks for the ones it draws, so a list of millions costs no more than the
// rows on screen. It keeps only its row count, selection and focus, which this peer
// keeps in step with the control (the count a moment after a burst of additions);
// check boxes are drawn from the items and toggled here.
class ListViewPeer : public Win32Peer {
public:
    ListViewPeer(Resources& resources, Application& app, ListView& list);
    ~ListViewPeer() override;
    void ScaleChanged() override;

protected:
    void Apply(Change what, int index) override;
    bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
    bool OnReflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    void ApplyImages();
    void EnsureImages();
    void EnsureBuffered();
    void ApplyColumns();
    void FitColumns();
    // What each auto-sized column gets of the room the fixed ones leave.
    int AutoColumnWidth(const std::vector<ListColumn>& columns) const;
    void ApplyAllItems();
    // Rows from this one on were added, removed or reordered.
    void ItemsMoved(int from);
    void ScrollTo(int index);
    // Has the timer bring the view up to the control a moment from now.
    void ArmFlush();
    // Brings the view's row count, selection and scrolling up to the control's.
    void Flush();
    void ApplyCount();
    void ItemChanged(int index);

    bool NativeSelected(int index) const;
    void SetNativeSelected(int index, bool on);
    void SyncNativeSelection();
    void ReportSelection(int from, int to);
    void ReportAllSelection();

    bool ToggleAt(LPARAM lp);
    bool ToggleFocused();
    void FillDisplayInfo(LVITEMW& item);
    int FindItem(const NMLVFINDITEMW& find) const;
    bool OnNotify(const NMHDR& hdr, LRESULT& result);

    ListView& list_;
    // Kept here: the peer outlives the list's own part when the list is destroyed.
    const bool checkBoxes_;
    UniqueImageList programImages_;
    static constexpr int kNothingPending = 0x7FFFFFFF;
    int imageRequestFor_ = -1;          // the item being drawn while the program names its image
    int pendingFrom_ = kNothingPending; // first row moved since the view last caught up
    int scrollPending_ = -1;            // the row last asked to be scrolled into view
    // Scrolls and count changes wait for a flush; its interval follows what a flush costs.
    RepaintThrottle flushes_;
    bool maybeSelected_ = false; // a row may be selected: selection must be visited
    bool fitting_ = false;
    bool refitPosted_ = false; // a fit of the columns is on its way
    bool imagesApplied_ = false;
    bool buffered_ = false;
};

} // namespace forms::win32
