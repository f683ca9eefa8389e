// Push buttons, check boxes and the flat toolbar buttons.
#include "forms/win32/peers.h"

namespace forms::win32 {

namespace {

bool IsClick(UINT msg, WPARAM wp) {
    return msg == WM_COMMAND && HIWORD(wp) == BN_CLICKED;
}

} // namespace

ButtonPeer::ButtonPeer(Resources& resources, Application& app, Button& button)
    : Win32Peer(resources, app, button) {
    CreateChild(L"BUTTON", WS_TABSTOP | (button.Default ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON));
}

int ButtonPeer::TextMargin() const {
    return 2 * Scale().Pixels(4); // the raised edges and the focus frame on both sides
}

bool ButtonPeer::OnReflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    if (!IsClick(msg, wp)) return Win32Peer::OnReflected(msg, wp, lp, result);
    Object().Click();
    result = 0;
    return true;
}

CheckBoxPeer::CheckBoxPeer(Resources& resources, Application& app, CheckBox& box)
    : Win32Peer(resources, app, box), box_(box) {
    CreateChild(L"BUTTON", WS_TABSTOP | BS_AUTOCHECKBOX);
    SendMessageW(Handle(), BM_SETCHECK, box.Checked() ? BST_CHECKED : BST_UNCHECKED, 0);
}

int CheckBoxPeer::TextMargin() const {
    return Scale().Pixels(13 + 4); // the box and the gap after it
}

void CheckBoxPeer::SetWrapped(bool on) {
    LONG_PTR style = GetWindowLongPtrW(Handle(), GWL_STYLE);
    SetWindowLongPtrW(Handle(), GWL_STYLE, on ? style | BS_MULTILINE : style & ~BS_MULTILINE);
}

bool CheckBoxPeer::NativeChecked() const {
    return SendMessageW(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void CheckBoxPeer::Apply(Change what, int index) {
    if (what != Change::Checked) return Win32Peer::Apply(what, index);
    if (NativeChecked() != box_.Checked())
        SendMessageW(Handle(), BM_SETCHECK, box_.Checked() ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool CheckBoxPeer::OnReflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    if (!IsClick(msg, wp)) return Win32Peer::OnReflected(msg, wp, lp, result);
    // The box toggled itself; the control follows (and fires its click) only when
    // that made them differ.
    if (!Applying() && NativeChecked() != box_.Checked()) box_.Click();
    result = 0;
    return true;
}

SpeedButtonPeer::SpeedButtonPeer(Resources& resources, Application& app, SpeedButton& button)
    : Win32Peer(resources, app, button), button_(button) {
    // Owner drawn: a flat face with the caption under the glyph, as toolbars show.
    CreateChild(L"BUTTON", BS_OWNERDRAW);
    LoadGlyph();
}

namespace {
// The glyphs are drawn 32 pixels square at 96 DPI, and at each larger scale's own size.
constexpr int kGlyphSize = 32;
} // namespace

void SpeedButtonPeer::LoadGlyph() {
    // Reading the drawing is all a button that opens enabled needs.
    glyphSize_ = Scale().Pixels(kGlyphSize);
    picture_ = Res().BlendedPicture(button_.Glyph(), glyphSize_);
}

void SpeedButtonPeer::DrawGlyph(HDC dc, const RECT& area, bool disabled) {
    // Greyed out, and any glyph not read so (a strip of frames, up, disabled and down,
    // of which the first shows), go through a picture list, made when first needed.
    const AlphaPicture* picture = disabled ? nullptr : picture_;
    HIMAGELIST list = picture ? nullptr : Res().Picture(button_.Glyph(), glyphSize_);
    int cx = glyphSize_, cy = glyphSize_;
    if (list)
        ImageList_GetIconSize(list, &cx, &cy);
    else if (!picture)
        return;
    const int x = area.left + (area.right - area.left - cx) / 2;
    const int y = area.top + (area.bottom - area.top - cy) / 2;
    if (picture)
        picture->Draw(dc, x, y);
    else
        ImageList_DrawEx(list, 0, dc, x, y, 0, 0, CLR_NONE, CLR_NONE,
                         disabled ? ILD_BLEND50 : ILD_NORMAL);
}

void SpeedButtonPeer::ScaleChanged() {
    LoadGlyph();
    Win32Peer::ScaleChanged();
}

void SpeedButtonPeer::Apply(Change what, int index) {
    if (what != Change::Glyph) return Win32Peer::Apply(what, index);
    LoadGlyph();
    InvalidateRect(Handle(), nullptr, TRUE);
}

bool SpeedButtonPeer::OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    if (msg == WM_SETFOCUS) {
        // A toolbar button never keeps the focus: the list the user works in does.
        if (HWND previous = reinterpret_cast<HWND>(wp); previous && IsWindow(previous))
            SetFocus(previous);
        result = 0;
        return true;
    }
    if (msg == WM_MOUSEMOVE && !hot_) {
        hot_ = true;
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, Handle(), 0};
        TrackMouseEvent(&track);
        InvalidateRect(Handle(), nullptr, FALSE);
    } else if (msg == WM_MOUSELEAVE) {
        hot_ = false;
        InvalidateRect(Handle(), nullptr, FALSE);
    }
    return Win32Peer::OnMessage(msg, wp, lp, result);
}

bool SpeedButtonPeer::OnReflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    if (msg == WM_DRAWITEM) {
        Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp));
        result = TRUE;
        return true;
    }
    if (!IsClick(msg, wp)) return Win32Peer::OnReflected(msg, wp, lp, result);
    Object().Click();
    result = 0;
    return true;
}

void SpeedButtonPeer::Draw(const DRAWITEMSTRUCT& dis) {
    HDC dc = dis.hDC;
    RECT r = dis.rcItem;
    bool pressed = (dis.itemState & ODS_SELECTED) != 0;
    bool disabled = (dis.itemState & ODS_DISABLED) != 0;
    FillRect(dc, &r, ParentBrush());
    if (pressed)
        DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
    else if (hot_ || !button_.Flat)
        DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);
    int shift = pressed ? 1 : 0;

    SelectedObject font(dc, FontOf(button_.GetFont()));
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    const std::wstring& caption = button_.Caption();
    const int gap = Scale().Pixels(2);
    RECT text{r.left + gap, r.bottom - tm.tmHeight - 2 * gap, r.right - gap, r.bottom - 2 * gap};
    int glyphBottom = caption.empty() ? r.bottom : text.top;
    DrawGlyph(dc, {r.left + shift, r.top + shift, r.right + shift, glyphBottom + shift}, disabled);
    if (caption.empty()) return;
    OffsetRect(&text, shift, shift);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, disabled ? GetSysColor(COLOR_GRAYTEXT) : button_.GetFont().color);
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
}

} // namespace forms::win32
