#pragma once
#include <windows.h>

#include "forms/control.h"

namespace forms::win32 {

// The scale one window is drawn at: its pixels per inch, against the 96 per inch of the
// design units the forms are laid out in. A window moved to a screen of another scale
// gets a new one.
class DisplayScale {
public:
    explicit DisplayScale(int dpi) : dpi_(dpi > 0 ? dpi : 96) {}

    int Dpi() const { return dpi_; }
    // Design units to pixels and back.
    int Pixels(int units) const { return MulDiv(units, dpi_, 96); }
    int Units(int pixels) const { return MulDiv(pixels, 96, dpi_); }
    RECT ToPixels(const Rect& r) const;
    Rect FromPixels(const RECT& r) const;

private:
    int dpi_;
};

// The system's scales. Windows before 10 (and some Wine versions) have no scale per
// window or per monitor: the calls are looked up when first needed, and the screen's
// one scale stands in where they are missing.
int SystemDpi();
int WindowDpi(HWND hwnd);
// The scale of the monitor that holds most of a rectangle of screen pixels.
int MonitorDpi(const RECT& r);
// Outer size minus client size of a window with these styles, in pixels at `dpi`.
SIZE FrameFor(DWORD style, DWORD exStyle, int dpi);

} // namespace forms::win32
