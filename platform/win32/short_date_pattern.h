#pragma once
#include <optional>
#include <string_view>

#include "platform/locale.h"

namespace platform::win32 {

// Reads a date the user typed in a Windows date picture such as "M/d/yyyy",
// "dd.MM.yy" or "yyyy-MM-dd". Numbers may drop or keep their leading zero; a year of
// one or two digits lands in 1950-2049. Pictures with day or month names, or an era,
// are not supported and read nothing. Impossible dates read nothing.
std::optional<Date> ParseDateWithPattern(std::wstring_view pattern, std::wstring_view text);

} // namespace platform::win32
