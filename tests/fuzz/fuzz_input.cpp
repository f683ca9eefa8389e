#include "tests/fuzz/fuzz_input.h"

namespace fuzz {

namespace {

// Separators, dots, the junk markers and letters of the rules' names, letters whose
// case only ASCII lowering leaves alone, a blank, and characters beyond the BMP.
const wchar_t kAlphabet[] = {L';',     L'.',     L'~',     L'T',     L'h',     L'u',
                             L'm',     L'b',     L's',     L'd',     L'a',     L'A',
                             L't',     L'x',     L'l',     L'o',     L'g',     L'L',
                             L'O',     L'G',     L'p',     L'k',     L'c',     L'B',
                             L' ',     L'\u00c9', L'\u00e9', L'\u0416', L'\u0436', L'*',
                             L'\\',    L'0'};

} // namespace

std::wstring Input::Text(std::size_t longest) {
    const std::size_t length = Byte() % (longest + 1);
    std::wstring text;
    for (std::size_t i = 0; i < length && !Done(); ++i) {
        const std::uint8_t b = Byte();
        if (b < 0xE0) {
            text += kAlphabet[b % (sizeof kAlphabet / sizeof kAlphabet[0])];
        } else {
            const std::uint32_t unit = (static_cast<std::uint32_t>(Byte()) << 8) | Byte();
            // Where wchar_t holds code points, the planes beyond the BMP too.
            const std::uint32_t plane = sizeof(wchar_t) > 2 ? (b & 0x1F) % 17 : 0;
            text += static_cast<wchar_t>((plane << 16) | unit);
        }
    }
    return text;
}

} // namespace fuzz
