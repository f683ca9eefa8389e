#include "forms/win32/pictures.h"

#include <cstdint>
#include <cstdlib>
#include <utility>

namespace forms::win32 {

namespace {

UniqueIcon LoadIconResource(HINSTANCE instance, int id, int size) {
    return UniqueIcon(static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
}

// Adds an icon through its own bitmaps (copies GetIconInfo handed out): the list draws
// it exactly as ImageList_AddIcon would, and on some systems many times faster
// (AddIcon renders the icon anew).
void AddIcon(HIMAGELIST list, HICON icon, HBITMAP color, HBITMAP mask) {
    if (color && ImageList_Add(list, color, mask) >= 0) return;
    ImageList_AddIcon(list, icon);
}

void AddIcon(HIMAGELIST list, HICON icon) {
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) {
        ImageList_AddIcon(list, icon);
        return;
    }
    UniqueBitmap color(info.hbmColor), mask(info.hbmMask);
    AddIcon(list, icon, color.Get(), mask.Get());
}

UniqueImageList LoadIcons(HINSTANCE instance, int firstId, int maxCount, int size) {
    UniqueIcon first = LoadIconResource(instance, firstId, size);
    if (!first) return {};
    ICONINFO info{};
    if (!GetIconInfo(first.Get(), &info)) return {};
    // GetIconInfo hands out copies of the icon's bitmaps: they are freed here.
    UniqueBitmap color(info.hbmColor), mask(info.hbmMask);
    BITMAP bm{};
    GetObjectW(mask.Get(), sizeof bm, &bm);
    int cx = bm.bmWidth, cy = color ? bm.bmHeight : bm.bmHeight / 2;
    UniqueImageList list(ImageList_Create(cx, cy, ILC_COLOR32 | ILC_MASK, maxCount, 0));
    if (!list) return {};
    // The first icon's bitmaps, read once for its size, are the ones the list takes.
    AddIcon(list.Get(), first.Get(), color.Get(), mask.Get());
    for (int k = 1; k < maxCount; ++k) {
        UniqueIcon icon = LoadIconResource(instance, firstId + k, cx);
        if (!icon) break;
        AddIcon(list.Get(), icon.Get());
    }
    return list;
}

UniqueBitmap LoadBitmapResource(HINSTANCE instance, int id) {
    if (!FindResourceW(instance, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(2))) return {}; // RT_BITMAP
    return UniqueBitmap(static_cast<HBITMAP>(
        LoadImageW(instance, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

int BitmapWidth(HBITMAP bitmap) {
    BITMAP bm{};
    return GetObjectW(bitmap, sizeof bm, &bm) ? bm.bmWidth : 0;
}

// Of a bitmap and its larger drawings, the one whose width is nearest to size.
UniqueBitmap LoadNearestBitmap(HINSTANCE instance, int id, int size) {
    UniqueBitmap best = LoadBitmapResource(instance, id);
    if (!best || size <= 0) return best;
    for (int next = id + 1;; ++next) {
        UniqueBitmap larger = LoadBitmapResource(instance, next);
        if (!larger) break;
        if (std::abs(BitmapWidth(larger.Get()) - size) >= std::abs(BitmapWidth(best.Get()) - size))
            break; // each drawing is larger than the one before: the rest are farther
        best = std::move(larger);
    }
    return best;
}

UniqueImageList LoadBitmapStrip(HINSTANCE instance, int id, int size) {
    UniqueBitmap bitmap = LoadNearestBitmap(instance, id, size);
    BITMAP bm{};
    if (!bitmap || !GetObjectW(bitmap.Get(), sizeof bm, &bm) || bm.bmHeight <= 0) return {};
    int frame = bm.bmWidth % bm.bmHeight == 0 ? bm.bmHeight : bm.bmWidth;
    COLORREF clear = 0;
    {
        UniqueMemoryDC memory(CreateCompatibleDC(nullptr));
        SelectedObject selected(memory.Get(), bitmap.Get());
        clear = GetPixel(memory.Get(), 0, bm.bmHeight - 1);
    }
    UniqueImageList list(
        ImageList_Create(frame, bm.bmHeight, ILC_COLOR24 | ILC_MASK, bm.bmWidth / frame, 0));
    if (list) ImageList_AddMasked(list.Get(), bitmap.Get(), clear);
    return list;
}

// The data of a resource, and its length; null when there is none.
const BYTE* ResourceData(HINSTANCE instance, const wchar_t* name, const wchar_t* type,
                         DWORD& bytes) {
    HRSRC found = FindResourceW(instance, name, type);
    HGLOBAL loaded = found ? LoadResource(instance, found) : nullptr;
    bytes = found ? SizeofResource(instance, found) : 0;
    return loaded ? static_cast<const BYTE*>(LockResource(loaded)) : nullptr;
}

} // namespace

std::unique_ptr<AlphaPicture> AlphaPicture::Load(HINSTANCE instance, int id, int size) {
    if (id <= 0 || size <= 0) return nullptr;
    DWORD bytes = 0;
    const BYTE* group = ResourceData(instance, MAKEINTRESOURCEW(id), RT_GROUP_ICON, bytes);
    if (!group) return nullptr;
    const int drawingId = LookupIconIdFromDirectoryEx(const_cast<BYTE*>(group), TRUE, size, size,
                                                      LR_DEFAULTCOLOR);
    const BYTE* drawing = drawingId > 0 ? ResourceData(instance, MAKEINTRESOURCEW(drawingId),
                                                       RT_ICON, bytes)
                                        : nullptr;
    // A drawing is a bitmap header, twice as high as the picture (its mask follows the
    // colours), then the rows of colour from the bottom up.
    const auto* header = reinterpret_cast<const BITMAPINFOHEADER*>(drawing);
    const std::size_t pixels = static_cast<std::size_t>(size) * static_cast<std::size_t>(size);
    if (!header || bytes < sizeof *header || header->biSize < sizeof *header ||
        header->biWidth != size || header->biHeight != 2 * size || header->biBitCount != 32 ||
        header->biCompression != BI_RGB || bytes < header->biSize + pixels * 4)
        return nullptr;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = size;
    info.bmiHeader.biHeight = -size; // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    UniqueBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || !bits) return nullptr;
    const auto* from = reinterpret_cast<const std::uint32_t*>(drawing + header->biSize);
    auto* to = static_cast<std::uint32_t*>(bits);
    bool hasAlpha = false;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const std::uint32_t p = from[static_cast<std::size_t>(size - 1 - y) * size + x];
            const std::uint32_t a = p >> 24;
            if (a != 0) hasAlpha = true;
            auto scaled = [a](std::uint32_t c) { return (c * a + 127) / 255; };
            to[static_cast<std::size_t>(y) * size + x] = (a << 24) |
                                                        (scaled((p >> 16) & 0xFF) << 16) |
                                                        (scaled((p >> 8) & 0xFF) << 8) |
                                                        scaled(p & 0xFF);
        }
    }
    // An alpha of 0 throughout is an old drawing whose transparency is its mask.
    if (!hasAlpha) return nullptr;
    return std::unique_ptr<AlphaPicture>(new AlphaPicture(std::move(bitmap), size));
}

void AlphaPicture::Draw(HDC dc, int x, int y) const {
    UniqueMemoryDC memory(CreateCompatibleDC(dc));
    if (!memory) return;
    SelectedObject selected(memory.Get(), bitmap_.Get());
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    GdiAlphaBlend(dc, x, y, size_, size_, memory.Get(), 0, 0, size_, size_, blend);
}

UniqueImageList LoadPictures(HINSTANCE instance, int firstId, int maxCount, int size) {
    if (firstId <= 0) return {};
    UniqueImageList icons = LoadIcons(instance, firstId, maxCount, size);
    return icons ? std::move(icons) : LoadBitmapStrip(instance, firstId, size);
}

} // namespace forms::win32
