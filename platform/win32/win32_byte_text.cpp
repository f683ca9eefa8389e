#include "platform/win32/windows_api.h"

#include <shlwapi.h>

#include <cstdint>

#include "platform/win32/sized_text.h"
#include "platform/win32/system_library.h"
#include "platform/win32/win32_platform.h"

namespace platform::win32 {

namespace {

std::wstring UserLocaleText(LCTYPE item) {
    return ReadSizedText([item](wchar_t* buffer, int size) {
        return ::GetLocaleInfoW(LOCALE_USER_DEFAULT, item, buffer, size);
    });
}

// The locale's grouping text ("3;0", "3;2;0", "3") as NUMBERFMTW wants it (3, 32, 30).
// The two say the opposite with a final 0: in the text it makes the last group repeat,
// in the number it stops the repeating.
UINT GroupingNumber(const std::wstring& text) {
    std::wstring digits;
    for (wchar_t c : text)
        if (c >= L'0' && c <= L'9') digits += c;
    if (!digits.empty() && digits.back() == L'0')
        digits.pop_back();
    else
        digits += L'0';
    UINT number = 0;
    for (wchar_t c : digits)
        number = number * 10 + static_cast<UINT>(c - L'0');
    return number;
}

} // namespace

std::wstring Win32Locale::ShortByteSize(std::uint64_t bytes) {
    // The call takes a signed count; no volume comes near 8 EB, so the top half of the
    // range shows as the largest count it takes.
    const LONGLONG count =
        bytes > static_cast<std::uint64_t>(INT64_MAX) ? INT64_MAX : static_cast<LONGLONG>(bytes);
    wchar_t text[64] = {};
    static auto* const format =
        ShellUtilityLibrary().Find<decltype(::StrFormatByteSizeW)>("StrFormatByteSizeW");
    if (!format || !format(count, text, 64)) return {};
    return text;
}

std::wstring Win32Locale::WholeNumber(std::uint64_t n) {
    // The user's own format asks for its decimals (".00" in English), so the format is
    // built from the user's separators and grouping, without them. Read on every call:
    // the regional settings may change while the program runs.
    std::wstring decimal = UserLocaleText(LOCALE_SDECIMAL);
    std::wstring thousand = UserLocaleText(LOCALE_STHOUSAND);
    NUMBERFMTW format{};
    format.NumDigits = 0;
    format.LeadingZero = 0;
    format.Grouping = GroupingNumber(UserLocaleText(LOCALE_SGROUPING));
    format.lpDecimalSep = decimal.data();
    format.lpThousandSep = thousand.data();
    format.NegativeOrder = 1;
    const std::wstring digits = std::to_wstring(n);
    std::wstring text = ReadSizedText([&](wchar_t* buffer, int size) {
        return ::GetNumberFormatW(LOCALE_USER_DEFAULT, 0, digits.c_str(), &format, buffer, size);
    });
    return text.empty() ? digits : text;
}

} // namespace platform::win32
