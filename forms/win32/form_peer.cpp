#include "forms/application.h"

#include <functional>

#include "forms/win32/peers.h"

namespace forms::win32 {

namespace {

struct IdSearch {
    int id;
    HWND found;
};

BOOL CALLBACK MatchId(HWND hwnd, LPARAM lp) {
    auto* search = reinterpret_cast<IdSearch*>(lp);
    if (GetDlgCtrlID(hwnd) != search->id) return TRUE;
    search->found = hwnd;
    return FALSE;
}

// Every peer below a control, depth first.
void EachPeerBelow(Control& parent, const std::function<void(Win32Peer&)>& visit) {
    for (Control* child : parent.Children()) {
        if (auto* peer = dynamic_cast<Win32Peer*>(child->GetPeer())) visit(*peer);
        EachPeerBelow(*child, visit);
    }
}

} // namespace

FormPeer::FormPeer(Resources& resources, Form& form, HWND owner, int dpi)
    : Win32Peer(resources, form.App(), form), form_(form), scale_(dpi) {
    RECT r = scale_.ToPixels(form.Bounds());
    HWND hwnd = CreateWindowExW(ExStyle(form), kWindowClass, form.Caption().c_str(), Style(form),
                                r.left, r.top, r.right - r.left, r.bottom - r.top, owner, nullptr,
                                resources.Instance(), nullptr);
    if (!hwnd) ThrowLastError(form.Name().c_str());
    AttachOwnWindow(hwnd);
    // It may have opened on a screen of another scale than the one it was placed for:
    // it keeps its corner and takes its designed size at that screen's scale.
    const int own = WindowDpi(hwnd);
    if (own == scale_.Dpi()) return;
    RECT now{};
    GetWindowRect(hwnd, &now);
    const DisplayScale at(own);
    ChangeScale(own, {now.left, now.top, now.left + at.Pixels(form.Width()),
                      now.top + at.Pixels(form.Height())});
}

void FormPeer::ChangeScale(int dpi, const RECT& bounds) {
    scale_ = DisplayScale(dpi);
    HWND hwnd = Handle();
    SetWindowPos(hwnd, nullptr, bounds.left, bounds.top, bounds.right - bounds.left,
                 bounds.bottom - bounds.top, SWP_NOZORDER | SWP_NOACTIVATE);
    // A hidden window does not report its placement: the form learns it here.
    if (!IsWindowVisible(hwnd)) form_.BoundsChangedByUser(scale_.FromPixels(bounds));
    EachPeerBelow(form_, [](Win32Peer& peer) { peer.ScaleChanged(); });
    FitTextsBelow(form_);
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

DWORD FormPeer::Style(const Form& form) {
    DWORD style = WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    switch (form.GetBorderStyle()) {
    case BorderStyle::Dialog: return style;
    case BorderStyle::Sizeable: style |= WS_THICKFRAME; break;
    case BorderStyle::Single: break;
    }
    if (form.HasMaximizeBox) style |= WS_MAXIMIZEBOX;
    if (form.HasMinimizeBox) style |= WS_MINIMIZEBOX;
    return style;
}

DWORD FormPeer::ExStyle(const Form& form) {
    // Control parent: the dialog manager's Tab walks into panels and pages.
    DWORD ex = WS_EX_CONTROLPARENT;
    if (form.GetBorderStyle() == BorderStyle::Dialog) ex |= WS_EX_DLGMODALFRAME;
    return ex;
}

void FormPeer::ShowNative() {
    HWND hwnd = Handle();
    if (!IsWindowVisible(hwnd)) {
        switch (form_.GetWindowState()) {
        case WindowState::Maximized: ShowWindow(hwnd, SW_SHOWMAXIMIZED); break;
        // Shown minimised, a form keeps out of the way: it takes neither the activation
        // nor the focus.
        case WindowState::Minimized: ShowWindow(hwnd, SW_SHOWMINNOACTIVE); return;
        case WindowState::Normal: ShowWindow(hwnd, SW_SHOWNORMAL); break;
        }
    }
    HWND focus = GetFocus();
    if (focus != hwnd && IsChild(hwnd, focus)) return;
    if (HWND first = GetNextDlgTabItem(hwnd, nullptr, FALSE)) SetFocus(first);
}

void FormPeer::Apply(Change what, int index) {
    switch (what) {
    case Change::Bounds: ApplyFormBounds(); break;
    case Change::Visible:
        if (form_.Visible())
            ShowNative();
        else
            ShowWindow(Handle(), SW_HIDE);
        break;
    case Change::WindowState: ApplyWindowState(); break;
    case Change::Font:
    case Change::Hint: break;
    default: Win32Peer::Apply(what, index); break;
    }
}

void FormPeer::ApplyFormBounds() {
    HWND hwnd = Handle();
    RECT want = scale_.ToPixels(form_.Bounds());
    if (IsZoomed(hwnd) || IsIconic(hwnd)) {
        // Moving a maximised window would undo the maximising: the bounds become the
        // ones it restores to. Those are in work-area coordinates.
        WINDOWPLACEMENT wp{};
        wp.length = sizeof wp;
        GetWindowPlacement(hwnd, &wp);
        RECT work{};
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
        OffsetRect(&want, -work.left, -work.top);
        wp.rcNormalPosition = want;
        SetWindowPlacement(hwnd, &wp);
        return;
    }
    RECT now{};
    GetWindowRect(hwnd, &now);
    // Pixels the bounds were read from stay: scaled back, they may round a pixel off.
    if (EqualRect(&now, &want) || scale_.FromPixels(now) == form_.Bounds()) return;
    SetWindowPos(hwnd, nullptr, want.left, want.top, want.right - want.left, want.bottom - want.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormPeer::ApplyWindowState() {
    HWND hwnd = Handle();
    // A hidden form takes its state when shown.
    if (!IsWindowVisible(hwnd)) return;
    switch (form_.GetWindowState()) {
    case WindowState::Maximized:
        if (!IsZoomed(hwnd)) ShowWindow(hwnd, SW_MAXIMIZE);
        break;
    case WindowState::Minimized:
        if (!IsIconic(hwnd)) ShowWindow(hwnd, SW_MINIMIZE);
        break;
    case WindowState::Normal:
        if (IsZoomed(hwnd) || IsIconic(hwnd)) ShowWindow(hwnd, SW_RESTORE);
        break;
    }
}

void FormPeer::ReportPlacement() {
    HWND hwnd = Handle();
    // A hidden window has no placement the user made; reporting it would lose a
    // maximised state the program set for the next show.
    if (!IsWindowVisible(hwnd)) return;
    if (IsIconic(hwnd)) {
        form_.SetWindowState(WindowState::Minimized);
        return;
    }
    form_.SetWindowState(IsZoomed(hwnd) ? WindowState::Maximized : WindowState::Normal);
    RECT r{};
    GetWindowRect(hwnd, &r);
    // Idempotent: what the form already holds changes nothing, so no loop.
    form_.BoundsChangedByUser(scale_.FromPixels(r));
}

LRESULT FormPeer::DefaultButtonId() const {
    Control* found = FindControl(form_, [](Control& c) {
        auto* button = dynamic_cast<Button*>(&c);
        return button && button->Default && button->Visible() && button->Enabled() && c.GetPeer();
    });
    auto* window = found ? dynamic_cast<Window*>(found->GetPeer()) : nullptr;
    if (!window || !window->Handle()) return 0;
    return MAKELRESULT(GetDlgCtrlID(window->Handle()), DC_HASDEFID);
}

bool FormPeer::ClickById(int id) {
    IdSearch search{id, nullptr};
    EnumChildWindows(Handle(), &MatchId, reinterpret_cast<LPARAM>(&search));
    if (!search.found || !IsWindowEnabled(search.found) || !WindowOf(search.found)) return false;
    // Goes the way a click's notice goes, so the button handles it as its own.
    SendMessageW(Handle(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(search.found));
    return true;
}

void FormPeer::SetToolTip(HWND tool, const std::wstring& text) {
    SetHint({tool, 0}, {text, {}});
}

void FormPeer::SetToolTip(HWND window, UINT_PTR part, const RECT& place, const std::wstring& text) {
    SetHint({window, part}, {text, place});
}

void FormPeer::SetHint(const Tool& tool, const Hint& hint) {
    if (hint.text.empty())
        hints_.erase(tool);
    else
        hints_[tool] = hint;
    if (tooltip_) GiveToolTip(tool, hint);
}

void FormPeer::EnsureToolTips() {
    if (tooltip_ || hints_.empty()) return;
    tooltip_.Reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                   WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, Handle(), nullptr,
                                   Res().Instance(), nullptr));
    if (!tooltip_) return;
    for (auto it = hints_.begin(); it != hints_.end();) {
        // A window gone since its hint was set leaves its hint behind.
        if (!IsWindow(it->first.window)) {
            it = hints_.erase(it);
            continue;
        }
        GiveToolTip(it->first, it->second);
        ++it;
    }
}

void FormPeer::GiveToolTip(const Tool& tool, const Hint& hint) {
    TTTOOLINFOW ti{};
    ti.cbSize = TTTOOLINFOW_V2_SIZE; // understood by every version of the control
    ti.uFlags = TTF_SUBCLASS;
    if (tool.part == 0) {
        ti.uFlags |= TTF_IDISHWND;
        ti.hwnd = Handle();
        ti.uId = reinterpret_cast<UINT_PTR>(tool.window);
    } else {
        ti.hwnd = tool.window;
        ti.uId = tool.part;
        ti.rect = hint.place;
    }
    SendMessageW(tooltip_.Get(), TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
    if (hint.text.empty()) return;
    ti.lpszText = const_cast<wchar_t*>(hint.text.c_str());
    SendMessageW(tooltip_.Get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
}

bool FormPeer::OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    switch (msg) {
    case WM_CLOSE:
        // The form decides: a close query may refuse, a modal form ends its loop.
        form_.Close();
        result = 0;
        return true;
    case WM_HELP:
        if (form_.OnHelp) form_.OnHelp();
        result = TRUE;
        return true;
    case DM_GETDEFID: result = DefaultButtonId(); return true;
    case WM_COMMAND:
        // From the dialog manager (Enter on the default button): only an id is given.
        if (lp != 0 || !ClickById(LOWORD(wp))) return false;
        result = 0;
        return true;
    case WM_WINDOWPOSCHANGED:
        result = Default(msg, wp, lp);
        ReportPlacement();
        return true;
    case WM_DPICHANGED:
        // Moved to a screen of another scale: the system suggests where the window goes.
        ChangeScale(HIWORD(wp), *reinterpret_cast<const RECT*>(lp));
        result = 0;
        return true;
    case WM_ACTIVATE:
        if (LOWORD(wp) == WA_INACTIVE) {
            HWND focus = GetFocus();
            if (focus && IsChild(Handle(), focus)) lastFocus_ = focus;
            return false;
        }
        // Back to the control that had the focus, not to the window itself.
        if (!lastFocus_ || !IsChild(Handle(), lastFocus_)) return false;
        SetFocus(lastFocus_);
        result = 0;
        return true;
    default: return Win32Peer::OnMessage(msg, wp, lp, result);
    }
}

} // namespace forms::win32
