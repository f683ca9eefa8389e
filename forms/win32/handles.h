#pragma once
// Thin owners for the Windows handles the back end creates. Each closes its handle
// exactly once; none can be copied, all can be moved.
// windows.h first: the other system headers build on it.
#include <windows.h>

#include <commctrl.h>

#include <utility>

namespace forms::win32 {

template <class Handle, class Traits> class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(Handle h) : h_(h) {}
    ~UniqueHandle() { Reset(); }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& o) noexcept : h_(o.Release()) {}
    UniqueHandle& operator=(UniqueHandle&& o) noexcept {
        if (this != &o) Reset(o.Release());
        return *this;
    }

    Handle Get() const { return h_; }
    explicit operator bool() const { return h_ != Handle{}; }
    // Gives the handle up without closing it (Windows already destroyed it).
    Handle Release() { return std::exchange(h_, Handle{}); }
    void Reset(Handle h = Handle{}) {
        if (h_) Traits::Close(h_);
        h_ = h;
    }

private:
    Handle h_{};
};

struct WindowTraits {
    static void Close(HWND h) { DestroyWindow(h); }
};
struct GdiTraits {
    static void Close(HGDIOBJ h) { DeleteObject(h); }
};
struct ImageListTraits {
    static void Close(HIMAGELIST h) { ImageList_Destroy(h); }
};
struct MenuTraits {
    static void Close(HMENU h) { DestroyMenu(h); }
};
struct IconTraits {
    static void Close(HICON h) { DestroyIcon(h); }
};
struct MemoryDCTraits {
    static void Close(HDC h) { DeleteDC(h); }
};

using UniqueWindow = UniqueHandle<HWND, WindowTraits>;
using UniqueFont = UniqueHandle<HFONT, GdiTraits>;
using UniqueBrush = UniqueHandle<HBRUSH, GdiTraits>;
using UniqueBitmap = UniqueHandle<HBITMAP, GdiTraits>;
using UniqueImageList = UniqueHandle<HIMAGELIST, ImageListTraits>;
using UniqueMenu = UniqueHandle<HMENU, MenuTraits>;
using UniqueMemoryDC = UniqueHandle<HDC, MemoryDCTraits>;
using UniqueIcon = UniqueHandle<HICON, IconTraits>;

// A window's device context for the length of a scope.
class WindowDC {
public:
    explicit WindowDC(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
    ~WindowDC() {
        if (dc_) ReleaseDC(hwnd_, dc_);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC Get() const { return dc_; }

private:
    HWND hwnd_;
    HDC dc_;
};

// BeginPaint and EndPaint around a WM_PAINT handler.
class PaintScope {
public:
    explicit PaintScope(HWND hwnd) : hwnd_(hwnd), dc_(BeginPaint(hwnd, &ps_)) {}
    ~PaintScope() { EndPaint(hwnd_, &ps_); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    HDC Get() const { return dc_; }

private:
    HWND hwnd_;
    PAINTSTRUCT ps_{};
    HDC dc_;
};

// Selects a GDI object into a DC and puts the old one back at scope end.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ obj) : dc_(dc), old_(SelectObject(dc, obj)) {}
    ~SelectedObject() { SelectObject(dc_, old_); }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

} // namespace forms::win32
