#pragma once
#include "forms/control.h"
#include "platform/window_handle.h"

namespace forms {

class Application;
class Form;
class Timer;

// What a form toolkit back end provides: native windows (or none), the message loop
// and timers.
class Backend {
public:
    virtual ~Backend() = default;

    virtual void ShowForm(Form& form) = 0;
    virtual void HideForm(Form& form) = 0;
    virtual void FormDestroyed(Form& form) = 0;
    // Handles what is queued now and returns; never waits.
    virtual void ProcessMessages(Application& app) = 0;
    // The pump of loops that call it once per item: as ProcessMessages, but a back end
    // whose queue is costly to look at may return without looking when it looked a
    // moment ago, as long as the queue is served every few tens of milliseconds.
    virtual void ProcessMessagesWhenDue(Application& app) { ProcessMessages(app); }
    // Runs until the application is terminated.
    virtual void RunLoop(Application& app) = 0;
    // Runs until the form's modal result is set and its close query passes.
    virtual void RunModal(Application& app, Form& form) = 0;
    virtual void TimerChanged(Timer& timer) = 0;
    virtual void TimerDestroyed(Timer& timer) = 0;
    // Outer size minus client size for a form with this border.
    virtual Rect FrameSize(const Form& form) = 0;
    // The primary monitor's work area in screen pixels.
    virtual Rect WorkArea() = 0;
    // Pixels per inch of the screen, the scale windows open at. Form bounds are in
    // design units, 96 per inch; the system's own screen coordinates are in pixels.
    virtual int Dpi() const = 0;
    // Pixels per inch of the form's window, which changes when it moves to a screen of
    // another scale; before the window is made, of the screen it is to open on.
    virtual int FormDpi(const Form&) const { return Dpi(); }
    // The form's outer bounds in screen pixels, at its window's scale.
    Rect ScreenBounds(const Form& form) const;
    // Places the form at bounds in screen pixels: it takes the scale of the screen there.
    virtual void SetScreenBounds(Form& form, const Rect& pixels);
    // The form's native window, for the system's own windows that take an owner.
    virtual platform::WindowHandle NativeWindow(Form& form) = 0;
};

// Design units to the screen's pixels at `dpi` and back: each of the four numbers scaled
// and rounded to the nearest, halves away from zero, as the system's MulDiv rounds.
Rect ToScreenPixels(const Rect& r, int dpi);
Rect FromScreenPixels(const Rect& r, int dpi);

} // namespace forms
