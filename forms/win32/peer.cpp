#include "forms/win32/peer.h"

#include <windowsx.h>

#include "forms/controls.h"
#include "forms/form.h"
#include "forms/menu.h"
#include "forms/win32/peers.h"
#include "platform/error.h"
#include "platform/win32/system_error.h"

namespace forms::win32 {

Win32Peer::Win32Peer(Resources& resources, Application& app, Control& control)
    : resources_(resources), app_(app), control_(control) {}

void Win32Peer::Changed(Change what, int index) {
    if (!Handle()) return;
    ApplyingScope applying(*this);
    Apply(what, index);
}

const DisplayScale& Win32Peer::Scale() const {
    static const DisplayScale kDesign(96);
    Form* form = control_.OwnerForm();
    auto* formPeer = form ? dynamic_cast<FormPeer*>(form->GetPeer()) : nullptr;
    // Only a window made outside any form has none; it is drawn as designed.
    return formPeer ? formPeer->Scale() : kDesign;
}

void Win32Peer::ScaleChanged() {
    ApplyingScope applying(*this);
    ApplyBounds();
    ApplyFont();
    InvalidateRect(Handle(), nullptr, TRUE);
}

RECT Win32Peer::PixelBounds() const {
    return fitted_.For(control_.Bounds(), Scale());
}

FitItem Win32Peer::DesignedFit() const {
    FitItem item;
    item.bounds = Scale().ToPixels(control_.Bounds());
    item.obstacle = dynamic_cast<const Image*>(&control_) == nullptr;
    const int margin = TextMargin();
    const std::wstring& caption = control_.Caption();
    if (margin < 0 || caption.empty()) return item;
    std::wstring shown; // an ampersand marks the next letter's underline
    for (size_t i = 0; i < caption.size(); ++i)
        if (caption[i] != L'&' || (i + 1 < caption.size() && caption[++i] == L'&'))
            shown += caption[i];
    // Blanks at the end show nothing: a control may cut them.
    shown.erase(shown.find_last_not_of(L' ') + 1);
    WindowDC dc(Handle());
    SelectedObject font(dc.Get(), FontOf(control_.GetFont()));
    SIZE size{};
    GetTextExtentPoint32W(dc.Get(), shown.c_str(), static_cast<int>(shown.size()), &size);
    TEXTMETRICW tm{};
    GetTextMetricsW(dc.Get(), &tm);
    item.needed = size.cx + margin;
    item.lineHeight = tm.tmHeight;
    return item;
}

void Win32Peer::TakeFit(const FitItem& item) {
    fitted_.Take(control_.Bounds(), Scale(), item.bounds);
    ApplyingScope applying(*this);
    if (item.wrapped != wrapped_) {
        wrapped_ = item.wrapped;
        SetWrapped(wrapped_);
    }
    ApplyBounds();
}

HFONT Win32Peer::FontOf(const forms::Font& font) const {
    return resources_.FontFor(font, Scale().Dpi());
}

void Win32Peer::CreateChild(const wchar_t* windowClass, DWORD style, DWORD exStyle) {
    RECT r = PixelBounds();
    style |= WS_CHILD | WS_CLIPSIBLINGS;
    if (control_.Visible()) style |= WS_VISIBLE;
    if (!control_.Enabled()) style |= WS_DISABLED;
    ownClass_ = windowClass == kWindowClass;
    HWND hwnd = CreateWindowExW(exStyle, windowClass, control_.Caption().c_str(), style, r.left,
                                r.top, r.right - r.left, r.bottom - r.top, ParentHandle(),
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(resources_.NextId())),
                                resources_.Instance(), nullptr);
    if (!hwnd) ThrowLastError(windowClass);
    Attach(hwnd);
    ApplyingScope applying(*this);
    ApplyFont();
    ApplyHint();
}

void Win32Peer::Apply(Change what, int) {
    switch (what) {
    case Change::Bounds:
        ApplyBounds();
        // A page gets its size when first shown: the texts on it fit into that.
        if (!control_.Children().empty()) FitTextsBelow(control_);
        break;
    case Change::Visible: ShowWindow(Handle(), control_.Visible() ? SW_SHOWNA : SW_HIDE); break;
    case Change::Enabled: EnableWindow(Handle(), control_.Enabled()); break;
    case Change::Caption:
        ApplyText(control_.Caption());
        if (TextMargin() >= 0 && control_.Parent()) FitChildren(*control_.Parent());
        if (ownClass_) InvalidateRect(Handle(), nullptr, TRUE); // we paint it ourselves
        break;
    case Change::Font:
        ApplyFont();
        InvalidateRect(Handle(), nullptr, TRUE);
        break;
    case Change::Color:
        // Children that look through to this control's background change with it.
        RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        break;
    case Change::Hint: ApplyHint(); break;
    default: break;
    }
}

HWND Win32Peer::ParentHandle() const {
    Control* parent = control_.Parent();
    auto* window = parent ? dynamic_cast<Window*>(parent->GetPeer()) : nullptr;
    return window ? window->Handle() : nullptr;
}

HBRUSH Win32Peer::BackgroundBrush() const {
    return resources_.BrushFor(EffectiveColor(control_));
}

HBRUSH Win32Peer::ParentBrush() const {
    Control* parent = control_.Parent();
    return parent ? resources_.BrushFor(EffectiveColor(*parent)) : BackgroundBrush();
}

std::wstring Win32Peer::WindowText() const {
    int length = GetWindowTextLengthW(Handle());
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(Handle(), text.data(), length + 1)));
    return text;
}

void Win32Peer::ApplyText(const std::wstring& text) {
    if (WindowText() != text) SetWindowTextW(Handle(), text.c_str());
}

void Win32Peer::ApplyBounds() {
    RECT want = PixelBounds();
    RECT now{};
    GetWindowRect(Handle(), &now);
    MapWindowPoints(HWND_DESKTOP, ParentHandle(), reinterpret_cast<POINT*>(&now), 2);
    if (EqualRect(&want, &now)) return;
    SetWindowPos(Handle(), nullptr, want.left, want.top, want.right - want.left,
                 want.bottom - want.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Peer::ApplyFont() {
    SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(FontOf(control_.GetFont())), FALSE);
}

namespace {

FormPeer* FormPeerOf(Control& control) {
    Form* form = control.OwnerForm();
    return form ? dynamic_cast<FormPeer*>(form->GetPeer()) : nullptr;
}

} // namespace

void Win32Peer::ApplyHint() {
    FormPeer* formPeer = FormPeerOf(control_);
    if (!formPeer || formPeer == this) return;
    formPeer->SetToolTip(Handle(), control_.ShowHint() ? control_.Hint() : std::wstring());
}

void Win32Peer::PointerOver(WPARAM window) {
    if (reinterpret_cast<HWND>(window) != Handle() || !control_.ShowHint() || control_.Hint().empty())
        return;
    if (FormPeer* formPeer = FormPeerOf(control_)) formPeer->EnsureToolTips();
}

LRESULT Win32Peer::ColorChild(HDC dc) {
    SetTextColor(dc, control_.GetFont().color);
    SetBkMode(dc, TRANSPARENT);
    if (Control* parent = control_.Parent()) SetBkColor(dc, EffectiveColor(*parent));
    return reinterpret_cast<LRESULT>(ParentBrush());
}

bool Win32Peer::OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    switch (msg) {
    case WM_SETCURSOR: PointerOver(wp); return false;
    case WM_CONTEXTMENU:
        // Reaches the parents too while no control on the way has a menu of its own.
        if (!ShowContextMenu(lp)) return false;
        result = 0;
        return true;
    case WM_ERASEBKGND:
        if (!ownClass_) return false;
        {
            RECT r{};
            GetClientRect(Handle(), &r);
            FillRect(reinterpret_cast<HDC>(wp), &r, BackgroundBrush());
        }
        result = 1;
        return true;
    default: return false;
    }
}

bool Win32Peer::OnReflected(UINT msg, WPARAM wp, LPARAM, LRESULT& result) {
    if (msg != WM_CTLCOLORSTATIC && msg != WM_CTLCOLORBTN) return false;
    result = ColorChild(reinterpret_cast<HDC>(wp));
    return true;
}

bool Win32Peer::ShowContextMenu(LPARAM lp) {
    PopupMenu* menu = control_.PopupMenu;
    if (!menu || !menu->AutoPopup) return false;
    POINT at{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    if (lp == -1) {
        // From the keyboard: open at the control's corner, as no mouse point is given.
        RECT r{};
        GetWindowRect(Handle(), &r);
        at = {r.left + 4, r.top + 4};
    }
    TrackPopup(*menu, GetAncestor(Handle(), GA_ROOT), at);
    return true;
}

Control* FindControl(Control& root, const std::function<bool(Control&)>& match) {
    if (match(root)) return &root;
    for (Control* child : root.Children()) {
        if (Control* found = FindControl(*child, match)) return found;
    }
    return nullptr;
}

bool SetHandCursor(LPARAM lp, LRESULT& result) {
    if (LOWORD(lp) != HTCLIENT) return false;
    SetCursor(LoadCursorW(nullptr, MAKEINTRESOURCEW(32649))); // IDC_HAND
    result = TRUE;
    return true;
}

void TrackPopup(PopupMenu& menu, HWND owner, POINT at) {
    if (menu.OnPopup) menu.OnPopup();
    UniqueMenu native(CreatePopupMenu());
    const auto& items = menu.Items;
    for (size_t i = 0; i < items.size(); ++i) {
        std::wstring caption = items[i]->Caption;
        MENUITEMINFOW mii{};
        mii.cbSize = sizeof mii;
        mii.fMask = MIIM_FTYPE | MIIM_STRING | MIIM_ID | MIIM_STATE;
        mii.fType = items[i]->RadioItem ? MFT_RADIOCHECK : MFT_STRING;
        if (caption == L"-") {
            mii.fMask = MIIM_FTYPE;
            mii.fType = MFT_SEPARATOR;
        }
        mii.wID = static_cast<UINT>(i + 1); // 0 is what an abandoned menu returns
        mii.fState = (items[i]->Checked ? MFS_CHECKED : MFS_UNCHECKED) |
                     (items[i]->Enabled ? MFS_ENABLED : MFS_DISABLED);
        mii.dwTypeData = caption.data();
        InsertMenuItemW(native.Get(), static_cast<UINT>(i), TRUE, &mii);
    }
    UINT chosen = static_cast<UINT>(TrackPopupMenu(native.Get(),
                                                   TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY,
                                                   at.x, at.y, 0, owner, nullptr));
    if (chosen >= 1 && chosen <= items.size()) items[chosen - 1]->Click();
}

void ThrowLastError(const wchar_t* what) {
    const DWORD code = GetLastError();
    throw platform::Error(std::wstring(what) + L": " + platform::win32::SystemErrorText(code));
}

} // namespace forms::win32
