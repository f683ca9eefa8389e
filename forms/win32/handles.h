#pragma once
// Thin owners for the Windows handles the back end creates, on the platform's handle
// owner: each closes its handle exactly once; none can be copied, all can be moved.
// windows.h first: the other system headers build on it.
#include <windows.h>

#include <commctrl.h>

#include "platform/win32/unique_handle.h"

namespace forms::win32 {

using platform::win32::UniqueHandle;

struct WindowClose {
    void operator()(HWND h) const { DestroyWindow(h); }
};
struct GdiObjectClose {
    void operator()(HGDIOBJ h) const { DeleteObject(h); }
};
struct ImageListClose {
    void operator()(HIMAGELIST h) const { ImageList_Destroy(h); }
};
struct MenuClose {
    void operator()(HMENU h) const { DestroyMenu(h); }
};
struct IconClose {
    void operator()(HICON h) const { DestroyIcon(h); }
};
struct MemoryDCClose {
    void operator()(HDC h) const { DeleteDC(h); }
};

using UniqueWindow = UniqueHandle<HWND, WindowClose>;
using UniqueFont = UniqueHandle<HFONT, GdiObjectClose>;
using UniqueBrush = UniqueHandle<HBRUSH, GdiObjectClose>;
using UniqueBitmap = UniqueHandle<HBITMAP, GdiObjectClose>;
using UniqueImageList = UniqueHandle<HIMAGELIST, ImageListClose>;
using UniqueMenu = UniqueHandle<HMENU, MenuClose>;
using UniqueMemoryDC = UniqueHandle<HDC, MemoryDCClose>;
using UniqueIcon = UniqueHandle<HICON, IconClose>;

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
