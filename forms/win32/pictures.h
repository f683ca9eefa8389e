#pragma once
#include <windows.h>

#include "forms/win32/handles.h"

namespace forms::win32 {

// The program's pictures by resource number. A picture is an icon, or a bitmap whose
// bottom-left pixel's colour is see-through; a bitmap may be a strip of square frames.
// A list of several pictures is icons under consecutive numbers from the first, or
// one bitmap strip. size 0 keeps the pictures' own size. Empty when none is found.
UniqueImageList LoadPictures(HINSTANCE instance, int firstId, int maxCount, int size);

} // namespace forms::win32
