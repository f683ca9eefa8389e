#pragma once
#include <windows.h>

#include "forms/win32/handles.h"

namespace forms::win32 {

// The program's pictures by resource number. A picture is an icon, or a bitmap whose
// bottom-left pixel's colour is see-through; a bitmap may be a strip of square frames.
// A list of several pictures is icons under consecutive numbers from the first, or
// one bitmap strip. size is the width in pixels the pictures are shown at: an icon
// holds a drawing for each size a screen's scale asks for, and the one for this size
// is taken; a bitmap's larger drawings follow it under consecutive numbers, and the
// one nearest this width is taken. size 0 keeps the first drawing's own size. Empty
// when none is found.
UniqueImageList LoadPictures(HINSTANCE instance, int firstId, int maxCount, int size);

} // namespace forms::win32
