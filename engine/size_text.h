#pragma once
#include <cstdint>
#include <string>

#include "platform/locale.h"

namespace engine {

// A size as Explorer's Properties show it: the short form, then the exact count in the
// user's number format, "1.19 GB (1,278,945,280 bytes)". Below 1 KB the two would say
// the same, so only the count shows: "512 bytes".
std::wstring SizeText(platform::Locale& locale, std::uint64_t bytes);

} // namespace engine
