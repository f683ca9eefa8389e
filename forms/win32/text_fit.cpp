#include "forms/win32/text_fit.h"

#include <algorithm>

#include "forms/win32/peer.h"

namespace forms::win32 {

namespace {

int Width(const RECT& r) {
    return r.right - r.left;
}

bool SameRow(const RECT& a, const RECT& b) {
    return a.top < b.bottom && b.top < a.bottom;
}

bool Overlap(const RECT& a, const RECT& b) {
    RECT common{};
    return IntersectRect(&common, &a, &b) != FALSE;
}

// The items after `self` on its row, and how far the first of them leaves free.
std::vector<FitItem*> RowAfter(std::vector<FitItem>& items, const FitItem& self) {
    std::vector<FitItem*> row;
    for (FitItem& other : items)
        if (&other != &self && other.obstacle && SameRow(other.bounds, self.bounds) &&
            other.bounds.left >= self.bounds.right)
            row.push_back(&other);
    return row;
}

int FreeRight(const std::vector<FitItem*>& row, const FitItem& self, SIZE parent) {
    LONG edge = parent.cx;
    for (const FitItem* other : row)
        edge = std::min(edge, other->bounds.left);
    return edge - self.bounds.right;
}

// The room a text control leaves unused at its right; other controls use all theirs.
LONG UsedRight(const FitItem& item) {
    if (item.needed <= 0) return item.bounds.right;
    return std::min<LONG>(item.bounds.right, item.bounds.left + item.needed);
}

// The items before `self` on its row.
std::vector<FitItem*> RowBefore(std::vector<FitItem>& items, const FitItem& self) {
    std::vector<FitItem*> row;
    for (FitItem& other : items)
        if (&other != &self && other.obstacle && SameRow(other.bounds, self.bounds) &&
            other.bounds.right <= self.bounds.left + Width(self.bounds) / 2 &&
            other.bounds.left < self.bounds.left)
            row.push_back(&other);
    return row;
}

int FreeLeft(const std::vector<FitItem*>& row, const FitItem& self) {
    LONG edge = 0;
    for (const FitItem* other : row)
        edge = std::max(edge, UsedRight(*other));
    return std::max<LONG>(0, self.bounds.left - edge);
}

// Takes room from the left: a text before it that leaves room unused gives it up.
void GrowLeft(const std::vector<FitItem*>& row, FitItem& self, int by) {
    self.bounds.left -= by;
    for (FitItem* other : row)
        other->bounds.right = std::min(other->bounds.right, self.bounds.left);
}

// How far the items after `self` on its row can move right and stay in the parent.
int PushRoom(const std::vector<FitItem*>& row, SIZE parent) {
    if (row.empty()) return 0;
    LONG last = 0;
    for (const FitItem* other : row)
        last = std::max(last, other->bounds.right);
    return std::max<LONG>(0, parent.cx - last);
}

void PushRow(const std::vector<FitItem*>& row, int by) {
    for (FitItem* other : row)
        OffsetRect(&other->bounds, by, 0);
}

bool Wrap(std::vector<FitItem>& items, FitItem& self, int freeRight, SIZE parent) {
    RECT two = self.bounds;
    two.right += freeRight;
    two.bottom = std::max<LONG>(two.bottom, two.top + 2 * self.lineHeight);
    // Lines break between words: the first line may take little more than half.
    if (3 * Width(two) < 2 * self.needed) return false;
    // What lies below in the way moves down, with everything under it, when the lowest
    // still fits; what stands beside the text stays.
    int down = 0;
    LONG lowest = two.bottom;
    for (const FitItem& other : items) {
        if (&other == &self || !other.obstacle) continue;
        if (Overlap(other.bounds, two) && other.bounds.top < self.bounds.bottom) return false;
        if (Overlap(other.bounds, two)) down = std::max<int>(down, two.bottom - other.bounds.top);
        if (other.bounds.top >= self.bounds.bottom) lowest = std::max(lowest, other.bounds.bottom);
    }
    if (std::max(two.bottom, lowest + down) > parent.cy) return false;
    for (FitItem& other : items)
        if (&other != &self && other.bounds.top >= self.bounds.bottom)
            OffsetRect(&other.bounds, 0, down);
    self.bounds = two;
    self.wrapped = true;
    return true;
}

void Fit(std::vector<FitItem>& items, FitItem& self, SIZE parent) {
    int grow = self.needed - Width(self.bounds);
    if (grow <= 0) return;
    std::vector<FitItem*> after = RowAfter(items, self);
    std::vector<FitItem*> before = RowBefore(items, self);
    const int freeRight = std::max(0, FreeRight(after, self, parent));
    const int push = PushRoom(after, parent);
    const int freeLeft = FreeLeft(before, self);
    if (grow > freeRight + push + freeLeft) {
        Wrap(items, self, freeRight, parent);
        return;
    }
    // The room to the right first, then what moving the row right gives, then the left.
    const int right = std::min(grow, freeRight);
    self.bounds.right += right;
    grow -= right;
    const int pushed = std::min(grow, push);
    if (pushed > 0) PushRow(after, pushed);
    self.bounds.right += pushed;
    grow -= pushed;
    if (grow > 0) GrowLeft(before, self, grow);
}

} // namespace

// A text control whose window reaches over the next control on its row, past what its
// text needs, would paint its background over that control: it ends where that begins.
void ClipUnused(std::vector<FitItem>& items, FitItem& self) {
    if (self.wrapped) return;
    const LONG used = self.bounds.left + self.needed;
    for (const FitItem& other : items)
        if (&other != &self && other.obstacle && SameRow(other.bounds, self.bounds) &&
            other.bounds.left >= used && other.bounds.left < self.bounds.right)
            self.bounds.right = other.bounds.left;
}

void FitTexts(std::vector<FitItem>& items, SIZE parent) {
    for (FitItem& item : items)
        if (item.needed > 0) Fit(items, item, parent);
    for (FitItem& item : items)
        if (item.needed > 0) ClipUnused(items, item);
}

void FitChildren(Control& parent) {
    std::vector<Fitted*> peers;
    std::vector<FitItem> items;
    for (Control* child : parent.Children()) {
        auto* peer = dynamic_cast<Fitted*>(child->GetPeer());
        if (!peer) continue;
        peers.push_back(peer);
        items.push_back(peer->DesignedFit());
    }
    auto* parentPeer = dynamic_cast<Win32Peer*>(parent.GetPeer());
    if (!parentPeer || items.empty()) return;
    // A page not shown yet has no size: its texts are fitted once it gets one.
    RECT client{};
    GetClientRect(parentPeer->Handle(), &client);
    if (client.right <= 0 || client.bottom <= 0) return;
    FitTexts(items, {client.right, client.bottom});
    for (size_t i = 0; i < peers.size(); ++i)
        peers[i]->TakeFit(items[i]);
}

void FitTextsBelow(Control& root) {
    FitChildren(root);
    for (Control* child : root.Children())
        FitTextsBelow(*child);
}

} // namespace forms::win32
