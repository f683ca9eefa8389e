#include "forms/win32/display_scale.h"

#include "forms/win32/handles.h"

namespace forms::win32 {

RECT DisplayScale::ToPixels(const Rect& r) const {
    int left = Pixels(r.left), top = Pixels(r.top);
    return {left, top, left + Pixels(r.width), top + Pixels(r.height)};
}

Rect DisplayScale::FromPixels(const RECT& r) const {
    return {Units(r.left), Units(r.top), Units(r.right - r.left), Units(r.bottom - r.top)};
}

namespace {

using DpiForWindow = UINT(WINAPI*)(HWND);
using DpiForSystem = UINT(WINAPI*)();
using AdjustForDpi = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
using DpiForMonitor = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);

// The address of a call in a system library, or null where the system lacks it.
template <class Function> Function Lookup(const wchar_t* library, const char* name) {
    HMODULE module = GetModuleHandleW(library);
    if (!module) module = LoadLibraryW(library); // shcore is not loaded by every program
    if (!module) return nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

// The calls never change while the program runs: each is looked up once.
DpiForWindow WindowDpiCall() {
    static const DpiForWindow call = Lookup<DpiForWindow>(L"user32.dll", "GetDpiForWindow");
    return call;
}

int ScreenDpi() {
    WindowDC screen(nullptr);
    int dpi = screen.Get() ? GetDeviceCaps(screen.Get(), LOGPIXELSY) : 96;
    return dpi > 0 ? dpi : 96;
}

} // namespace

int SystemDpi() {
    static const DpiForSystem call = Lookup<DpiForSystem>(L"user32.dll", "GetDpiForSystem");
    UINT dpi = call ? call() : 0;
    return dpi > 0 ? static_cast<int>(dpi) : ScreenDpi();
}

int WindowDpi(HWND hwnd) {
    DpiForWindow call = WindowDpiCall();
    UINT dpi = call && hwnd ? call(hwnd) : 0;
    return dpi > 0 ? static_cast<int>(dpi) : SystemDpi();
}

int MonitorDpi(const RECT& r) {
    static const DpiForMonitor call = Lookup<DpiForMonitor>(L"shcore.dll", "GetDpiForMonitor");
    UINT x = 0, y = 0;
    // 0 asks for the scale the monitor is drawn at (MDT_EFFECTIVE_DPI).
    if (call && call(MonitorFromRect(&r, MONITOR_DEFAULTTONEAREST), 0, &x, &y) == S_OK && y > 0)
        return static_cast<int>(y);
    return SystemDpi();
}

SIZE FrameFor(DWORD style, DWORD exStyle, int dpi) {
    static const AdjustForDpi call =
        Lookup<AdjustForDpi>(L"user32.dll", "AdjustWindowRectExForDpi");
    RECT r{0, 0, 0, 0};
    if (!call || !call(&r, style, FALSE, exStyle, static_cast<UINT>(dpi)))
        AdjustWindowRectEx(&r, style, FALSE, exStyle);
    return {r.right - r.left, r.bottom - r.top};
}

} // namespace forms::win32
