#pragma once
#include <windows.h>

#include <memory>

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

// An icon's drawing for one size, read straight from the resource into a bitmap that
// is blended onto the screen through its own transparency. No icon is made on the way,
// which under Wine costs about half a millisecond a picture, a toolbar's worth at each
// start. Only a drawing made for exactly that size, 32 bits a pixel with its alpha
// channel, is read so: for any other, Load gives nothing.
class AlphaPicture {
public:
    static std::unique_ptr<AlphaPicture> Load(HINSTANCE instance, int id, int size);
    AlphaPicture(const AlphaPicture&) = delete;
    AlphaPicture& operator=(const AlphaPicture&) = delete;

    int Size() const { return size_; }
    // Draws it with its top-left corner at x, y.
    void Draw(HDC dc, int x, int y) const;

private:
    AlphaPicture(UniqueBitmap bitmap, int size) : bitmap_(std::move(bitmap)), size_(size) {}

    UniqueBitmap bitmap_; // premultiplied, as blending takes it
    int size_;
};

} // namespace forms::win32
