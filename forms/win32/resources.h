#pragma once
#include <windows.h>

#include <cstdint>
#include <map>
#include <string>
#include <tuple>
#include <utility>

#include "forms/control.h"
#include "forms/win32/handles.h"
#include "forms/win32/pictures.h"

namespace forms::win32 {

// The window class every window of our own kind uses. Its procedure is the default
// one: the real handling is the one subclass procedure all our windows share.
extern const wchar_t* const kWindowClass;

// What every peer shares: the fonts, brushes and pictures drawn with, at each scale a
// window has asked for. Created once per back end; peers hold a reference, so it
// outlives them.
class Resources {
public:
    Resources();
    Resources(const Resources&) = delete;
    Resources& operator=(const Resources&) = delete;

    HINSTANCE Instance() const { return instance_; }

    // Shared, so a window with many controls does not hold one GDI font per control.
    // The font's height is scaled to `dpi`.
    HFONT FontFor(const forms::Font& font, int dpi);
    HBRUSH BrushFor(std::uint32_t color);

    // A picture by resource number in the drawing made for `size` pixels (see
    // LoadPictures), read the first time it is asked for and shared by every peer that
    // shows it; null when there is none.
    HIMAGELIST Picture(int id, int size);
    // The same picture, when it is an icon with a drawing for exactly that size with
    // its own transparency (see AlphaPicture): cheaper to read; else null.
    const AlphaPicture* BlendedPicture(int id, int size);

    // Each child window gets its own id, so the dialog manager can name it.
    int NextId() { return nextId_++; }

private:
    HINSTANCE instance_;
    int nextId_ = 100; // above IDOK, IDCANCEL and the other dialog answers
    std::map<std::tuple<std::wstring, int, bool, int>, UniqueFont> fonts_;
    std::map<std::uint32_t, UniqueBrush> brushes_;
    std::map<std::pair<int, int>, UniqueImageList> pictures_;
    std::map<std::pair<int, int>, std::unique_ptr<AlphaPicture>> blended_;
};

// The colour a control shows: its own, or its parent's when it takes the parent's.
std::uint32_t EffectiveColor(const Control& control);

} // namespace forms::win32
