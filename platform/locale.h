#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "platform/interface.h"

namespace platform {

struct Date {
    int year = 0;
    int month = 0;
    int day = 0;
    bool operator==(const Date& o) const {
        return year == o.year && month == o.month && day == o.day;
    }
};

// Clock and the user's regional formats.
class Locale : public Interface {
public:
    // The time of day now, in the user's long time format.
    virtual std::wstring TimeOfDayText() = 0;
    virtual Date Today() = 0;
    // A date in the user's short date format, and back again.
    virtual std::wstring ShortDateText(const Date& date) = 0;
    virtual std::optional<Date> ParseShortDate(const std::wstring& text) = 0;
    // Locale-aware comparison as lstrcmpW does it: <0, 0 or >0.
    virtual int Compare(const std::wstring& a, const std::wstring& b) = 0;
    // Text in the system's ANSI code page and back. ToAnsi returns false when some
    // character has no place in the code page (the text would be changed).
    virtual bool ToAnsi(const std::wstring& text, std::string& bytes) = 0;
    virtual std::wstring FromAnsi(const std::string& bytes) = 0;
    // A size in the short form Explorer shows, three figures and a unit ("1.19 GB",
    // "15.0 KB"), or "N bytes" below 1 KB; as StrFormatByteSizeW gives it.
    virtual std::wstring ShortByteSize(std::uint64_t bytes) = 0;
    // A whole number in the user's number format: digits grouped, no decimals.
    virtual std::wstring WholeNumber(std::uint64_t n) = 0;
};

} // namespace platform
