// Peers that show or take text and numbers: labels, edits, up-downs, progress bars,
// the line holder and the status bar.
#include "forms/win32/peers.h"

namespace forms::win32 {

LabelPeer::LabelPeer(Resources& resources, Application& app, Label& label)
    : Win32Peer(resources, app, label), label_(label) {
    // Notify: clicks on a label are reported (labels may act as links).
    CreateChild(L"STATIC", SS_NOTIFY | (label.Centered ? SS_CENTER : SS_LEFTNOWORDWRAP));
}

void LabelPeer::SetWrapped(bool on) {
    if (label_.Centered) return; // a centred label wraps already
    LONG_PTR style = GetWindowLongPtrW(Handle(), GWL_STYLE) & ~static_cast<LONG_PTR>(SS_TYPEMASK);
    SetWindowLongPtrW(Handle(), GWL_STYLE, style | (on ? SS_LEFT : SS_LEFTNOWORDWRAP));
    InvalidateRect(Handle(), nullptr, TRUE);
}

bool LabelPeer::OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    if (msg == WM_SETCURSOR && label_.HandCursor) {
        PointerOver(wp);
        return SetHandCursor(lp, result);
    }
    return Win32Peer::OnMessage(msg, wp, lp, result);
}

bool LabelPeer::OnReflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    if (msg != WM_COMMAND) return Win32Peer::OnReflected(msg, wp, lp, result);
    if (HIWORD(wp) == STN_CLICKED)
        label_.Click();
    else if (HIWORD(wp) == STN_DBLCLK)
        label_.DblClick();
    else
        return false;
    result = 0;
    return true;
}

EditPeer::EditPeer(Resources& resources, Application& app, Edit& edit)
    : Win32Peer(resources, app, edit), edit_(edit) {
    CreateChild(L"EDIT", WS_TABSTOP | ES_AUTOHSCROLL | (edit.NumbersOnly ? ES_NUMBER : 0),
                WS_EX_CLIENTEDGE);
}

void EditPeer::Apply(Change what, int index) {
    if (what == Change::Text || what == Change::Caption)
        ApplyText(edit_.Text());
    else
        Win32Peer::Apply(what, index);
}

bool EditPeer::OnReflected(UINT msg, WPARAM wp, LPARAM, LRESULT& result) {
    // Colours stay the edit's own (white field), not the see-through look of labels.
    if (msg != WM_COMMAND || HIWORD(wp) != EN_CHANGE) return false;
    result = 0;
    if (Applying()) return true;
    edit_.SetText(WindowText());
    Form* form = edit_.OwnerForm();
    Control* upDown = form ? FindControl(*form,
                                         [this](Control& c) {
                                             auto* u = dynamic_cast<UpDown*>(&c);
                                             return u && u->Associate() == &edit_;
                                         })
                           : nullptr;
    if (upDown) static_cast<UpDown*>(upDown)->BuddyEdited();
    return true;
}

UpDownPeer::UpDownPeer(Resources& resources, Application& app, UpDown& upDown)
    : Win32Peer(resources, app, upDown), upDown_(upDown) {
    // No buddy-int style: the control writes the buddy's text itself, and the arrows
    // must not rewrite what the user is typing.
    CreateChild(UPDOWN_CLASSW, UDS_ARROWKEYS | UDS_NOTHOUSANDS);
    ApplyPosition();
}

void UpDownPeer::ApplyPosition() {
    SendMessageW(Handle(), UDM_SETRANGE32, static_cast<WPARAM>(upDown_.Min()),
                 static_cast<LPARAM>(upDown_.Max()));
    SendMessageW(Handle(), UDM_SETPOS32, 0, static_cast<LPARAM>(upDown_.Position()));
}

void UpDownPeer::Connected() {
    Edit* buddy = upDown_.Associate();
    auto* window = buddy ? dynamic_cast<Window*>(buddy->GetPeer()) : nullptr;
    HWND hwnd = window ? window->Handle() : nullptr;
    if (reinterpret_cast<HWND>(SendMessageW(Handle(), UDM_GETBUDDY, 0, 0)) != hwnd)
        SendMessageW(Handle(), UDM_SETBUDDY, reinterpret_cast<WPARAM>(hwnd), 0);
}

void UpDownPeer::Apply(Change what, int index) {
    if (what != Change::Position) return Win32Peer::Apply(what, index);
    ApplyPosition();
    Connected(); // the position also changes when the buddy is set
}

bool UpDownPeer::OnReflected(UINT msg, WPARAM wp, LPARAM, LRESULT& result) {
    if (msg != WM_VSCROLL && msg != WM_HSCROLL) return false;
    result = 0;
    if (LOWORD(wp) == SB_THUMBPOSITION && !Applying())
        upDown_.SetPosition(static_cast<int>(SendMessageW(Handle(), UDM_GETPOS32, 0, 0)));
    return true;
}

namespace {
// Showing a change repaints the control at once, which costs milliseconds; a walk makes
// one per file. Changes within this long of the last one shown wait for a timer.
constexpr DWORD kMinInterval = 250;
constexpr UINT_PTR kFlushTimer = 1;
// Apart from the ids the bar may use for its own animation.
constexpr UINT_PTR kPositionTimer = 0x5042;
} // namespace

ProgressBarPeer::ProgressBarPeer(Resources& resources, Application& app, ProgressBar& bar)
    : Win32Peer(resources, app, bar), bar_(bar), throttle_(kPositionTimer, kMinInterval) {
    CreateChild(PROGRESS_CLASSW, 0);
    ShowPosition();
}

void ProgressBarPeer::ShowPosition() {
    throttle_.Disarm(Handle());
    SendMessageW(Handle(), PBM_SETRANGE32, 0, static_cast<LPARAM>(bar_.Max()));
    SendMessageW(Handle(), PBM_SETPOS, static_cast<WPARAM>(bar_.Position()), 0);
    throttle_.Shown();
}

void ProgressBarPeer::Apply(Change what, int index) {
    if (what == Change::Visible && throttle_.Armed()) ShowPosition(); // shown as it stands
    if (what != Change::Position) return Win32Peer::Apply(what, index);
    if (throttle_.ShowNow(Handle())) ShowPosition();
}

bool ProgressBarPeer::OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    if (!throttle_.TimerAnswered(msg, wp, result)) return Win32Peer::OnMessage(msg, wp, lp, result);
    ShowPosition();
    return true;
}

RichEditPeer::RichEditPeer(Resources& resources, Application& app, RichEdit& edit)
    : Win32Peer(resources, app, edit), edit_(edit) {
    CreateChild(L"EDIT", ES_MULTILINE | ES_AUTOVSCROLL | ES_READONLY | WS_VSCROLL,
                WS_EX_CLIENTEDGE);
    ApplyLines();
}

void RichEditPeer::ApplyLines() {
    linesPending_ = !edit_.Visible();
    if (linesPending_) return;
    std::wstring text;
    for (const auto& line : edit_.Lines()) {
        if (!text.empty()) text += L"\r\n";
        text += line;
    }
    ApplyText(text);
}

void RichEditPeer::Apply(Change what, int index) {
    if (what == Change::Visible && linesPending_) ApplyLines(); // before it shows
    if (what == Change::Text)
        ApplyLines();
    else if (what != Change::Caption) // the lines are its text, not a caption
        Win32Peer::Apply(what, index);
}

StatusBarPeer::StatusBarPeer(Resources& resources, Application& app, StatusBar& bar)
    : Win32Peer(resources, app, bar), bar_(bar), throttle_(kFlushTimer, kMinInterval) {
    Form* form = bar.OwnerForm();
    bool grip = form && form->GetBorderStyle() == BorderStyle::Sizeable;
    // Placed by the control's bounds like any other, not by the bar's own rule.
    CreateChild(STATUSCLASSNAMEW,
                CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER | (grip ? SBARS_SIZEGRIP : 0));
    ApplyPanels();
}

void StatusBarPeer::ApplyPanels() {
    HWND hwnd = Handle();
    int count = bar_.PanelCount();
    if (count == 0) {
        SendMessageW(hwnd, SB_SIMPLE, TRUE, 0);
        SendMessageW(hwnd, SB_SETTEXTW, SB_SIMPLEID,
                     reinterpret_cast<LPARAM>(bar_.Caption().c_str()));
        return;
    }
    SendMessageW(hwnd, SB_SIMPLE, FALSE, 0);
    std::vector<int> edges(static_cast<size_t>(count));
    int right = 0;
    for (int i = 0; i < count; ++i) {
        right += Scale().Pixels(bar_.Panel(i).width);
        edges[static_cast<size_t>(i)] = right;
    }
    edges.back() = -1; // the last panel takes what is left
    SendMessageW(hwnd, SB_SETPARTS, static_cast<WPARAM>(count),
                 reinterpret_cast<LPARAM>(edges.data()));
    for (int i = 0; i < count; ++i)
        SendMessageW(hwnd, SB_SETTEXTW, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(bar_.Panel(i).text.c_str()));
}

void StatusBarPeer::ShowPanelText(int index) {
    SendMessageW(Handle(), SB_SETTEXTW, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(bar_.Panel(index).text.c_str()));
}

void StatusBarPeer::FlushPending() {
    throttle_.Disarm(Handle());
    for (size_t i = 0; i < pending_.size(); ++i) {
        if (!pending_[i]) continue;
        pending_[i] = false;
        if (static_cast<int>(i) < bar_.PanelCount()) ShowPanelText(static_cast<int>(i));
    }
    throttle_.Shown();
}

void StatusBarPeer::Apply(Change what, int index) {
    switch (what) {
    case Change::Panels:
    case Change::Caption: ApplyPanels(); break;
    case Change::Text:
        if (index < 0 || index >= bar_.PanelCount()) break;
        if (pending_.size() < static_cast<size_t>(bar_.PanelCount()))
            pending_.resize(static_cast<size_t>(bar_.PanelCount()));
        pending_[static_cast<size_t>(index)] = true;
        if (throttle_.ShowNow(Handle())) FlushPending();
        break;
    case Change::Refresh: FlushPending(); UpdateWindow(Handle()); break;
    default: Win32Peer::Apply(what, index); break;
    }
}

void StatusBarPeer::ScaleChanged() {
    Win32Peer::ScaleChanged();
    ApplyingScope applying(*this);
    ApplyPanels(); // the panels' edges are design units too
}

bool StatusBarPeer::OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    if (!throttle_.TimerAnswered(msg, wp, result)) return Win32Peer::OnMessage(msg, wp, lp, result);
    FlushPending();
    return true;
}

} // namespace forms::win32
