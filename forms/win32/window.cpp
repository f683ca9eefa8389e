#include "forms/win32/window.h"

#include <commctrl.h>

#include "forms/application.h"

namespace forms::win32 {

namespace {

constexpr UINT_PTR kSubclassId = 0x54484B; // any number; ours is told by the procedure
constexpr const wchar_t* kOwnerProperty = L"Tidyhawk.Window";

// The child a parent's notification is about, or null for the parent's own messages.
HWND ReflectTarget(UINT msg, LPARAM lp) {
    switch (msg) {
    case WM_COMMAND:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_HSCROLL:
    case WM_VSCROLL: return reinterpret_cast<HWND>(lp);
    case WM_NOTIFY: return reinterpret_cast<const NMHDR*>(lp)->hwndFrom;
    case WM_DRAWITEM: {
        auto* dis = reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
        return dis->CtlType == ODT_MENU ? nullptr : dis->hwndItem;
    }
    default: return nullptr;
    }
}

} // namespace

Window::~Window() {
    // Unhooked first: the window must not call back into an object half destroyed.
    Detach();
    hwnd_.Reset();
}

void Window::Attach(HWND hwnd) {
    Detach();
    hwnd_.Reset(hwnd);
    if (!hwnd) return;
    SetWindowSubclass(hwnd, &Window::Procedure, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
    // The owner is also kept as a window property, so that WindowOf needs no
    // GetWindowSubclass (which not every import library of comctl32 provides).
    SetPropW(hwnd, kOwnerProperty, this);
}

void Window::Detach() {
    if (!hwnd_) return;
    RemoveWindowSubclass(hwnd_.Get(), &Window::Procedure, kSubclassId);
    RemovePropW(hwnd_.Get(), kOwnerProperty);
}

bool Window::OnMessage(UINT, WPARAM, LPARAM, LRESULT&) {
    return false;
}
bool Window::OnReflected(UINT, WPARAM, LPARAM, LRESULT&) {
    return false;
}

LRESULT Window::Default(UINT msg, WPARAM wp, LPARAM lp) {
    return DefSubclassProc(hwnd_.Get(), msg, wp, lp);
}

bool Window::Route(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    HWND target = ReflectTarget(msg, lp);
    if (target && target != hwnd_.Get()) {
        if (Window* child = WindowOf(target)) {
            if (child->OnReflected(msg, wp, lp, result)) return true;
        }
    }
    return OnMessage(msg, wp, lp, result);
}

LRESULT CALLBACK Window::Procedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                   DWORD_PTR data) {
    auto* self = reinterpret_cast<Window*>(data);
    if (msg == WM_NCDESTROY) {
        // Windows is destroying it (with its parent, say): nothing is left to own.
        RemoveWindowSubclass(hwnd, &Window::Procedure, kSubclassId);
        RemovePropW(hwnd, kOwnerProperty);
        self->hwnd_.Release();
        return DefSubclassProc(hwnd, msg, wp, lp);
    }
    LRESULT result = 0;
    bool handled = false;
    auto run = [&] { handled = self->Route(msg, wp, lp, result); };
    // No exception may unwind through the system's code into the message loop.
    if (Application* app = self->App()) {
        app->Guard(run);
    } else {
        try {
            run();
        } catch (...) {
            handled = false;
        }
    }
    return handled ? result : DefSubclassProc(hwnd, msg, wp, lp);
}

Window* WindowOf(HWND hwnd) {
    return hwnd ? static_cast<Window*>(GetPropW(hwnd, kOwnerProperty)) : nullptr;
}

} // namespace forms::win32
