#include "forms/win32/resources.h"

#include "forms/win32/pictures.h"

namespace forms::win32 {

const wchar_t* const kWindowClass = L"TidyhawkWindow";

namespace {

void RegisterWindowClass(HINSTANCE instance) {
    WNDCLASSEXW wc{};
    if (GetClassInfoExW(instance, kWindowClass, &wc)) return;
    wc.cbSize = sizeof wc;
    // Redrawn whole on resize: panels centre their caption and draw a bevel.
    wc.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    wc.lpszClassName = kWindowClass;
    RegisterClassExW(&wc);
}

} // namespace

Resources::Resources() : instance_(GetModuleHandleW(nullptr)) {
    RegisterWindowClass(instance_);
}

HFONT Resources::FontFor(const forms::Font& font, int dpi) {
    auto key = std::make_tuple(font.name, font.height, font.bold, dpi);
    auto it = fonts_.find(key);
    if (it != fonts_.end()) return it->second.Get();
    HFONT h =
        CreateFontW(MulDiv(font.height, dpi, 96), 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE,
                    FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                    DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, font.name.c_str());
    return fonts_.emplace(key, UniqueFont(h)).first->second.Get();
}

HIMAGELIST Resources::Picture(int id, int size) {
    auto key = std::make_pair(id, size);
    auto it = pictures_.find(key);
    if (it == pictures_.end())
        it = pictures_.emplace(key, LoadPictures(instance_, id, 1, size)).first;
    return it->second.Get();
}

const AlphaPicture* Resources::BlendedPicture(int id, int size) {
    auto key = std::make_pair(id, size);
    auto it = blended_.find(key);
    if (it == blended_.end()) it = blended_.emplace(key, AlphaPicture::Load(instance_, id, size)).first;
    return it->second.get();
}

HBRUSH Resources::BrushFor(std::uint32_t color) {
    auto it = brushes_.find(color);
    if (it != brushes_.end()) return it->second.Get();
    return brushes_.emplace(color, UniqueBrush(CreateSolidBrush(color))).first->second.Get();
}

std::uint32_t EffectiveColor(const Control& control) {
    const Control* c = &control;
    while (c->ParentColor() && c->Parent())
        c = c->Parent();
    return c->Color();
}

} // namespace forms::win32
