// Peers that hold other controls or show a picture: panels, group boxes, pages and
// images.
#include "forms/win32/peers.h"

namespace forms::win32 {

namespace {

// Clicks on windows of our own class, which have no click notice of their own.
bool ReportClick(Control& control, UINT msg) {
    if (msg == WM_LBUTTONUP) {
        control.Click();
    } else if (msg == WM_LBUTTONDBLCLK) {
        control.DblClick();
    } else {
        return false;
    }
    return true;
}

} // namespace

ContainerPeer::ContainerPeer(Resources& resources, Application& app, Control& control, bool bevel,
                             bool showCaption)
    : Win32Peer(resources, app, control), bevel_(bevel), showCaption_(showCaption) {
    CreateChild(kWindowClass, WS_CLIPCHILDREN, WS_EX_CONTROLPARENT);
}

void ContainerPeer::Paint() {
    PaintScope paint(Handle());
    RECT r{};
    GetClientRect(Handle(), &r);
    if (bevel_) DrawEdge(paint.Get(), &r, BDR_RAISEDOUTER, BF_RECT);
    const std::wstring& caption = Object().Caption();
    if (showCaption_ && !caption.empty()) {
        SelectedObject font(paint.Get(), FontOf(Object().GetFont()));
        SetBkMode(paint.Get(), TRANSPARENT);
        SetTextColor(paint.Get(), Object().GetFont().color);
        DrawTextW(paint.Get(), caption.c_str(), static_cast<int>(caption.size()), &r,
                  DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    buttons_.Paint(paint.Get(), paint.Dirty());
}

void ContainerPeer::ScaleChanged() {
    buttons_.ScaleChanged();
    Win32Peer::ScaleChanged();
}

bool ContainerPeer::OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    if (msg == WM_PAINT) {
        Paint();
        result = 0;
        return true;
    }
    if (msg == WM_SETCURSOR && reinterpret_cast<HWND>(wp) == Handle()) buttons_.PointerOver();
    if (buttons_.OnPointer(msg, lp)) {
        result = 0;
        return true;
    }
    if (ReportClick(Object(), msg)) return false;
    return Win32Peer::OnMessage(msg, wp, lp, result);
}

GroupBoxPeer::GroupBoxPeer(Resources& resources, Application& app, GroupBox& box)
    : Win32Peer(resources, app, box) {
    CreateChild(L"BUTTON", BS_GROUPBOX, WS_EX_CONTROLPARENT);
}

bool GroupBoxPeer::OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    if (msg != WM_ERASEBKGND) return Win32Peer::OnMessage(msg, wp, lp, result);
    // The box paints only its frame, and its parent clips it out: the inside is
    // filled here, or it would show whatever was on screen before.
    RECT r{};
    GetClientRect(Handle(), &r);
    FillRect(reinterpret_cast<HDC>(wp), &r, BackgroundBrush());
    result = 1;
    return true;
}

TabSheetPeer::TabSheetPeer(Resources& resources, Application& app, TabSheet& sheet)
    : ContainerPeer(resources, app, sheet, false, false), sheet_(sheet) {}

void TabSheetPeer::Apply(Change what, int index) {
    if (what != Change::Caption) return ContainerPeer::Apply(what, index);
    // A sheet's caption is its tab's text, held by the page control's window.
    if (auto* owner = dynamic_cast<PageControlPeer*>(sheet_.Owner().GetPeer())) owner->SyncTabs();
}

PageControlPeer::PageControlPeer(Resources& resources, Application& app, PageControl& pages)
    : Win32Peer(resources, app, pages), pages_(pages) {
    // Clipping children: the tab control would otherwise paint over its pages.
    CreateChild(WC_TABCONTROLW, WS_TABSTOP | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT);
    SyncTabs();
}

void PageControlPeer::SyncTabs() {
    ApplyingScope applying(*this);
    SendMessageW(Handle(), TCM_DELETEALLITEMS, 0, 0);
    for (int i = 0; i < pages_.PageCount(); ++i) {
        std::wstring caption = pages_.Page(i).Caption();
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = caption.data();
        SendMessageW(Handle(), TCM_INSERTITEMW, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(&item));
    }
    SendMessageW(Handle(), TCM_SETCURSEL, static_cast<WPARAM>(pages_.ActivePageIndex()), 0);
}

void PageControlPeer::Apply(Change what, int index) {
    if (what == Change::ActivePage)
        SendMessageW(Handle(), TCM_SETCURSEL, static_cast<WPARAM>(pages_.ActivePageIndex()), 0);
    else
        Win32Peer::Apply(what, index);
}

bool PageControlPeer::OnReflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    if (msg != WM_NOTIFY) return Win32Peer::OnReflected(msg, wp, lp, result);
    if (reinterpret_cast<const NMHDR*>(lp)->code != TCN_SELCHANGE || Applying()) return false;
    pages_.SetActivePageIndex(static_cast<int>(SendMessageW(Handle(), TCM_GETCURSEL, 0, 0)));
    result = 0;
    return true;
}

ImagePeer::ImagePeer(Resources& resources, Application& app, Image& image)
    : Win32Peer(resources, app, image), image_(image) {
    // A picture is a backdrop: it lies under its siblings and never paints over them,
    // so labels placed on it stay visible.
    CreateChild(kWindowClass, WS_CLIPSIBLINGS);
    SetWindowPos(Handle(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void ImagePeer::Paint() {
    PaintScope paint(Handle());
    RECT r{};
    GetClientRect(Handle(), &r);
    // The drawing made for the size the picture shows at, so that a stretched one is
    // stretched by a pixel at most.
    if (!picture_) picture_ = Res().Picture(image_.Picture, r.right);
    if (!picture_) return;
    if (!image_.Stretch) {
        ImageList_Draw(picture_, 0, paint.Get(), 0, 0, ILD_NORMAL);
        return;
    }
    UniqueIcon icon(ImageList_GetIcon(picture_, 0, ILD_NORMAL));
    DrawIconEx(paint.Get(), 0, 0, icon.Get(), r.right, r.bottom, 0, nullptr, DI_NORMAL);
}

void ImagePeer::ScaleChanged() {
    picture_ = nullptr; // read again at the new size when next painted
    Win32Peer::ScaleChanged();
}

bool ImagePeer::OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    if (msg == WM_PAINT) {
        Paint();
        result = 0;
        return true;
    }
    if (msg == WM_SETCURSOR && image_.HandCursor) {
        PointerOver(wp);
        return SetHandCursor(lp, result);
    }
    if (ReportClick(image_, msg)) return false;
    return Win32Peer::OnMessage(msg, wp, lp, result);
}

} // namespace forms::win32
