#include <climits>

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

bool Win32Locale::ToAnsi(const std::wstring& text, std::string& bytes) {
    bytes.clear();
    if (text.empty()) return true;
    if (text.size() > INT_MAX) return false;
    const int length = static_cast<int>(text.size());
    // Without best fit, a character the code page lacks becomes the default character
    // instead of a look-alike, and the call says so. A UTF-8 code page takes neither
    // flag nor report; there only broken surrogates fail, and the call fails for them.
    const bool utf8 = ::GetACP() == CP_UTF8;
    const DWORD flags = utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
    BOOL usedDefault = FALSE;
    BOOL* report = utf8 ? nullptr : &usedDefault;
    const int needed =
        ::WideCharToMultiByte(CP_ACP, flags, text.data(), length, nullptr, 0, nullptr, report);
    if (needed <= 0 || usedDefault) return false;
    bytes.resize(static_cast<size_t>(needed));
    const int written = ::WideCharToMultiByte(CP_ACP, flags, text.data(), length, bytes.data(),
                                              needed, nullptr, report);
    if (written != needed || usedDefault) {
        bytes.clear();
        return false;
    }
    return true;
}

std::wstring Win32Locale::FromAnsi(const std::string& bytes) {
    if (bytes.empty() || bytes.size() > INT_MAX) return {};
    const int length = static_cast<int>(bytes.size());
    const int needed = ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, nullptr, 0);
    if (needed <= 0) return {};
    std::wstring text(static_cast<size_t>(needed), L'\0');
    const int written = ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, text.data(), needed);
    text.resize(written > 0 ? static_cast<size_t>(written) : 0);
    return text;
}

} // namespace platform::win32
