#pragma once
#include <windows.h>

#include <map>
#include <memory>
#include <vector>

#include "forms/backend.h"

namespace forms {

namespace win32 {
class DeferredPeer;
class FormPeer;
class Resources;
class TimerWindow;
} // namespace win32

// Forms as native windows. A form's windows are made the first time it is shown (or
// its handle is asked for); from then on every control has a peer that mirrors it. A
// hidden control's window, and those of the controls inside it, wait until it is first
// shown or its handle is asked for: most hidden controls never show, and each window
// costs the opening of its form a millisecond or more.
// The back end must outlive the forms and timers that use it.
class Win32Backend : public Backend {
public:
    Win32Backend();
    ~Win32Backend() override;
    Win32Backend(const Win32Backend&) = delete;
    Win32Backend& operator=(const Win32Backend&) = delete;

    void ShowForm(Form& form) override;
    void HideForm(Form& form) override;
    void FormDestroyed(Form& form) override;
    void ProcessMessages(Application& app) override;
    void ProcessMessagesWhenDue(Application& app) override;
    void RunLoop(Application& app) override;
    void RunModal(Application& app, Form& form) override;
    void TimerChanged(Timer& timer) override;
    void TimerDestroyed(Timer& timer) override;
    Rect FrameSize(const Form& form) override;
    Rect WorkArea() override;
    // Pixels per inch of the system, the scale of a window with nothing else to go by.
    int Dpi() const override;
    int FormDpi(const Form& form) const override;
    void SetScreenBounds(Form& form, const Rect& pixels) override;
    platform::WindowHandle NativeWindow(Form& form) override;

    // The native window of a control, its form's windows made (hidden) if need be.
    HWND HandleOf(Control& control);

private:
    friend class win32::DeferredPeer;

    win32::FormPeer& EnsurePeers(Form& form);
    // Peers for the controls below parent that have none, or only a stand-in when
    // hiddenToo; a hidden one gets a stand-in, and the controls inside it nothing yet.
    void CreatePeers(Control& parent, std::vector<Control*>& created, bool hiddenToo);
    // Makes the windows of a control that has a stand-in, and of those inside it, in
    // their place among its siblings' windows.
    void Realize(Control& control, bool hiddenToo);
    void Connect(const std::vector<Control*>& created);
    void Dispatch(MSG& msg);
    // Disables the other shown forms for a modal one; returns those it disabled.
    std::vector<HWND> DisableOtherForms(const Form& modal);

    std::unique_ptr<win32::Resources> resources_;
    std::unique_ptr<win32::TimerWindow> timers_;
    std::vector<Form*> forms_;
    // The scale each form placed in screen pixels is to open at, until its window is made.
    std::map<const Form*, int> openDpi_;
    DWORD lastPump_ = 0; // tick count of the last look at the queue
};

} // namespace forms
