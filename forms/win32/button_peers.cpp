// Push buttons, check boxes and the flat toolbar buttons.
#include "forms/win32/peers.h"

#include <windowsx.h>

#include <stdexcept>

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

namespace {

// The glyphs are drawn 32 pixels square at 96 DPI, and at each larger scale's own size.
constexpr int kGlyphSize = 32;

ContainerPeer& HostOf(SpeedButton& button) {
    Control* parent = button.Parent();
    auto* host = parent ? dynamic_cast<ContainerPeer*>(parent->GetPeer()) : nullptr;
    if (!host) throw std::logic_error("a toolbar button lies on a panel or a page");
    return *host;
}

FormPeer* FormPeerOf(Control& control) {
    Form* form = control.OwnerForm();
    return form ? dynamic_cast<FormPeer*>(form->GetPeer()) : nullptr;
}

} // namespace

SpeedButtonPeer::SpeedButtonPeer(Resources& resources, Application&, SpeedButton& button)
    : resources_(resources), button_(button), host_(HostOf(button)), part_(resources.NextId()) {
    LoadGlyph();
    Redraw();
}

SpeedButtonPeer::~SpeedButtonPeer() {
    host_.Buttons().Forget(*this);
    host_.Buttons().Invalidate(shownArea_, true);
    if (FormPeer* form = FormPeerOf(button_)) form->SetToolTip(host_.Handle(), part_, {}, {});
}

const DisplayScale& SpeedButtonPeer::Scale() const {
    return host_.Scale();
}

void SpeedButtonPeer::LoadGlyph() {
    // Reading the drawing is all a button that opens enabled needs.
    glyphSize_ = Scale().Pixels(kGlyphSize);
    picture_ = resources_.BlendedPicture(button_.Glyph(), glyphSize_);
}

RECT SpeedButtonPeer::Area() const {
    return fitted_.For(button_.Bounds(), Scale());
}

FitItem SpeedButtonPeer::DesignedFit() const {
    // Its caption is drawn to its width: only its place counts among the others'.
    FitItem item;
    item.bounds = Scale().ToPixels(button_.Bounds());
    return item;
}

void SpeedButtonPeer::TakeFit(const FitItem& item) {
    fitted_.Take(button_.Bounds(), Scale(), item.bounds);
    Redraw();
}

void SpeedButtonPeer::Redraw() {
    const RECT now = button_.Visible() ? Area() : RECT{};
    if (EqualRect(&now, &shownArea_)) {
        host_.Buttons().Invalidate(now, false);
        return;
    }
    host_.Buttons().Invalidate(shownArea_, true);
    host_.Buttons().Invalidate(now, true);
    shownArea_ = now;
    ApplyHint();
}

void SpeedButtonPeer::ApplyHint() const {
    FormPeer* form = FormPeerOf(button_);
    if (!form) return;
    const bool shows = button_.Visible() && button_.ShowHint();
    form->SetToolTip(host_.Handle(), part_, shownArea_, shows ? button_.Hint() : std::wstring());
}

void SpeedButtonPeer::PointerOver() const {
    if (!TakesPointer() || !button_.ShowHint() || button_.Hint().empty()) return;
    if (FormPeer* form = FormPeerOf(button_)) form->EnsureToolTips();
}

void SpeedButtonPeer::ScaleChanged() {
    LoadGlyph();
    Redraw();
}

void SpeedButtonPeer::Changed(Change what, int) {
    switch (what) {
    case Change::Glyph: LoadGlyph(); break;
    case Change::Hint: ApplyHint(); return;
    default: break;
    }
    Redraw();
}

void SpeedButtonPeer::DrawGlyph(HDC dc, const RECT& area, bool disabled) const {
    // Greyed out, and any glyph not read so (a strip of frames, up, disabled and down,
    // of which the first shows), go through a picture list, made when first needed.
    const AlphaPicture* picture = disabled ? nullptr : picture_;
    HIMAGELIST list = picture ? nullptr : resources_.Picture(button_.Glyph(), glyphSize_);
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

void SpeedButtonPeer::Draw(HDC dc, bool hot, bool pressed) const {
    RECT r = Area();
    const bool disabled = !button_.Enabled();
    FillRect(dc, &r, resources_.BrushFor(EffectiveColor(*button_.Parent())));
    if (pressed)
        DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
    else if ((hot && !disabled) || !button_.Flat)
        DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);
    int shift = pressed ? 1 : 0;

    SelectedObject font(dc, resources_.FontFor(button_.GetFont(), Scale().Dpi()));
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

std::vector<SpeedButtonPeer*> DrawnButtons::Buttons() const {
    std::vector<SpeedButtonPeer*> buttons;
    for (Control* child : host_.Object().Children())
        if (auto* button = dynamic_cast<SpeedButtonPeer*>(child->GetPeer())) buttons.push_back(button);
    return buttons;
}

void DrawnButtons::Paint(HDC dc, const RECT& dirty) const {
    for (const SpeedButtonPeer* button : Buttons()) {
        RECT area = button->Area(), overlap{};
        if (!button->Shown() || !IntersectRect(&overlap, &area, &dirty)) continue;
        button->Draw(dc, button == hot_, button == pressed_ && pressedInside_);
    }
}

void DrawnButtons::Invalidate(const RECT& area, bool erase) const {
    if (host_.Handle() && !IsRectEmpty(&area)) InvalidateRect(host_.Handle(), &area, erase);
}

void DrawnButtons::Redraw(const SpeedButtonPeer* button) const {
    if (button) Invalidate(button->Area(), false);
}

SpeedButtonPeer* DrawnButtons::ShownAt(LPARAM lp) const {
    const POINT at{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    // The last drawn lies on top.
    const std::vector<SpeedButtonPeer*> buttons = Buttons();
    for (auto it = buttons.rbegin(); it != buttons.rend(); ++it) {
        RECT area = (*it)->Area();
        if ((*it)->Shown() && PtInRect(&area, at)) return *it;
    }
    return nullptr;
}

SpeedButtonPeer* DrawnButtons::ButtonAt(LPARAM lp) const {
    SpeedButtonPeer* button = ShownAt(lp);
    return button && button->TakesPointer() ? button : nullptr;
}

void DrawnButtons::SetHot(SpeedButtonPeer* button) {
    if (button == hot_) return;
    Redraw(hot_);
    hot_ = button;
    Redraw(hot_);
    if (!hot_) return;
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, host_.Handle(), 0};
    TrackMouseEvent(&track);
}

bool DrawnButtons::OnPointer(UINT msg, LPARAM lp) {
    switch (msg) {
    case WM_MOUSEMOVE:
        if (pressed_) {
            const bool inside = ButtonAt(lp) == pressed_;
            if (inside != pressedInside_) Redraw(pressed_);
            pressedInside_ = inside;
            return false;
        }
        SetHot(ButtonAt(lp));
        return false;
    case WM_MOUSELEAVE: SetHot(nullptr); return false;
    // What lands on a button, even a disabled one, is not the window's own press.
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: // a second press comes so to a window that takes double clicks
        pressed_ = ButtonAt(lp);
        if (!pressed_) return ShownAt(lp) != nullptr;
        pressedInside_ = true;
        SetCapture(host_.Handle());
        Redraw(pressed_);
        return true;
    case WM_LBUTTONUP: {
        if (!pressed_) return ShownAt(lp) != nullptr;
        SpeedButtonPeer* released = pressed_;
        const bool click = ButtonAt(lp) == released;
        pressed_ = nullptr;
        ReleaseCapture();
        Redraw(released);
        if (click) released->Object().Click();
        return true;
    }
    case WM_CAPTURECHANGED:
        // Taken by another window (a menu, a box): the press is abandoned.
        if (pressed_ && reinterpret_cast<HWND>(lp) != host_.Handle()) {
            Redraw(pressed_);
            pressed_ = nullptr;
        }
        return false;
    default: return false;
    }
}

void DrawnButtons::PointerOver() const {
    for (const SpeedButtonPeer* button : Buttons())
        button->PointerOver();
}

void DrawnButtons::ScaleChanged() const {
    for (SpeedButtonPeer* button : Buttons())
        button->ScaleChanged();
}

void DrawnButtons::Forget(const SpeedButtonPeer& button) {
    if (hot_ == &button) hot_ = nullptr;
    if (pressed_ != &button) return;
    pressed_ = nullptr;
    if (GetCapture() == host_.Handle()) ReleaseCapture();
}

} // namespace forms::win32
