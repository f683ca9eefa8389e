#include "forms/win32/win32_backend.h"

#include <algorithm>
#include <map>

#include "forms/application.h"
#include "forms/timer.h"
#include "forms/win32/peers.h"

namespace forms {

namespace win32 {

// Timers tick on a hidden message-only window: one id per timer, never reused, so a
// tick left over from a destroyed timer finds nothing.
class TimerWindow : public Window {
public:
    explicit TimerWindow(HINSTANCE instance) {
        HWND hwnd = CreateWindowExW(0, kWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                    instance, nullptr);
        if (!hwnd) ThrowLastError(L"Timer window");
        Attach(hwnd);
    }

    void Changed(Timer& timer) {
        UINT_PTR id = IdOf(timer);
        // An interval of 0 never ticks, as a zero-interval timer does nothing.
        if (timer.Enabled() && timer.Interval() > 0)
            SetTimer(Handle(), id, timer.Interval(), nullptr);
        else
            KillTimer(Handle(), id);
    }

    void Destroyed(Timer& timer) {
        auto it = ids_.find(&timer);
        if (it == ids_.end()) return;
        KillTimer(Handle(), it->second);
        timers_.erase(it->second);
        ids_.erase(it);
    }

protected:
    bool OnMessage(UINT msg, WPARAM wp, LPARAM, LRESULT& result) override {
        if (msg != WM_TIMER) return false;
        auto it = timers_.find(static_cast<UINT_PTR>(wp));
        if (it != timers_.end()) it->second->Fire(); // Fire guards its handler
        result = 0;
        return true;
    }

private:
    UINT_PTR IdOf(Timer& timer) {
        auto [it, added] = ids_.try_emplace(&timer, next_);
        if (added) timers_[next_++] = &timer;
        return it->second;
    }

    std::map<Timer*, UINT_PTR> ids_;
    std::map<UINT_PTR, Timer*> timers_;
    UINT_PTR next_ = 1;
};

// The peer of a hidden control whose window is not made yet.
class DeferredPeer : public Peer {
public:
    DeferredPeer(Win32Backend& backend, Control& control) : backend_(backend), control_(control) {}

    void Changed(Change what, int) override {
        // Replaces this peer: nothing of it may be used after.
        if (what == Change::Visible && control_.Visible()) backend_.Realize(control_, false);
    }

private:
    Win32Backend& backend_;
    Control& control_;
};

namespace {

bool Deferred(const Control& control) {
    return dynamic_cast<const DeferredPeer*>(control.GetPeer()) != nullptr;
}

// The window a control's window comes after among its siblings: the one of the nearest
// control before it that has one (backdrop pictures lie under all and do not count).
HWND WindowBefore(Control& control) {
    HWND after = HWND_TOP;
    for (Control* sibling : control.Parent()->Children()) {
        if (sibling == &control) break;
        auto* peer = dynamic_cast<Win32Peer*>(sibling->GetPeer());
        if (peer && peer->Handle() && !dynamic_cast<ImagePeer*>(peer)) after = peer->Handle();
    }
    return after;
}

} // namespace

} // namespace win32

namespace {

// Re-enables the forms a modal loop disabled, also when the loop ends by exception.
class DisabledForms {
public:
    explicit DisabledForms(std::vector<HWND> windows) : windows_(std::move(windows)) {}
    ~DisabledForms() { Restore(); }
    DisabledForms(const DisabledForms&) = delete;
    DisabledForms& operator=(const DisabledForms&) = delete;
    void Restore() {
        for (HWND hwnd : windows_)
            EnableWindow(hwnd, TRUE);
        windows_.clear();
    }

private:
    std::vector<HWND> windows_;
};

win32::FormPeer* PeerOf(const Form& form) {
    return dynamic_cast<win32::FormPeer*>(form.GetPeer());
}

} // namespace

Win32Backend::Win32Backend()
    : resources_(std::make_unique<win32::Resources>()),
      timers_(std::make_unique<win32::TimerWindow>(resources_->Instance())) {}

Win32Backend::~Win32Backend() = default;

int Win32Backend::Dpi() const {
    return win32::SystemDpi();
}

int Win32Backend::FormDpi(const Form& form) const {
    if (const win32::FormPeer* peer = PeerOf(form)) return peer->Scale().Dpi();
    auto it = openDpi_.find(&form);
    if (it != openDpi_.end()) return it->second;
    // A form owned by the main one opens over it, so on its screen.
    const Form* main = form.App().MainForm();
    if (main && main != &form) return FormDpi(*main);
    return Dpi();
}

void Win32Backend::SetScreenBounds(Form& form, const Rect& pixels) {
    if (!PeerOf(form)) {
        const RECT r{pixels.left, pixels.top, pixels.left + pixels.width,
                     pixels.top + pixels.height};
        openDpi_[&form] = win32::MonitorDpi(r);
    }
    Backend::SetScreenBounds(form, pixels);
}

platform::WindowHandle Win32Backend::NativeWindow(Form& form) {
    return HandleOf(form);
}

win32::FormPeer& Win32Backend::EnsurePeers(Form& form) {
    win32::FormPeer* peer = PeerOf(form);
    if (!peer) {
        // Other forms are owned by the main one: they stay above it and leave with it.
        HWND owner = nullptr;
        Form* main = form.App().MainForm();
        if (main && main != &form) owner = EnsurePeers(*main).Handle();
        auto created = std::make_unique<win32::FormPeer>(*resources_, form, owner, FormDpi(form));
        peer = created.get();
        form.SetPeer(std::move(created));
        if (std::find(forms_.begin(), forms_.end(), &form) == forms_.end()) forms_.push_back(&form);
    }
    std::vector<Control*> created;
    CreatePeers(form, created, false);
    Connect(created);
    if (!created.empty()) win32::FitTextsBelow(form);
    return *peer;
}

void Win32Backend::CreatePeers(Control& parent, std::vector<Control*>& created, bool hiddenToo) {
    for (Control* child : parent.Children()) {
        const bool deferred = win32::Deferred(*child);
        if (!child->GetPeer() || (deferred && hiddenToo)) {
            if (!child->Visible() && !hiddenToo) {
                child->SetPeer(std::make_unique<win32::DeferredPeer>(*this, *child));
                continue;
            }
            child->SetPeer(win32::CreatePeer(*resources_, parent.OwnerForm()->App(), *child));
            created.push_back(child);
        } else if (deferred) {
            continue;
        }
        CreatePeers(*child, created, hiddenToo);
    }
}

void Win32Backend::Realize(Control& control, bool hiddenToo) {
    Control& parent = *control.Parent();
    control.SetPeer(win32::CreatePeer(*resources_, parent.OwnerForm()->App(), control));
    if (auto* window = dynamic_cast<win32::Win32Peer*>(control.GetPeer()))
        SetWindowPos(window->Handle(), win32::WindowBefore(control), 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    std::vector<Control*> created{&control};
    CreatePeers(control, created, hiddenToo);
    Connect(created);
    win32::FitTextsBelow(parent);
}

void Win32Backend::Connect(const std::vector<Control*>& created) {
    for (Control* c : created)
        if (auto* window = dynamic_cast<win32::Win32Peer*>(c->GetPeer())) window->Connected();
}

HWND Win32Backend::HandleOf(Control& control) {
    Form* form = control.OwnerForm();
    if (!form) return nullptr;
    EnsurePeers(*form);
    // Asked for, a hidden control's window is made now, with everything inside the
    // outermost hidden control around it.
    Control* outermost = nullptr;
    for (Control* c = &control; c != form; c = c->Parent())
        if (win32::Deferred(*c)) outermost = c;
    if (outermost) Realize(*outermost, true);
    auto* window = dynamic_cast<win32::Window*>(control.GetPeer());
    return window ? window->Handle() : nullptr;
}

void Win32Backend::ShowForm(Form& form) {
    EnsurePeers(form).ShowNative();
}

void Win32Backend::HideForm(Form& form) {
    if (auto* peer = PeerOf(form)) ShowWindow(peer->Handle(), SW_HIDE);
}

void Win32Backend::FormDestroyed(Form& form) {
    forms_.erase(std::remove(forms_.begin(), forms_.end(), &form), forms_.end());
    openDpi_.erase(&form);
}

void Win32Backend::Dispatch(MSG& msg) {
    // Keys go through the dialog manager of their form: Tab, arrows, Enter for the
    // default button.
    if (msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST) {
        HWND root = GetAncestor(msg.hwnd, GA_ROOT);
        if (root && dynamic_cast<win32::FormPeer*>(win32::WindowOf(root)) &&
            IsDialogMessageW(root, &msg))
            return;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

namespace {
// Often enough for input and painting to feel immediate, and for a stop to come at once.
constexpr DWORD kPumpIntervalMs = 20;
} // namespace

void Win32Backend::ProcessMessagesWhenDue(Application& app) {
    // Looking at the queue is a round trip to the window server on some systems, tens
    // of microseconds, more than a loop's item costs; the tick count is read from memory.
    if (GetTickCount() - lastPump_ < kPumpIntervalMs) return;
    ProcessMessages(app);
}

void Win32Backend::ProcessMessages(Application& app) {
    lastPump_ = GetTickCount();
    // An empty queue costs one check.
    if (HIWORD(GetQueueStatus(QS_ALLINPUT)) == 0) return;
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            app.Terminate();
            return;
        }
        Dispatch(msg);
    }
}

void Win32Backend::RunLoop(Application& app) {
    while (!app.Terminated()) {
        MSG msg;
        if (GetMessageW(&msg, nullptr, 0, 0) <= 0) {
            app.Terminate();
            break;
        }
        Dispatch(msg);
    }
}

std::vector<HWND> Win32Backend::DisableOtherForms(const Form& modal) {
    std::vector<HWND> disabled;
    for (Form* form : forms_) {
        auto* peer = PeerOf(*form);
        if (form == &modal || !peer) continue;
        HWND hwnd = peer->Handle();
        if (IsWindowVisible(hwnd) && IsWindowEnabled(hwnd)) {
            EnableWindow(hwnd, FALSE);
            disabled.push_back(hwnd);
        }
    }
    return disabled;
}

void Win32Backend::RunModal(Application& app, Form& form) {
    HWND hwnd = EnsurePeers(form).Handle();
    DisabledForms disabled(DisableOtherForms(form));
    for (;;) {
        if (form.ModalResult() != mr::None) {
            if (form.CloseQueryPassed()) break;
            form.SetModalResult(mr::None);
        }
        if (app.Terminated()) {
            form.SetModalResult(mr::Cancel);
            break;
        }
        MSG msg;
        BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got <= 0) {
            // The quit is for the main loop too: put back, and this loop ends.
            if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));
            app.Terminate();
            continue;
        }
        Dispatch(msg);
    }
    // Enabled before hiding, so Windows activates the owner and not another program.
    disabled.Restore();
    ShowWindow(hwnd, SW_HIDE);
}

void Win32Backend::TimerChanged(Timer& timer) {
    timers_->Changed(timer);
}

void Win32Backend::TimerDestroyed(Timer& timer) {
    timers_->Destroyed(timer);
}

Rect Win32Backend::FrameSize(const Form& form) {
    // From the styles, not the window: the same before and after the window exists.
    const win32::DisplayScale scale(FormDpi(form));
    const SIZE frame =
        win32::FrameFor(win32::FormPeer::Style(form), win32::FormPeer::ExStyle(form), scale.Dpi());
    return {0, 0, scale.Units(frame.cx), scale.Units(frame.cy)};
}

Rect Win32Backend::WorkArea() {
    RECT r{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
    return win32::DisplayScale(Dpi()).FromPixels(r);
}

} // namespace forms
