#include "platform/fake/fake_services.h"

#include <cstdint>
#include <cwctype>

#include "platform/paths.h"

namespace platform::fake {

namespace {

bool IsLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int DaysIn(int y, int m) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeap(y) ? 29 : days[m - 1];
}

// Windows-1252 from 0x80 to 0x9F. The five bytes the code page leaves unassigned
// stand for the control characters of the same number, as Windows converts them, so
// every byte comes back unchanged.
constexpr std::uint32_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The byte for a character, or -1 when Windows-1252 has none.
int Cp1252Byte(std::uint32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<int>(c);
    for (int i = 0; i < 32; ++i)
        if (kCp1252High[i] == c) return 0x80 + i;
    return -1;
}

} // namespace

int FakeMessageBoxes::Show(const std::wstring& text, const std::wstring& caption,
                           unsigned flags) {
    Shown.push_back({text, caption, flags});
    if (WhileOpen) WhileOpen(Shown.back());
    if (Answers.empty()) return DefaultAnswer;
    int a = Answers.front();
    Answers.pop_front();
    return a;
}

std::wstring FakeLocale::ShortDateText(const Date& d) {
    return std::to_wstring(d.month) + L"/" + std::to_wstring(d.day) + L"/" +
           std::to_wstring(d.year);
}

std::optional<Date> FakeLocale::ParseShortDate(const std::wstring& text) {
    int parts[3] = {0, 0, 0};
    int count = 0;
    size_t i = 0;
    while (count < 3) {
        size_t start = i;
        long v = 0;
        while (i < text.size() && std::iswdigit(static_cast<wint_t>(text[i])) && i - start < 5)
            v = v * 10 + (text[i++] - L'0');
        if (i == start) return std::nullopt;
        parts[count++] = static_cast<int>(v);
        if (count < 3) {
            if (i >= text.size() || text[i] != L'/') return std::nullopt;
            ++i;
        }
    }
    if (i != text.size()) return std::nullopt;
    Date d{parts[2], parts[0], parts[1]};
    if (d.year < 1 || d.year > 9999 || d.month < 1 || d.month > 12 || d.day < 1 ||
        d.day > DaysIn(d.year, d.month))
        return std::nullopt;
    return d;
}

int FakeLocale::Compare(const std::wstring& a, const std::wstring& b) {
    size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const wchar_t x = FoldCase(a[i]), y = FoldCase(b[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
    for (size_t i = 0; i < n; ++i) {
        if (a[i] != b[i]) return FoldCase(a[i]) == a[i] ? -1 : 1; // a[i] is the lower case
    }
    return 0;
}

bool FakeLocale::ToAnsi(const std::wstring& text, std::string& bytes) {
    bytes.clear();
    bool whole = true;
    for (wchar_t c : text) {
        const int b = Cp1252Byte(static_cast<std::uint32_t>(c));
        whole = whole && b >= 0;
        bytes += static_cast<char>(b >= 0 ? b : '?');
    }
    return whole;
}

std::wstring FakeLocale::FromAnsi(const std::string& bytes) {
    std::wstring text;
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        const std::uint32_t unit = b >= 0x80 && b < 0xA0 ? kCp1252High[b - 0x80] : b;
        text += static_cast<wchar_t>(unit);
    }
    return text;
}

std::wstring FakeLocale::ShortByteSize(std::uint64_t bytes) {
    if (bytes < 1024) return std::to_wstring(bytes) + L" bytes";
    static const wchar_t* const kUnits[] = {L" KB", L" MB", L" GB", L" TB", L" PB", L" EB"};
    int unit = 0;
    while (unit < 5 && (bytes >> (10 * (unit + 1))) >= 1000) ++unit;
    const int shift = 10 * (unit + 1);
    const std::uint64_t whole = bytes >> shift;
    const int decimals = whole < 10 ? 2 : whole < 100 ? 1 : 0;
    const std::uint64_t scale = decimals == 2 ? 100 : decimals == 1 ? 10 : 1;
    // bytes * scale / 2^shift, cut, without overflowing: the low ten bits go apart.
    const std::uint64_t high = (bytes >> 10) * scale + ((bytes & 1023) * scale >> 10);
    const std::uint64_t shown = high >> (shift - 10);
    std::wstring text = std::to_wstring(shown / scale);
    if (decimals > 0) {
        std::wstring fraction = std::to_wstring(shown % scale);
        text += L"." + std::wstring(static_cast<size_t>(decimals) - fraction.size(), L'0') + fraction;
    }
    return text + kUnits[unit];
}

std::wstring FakeLocale::WholeNumber(std::uint64_t n) {
    const std::wstring digits = std::to_wstring(n);
    std::wstring text;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) text += L',';
        text += digits[i];
    }
    return text;
}

bool FakeDesktop::IsOnAnyMonitor(const ScreenRect& r) {
    for (const auto& m : Monitors)
        if (r.left < m.right && r.right > m.left && r.top < m.bottom && r.bottom > m.top)
            return true;
    return false;
}

} // namespace platform::fake
