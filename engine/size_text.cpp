#include "engine/size_text.h"

namespace engine {

std::wstring SizeText(platform::Locale& locale, std::uint64_t bytes) {
    const std::wstring count = locale.WholeNumber(bytes) + L" bytes";
    if (bytes < 1024) return count;
    return locale.ShortByteSize(bytes) + L" (" + count + L")";
}

} // namespace engine
