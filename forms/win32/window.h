#pragma once
#include <windows.h>

#include "forms/win32/handles.h"

namespace forms {
class Application;
}

namespace forms::win32 {

// A window the back end created and handles. Every such window, of our own class or
// a common control, is subclassed with the one procedure below, which hands the
// window's own messages to OnMessage and reflects the notifications a parent gets
// about a child (commands, notifies, owner drawing, colours, scrolling) to the
// child's object, so each control kind handles its own.
class Window;

// Our object behind a window, or null for a window we did not create.
Window* WindowOf(HWND hwnd);

class Window {
public:
    Window() = default;
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND Handle() const { return hwnd_.Get(); }

protected:
    // Takes ownership of a freshly created window and routes its messages here.
    void Attach(HWND hwnd);
    // True when handled; result is then what the window procedure returns.
    virtual bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
    // A notification the parent got about this window.
    virtual bool OnReflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
    // Where an exception from a handler goes; null drops it.
    virtual Application* App() const { return nullptr; }
    // The default handling, for a handler that works after it.
    LRESULT Default(UINT msg, WPARAM wp, LPARAM lp);

private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id,
                                      DWORD_PTR data);
    bool Route(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
    void Detach();
    friend Window* WindowOf(HWND hwnd);

    UniqueWindow hwnd_;
};

} // namespace forms::win32
