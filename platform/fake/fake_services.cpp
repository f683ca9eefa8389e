#include "platform/fake/fake_services.h"

#include <cwctype>

namespace platform::fake {

namespace {

bool IsLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int DaysIn(int y, int m) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeap(y) ? 29 : days[m - 1];
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
    auto lower = [](wchar_t c) { return std::towlower(static_cast<wint_t>(c)); };
    size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        auto x = lower(a[i]), y = lower(b[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
    for (size_t i = 0; i < n; ++i) {
        if (a[i] != b[i]) return std::iswlower(static_cast<wint_t>(a[i])) ? -1 : 1;
    }
    return 0;
}

bool FakeDesktop::IsOnAnyMonitor(const ScreenRect& r) {
    for (const auto& m : Monitors)
        if (r.left < m.right && r.right > m.left && r.top < m.bottom && r.bottom > m.top)
            return true;
    return false;
}

} // namespace platform::fake
