#include "platform/win32/short_date_pattern.h"
#include "platform/win32/sized_text.h"
#include "platform/win32/win32_platform.h"

namespace platform::win32 {

std::wstring Win32Locale::TimeOfDayText() {
    // No flags and no picture: the user's long time format, for the time right now.
    return ReadSizedText([](wchar_t* buffer, int size) {
        return ::GetTimeFormatW(LOCALE_USER_DEFAULT, 0, nullptr, nullptr, buffer, size);
    });
}

Date Win32Locale::Today() {
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    return Date{now.wYear, now.wMonth, now.wDay};
}

std::wstring Win32Locale::ShortDateText(const Date& date) {
    SYSTEMTIME time{};
    time.wYear = static_cast<WORD>(date.year);
    time.wMonth = static_cast<WORD>(date.month);
    time.wDay = static_cast<WORD>(date.day);
    return ReadSizedText([&time](wchar_t* buffer, int size) {
        return ::GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &time, nullptr, buffer,
                                size);
    });
}

std::optional<Date> Win32Locale::ParseShortDate(const std::wstring& text) {
    // Read on every call: the user may change the regional settings while we run.
    std::wstring pattern = ReadSizedText([](wchar_t* buffer, int size) {
        return ::GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, buffer, size);
    });
    if (pattern.empty()) return std::nullopt;
    return ParseDateWithPattern(pattern, text);
}

int Win32Locale::Compare(const std::wstring& a, const std::wstring& b) {
    return ::lstrcmpW(a.c_str(), b.c_str());
}

} // namespace platform::win32
