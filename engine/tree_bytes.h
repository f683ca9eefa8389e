#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "platform/file_system.h"

namespace engine {

// The bytes of the files below a folder as their listings show them, every entry
// counted (dot entries too, as a folder that goes whole takes them along), links
// neither entered nor counted. `goOn` is asked once per entry; false ends the count
// without an answer.
std::optional<std::uint64_t> BytesBelow(platform::FileSystem& files, const std::wstring& folder,
                                        const std::function<bool()>& goOn);

} // namespace engine
