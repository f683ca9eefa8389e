#pragma once
// Thin owners for the Windows handles the back end creates, on the platform's handle
// owner: each closes its handle exactly once; none can be copied, all can be moved.
// windows.h first: the other system headers build on it.
#include <windows.h>

#include <commctrl.h>

#include "platform/win32/unique_handle.h"

namespace forms::win32 {

using platform::win32::CloseWith;
using platform::win32::UniqueHandle;

using UniqueWindow = UniqueHandle<HWND, CloseWith<&DestroyWindow>>;
using UniqueFont = UniqueHandle<HFONT, CloseWith<&DeleteObject>>;
using UniqueBrush = UniqueHandle<HBRUSH, CloseWith<&DeleteObject>>;
using UniqueBitmap = UniqueHandle<HBITMAP, CloseWith<&DeleteObject>>;
using UniqueImageList = UniqueHandle<HIMAGELIST, CloseWith<&ImageList_Destroy>>;
using UniqueMenu = UniqueHandle<HMENU, CloseWith<&DestroyMenu>>;
using UniqueMemoryDC = UniqueHandle<HDC, CloseWith<&DeleteDC>>;
using UniqueIcon = UniqueHandle<HICON, CloseWith<&DestroyIcon>>;

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
    // The part to paint.
    const RECT& Dirty() const { return ps_.rcPaint; }

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
