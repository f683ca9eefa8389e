#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "platform/interface.h"

namespace platform {

// What the recycle bins of every drive hold together.
struct RecycleBinContents {
    std::uint64_t bytes = 0;
    std::uint64_t items = 0;
};

// The room on the drives, for telling the user what a clean frees.
class DiskSpace : public Interface {
public:
    // The free bytes of the volume that holds path (a drive such as "C:\" or any path on
    // it), as GetDiskFreeSpaceExW gives them; nothing when the volume cannot be asked.
    virtual std::optional<std::uint64_t> FreeBytes(const std::wstring& path) = 0;
    // SHQueryRecycleBinW over the bins of all drives; nothing when the shell cannot say.
    virtual std::optional<RecycleBinContents> RecycleBins() = 0;
};

} // namespace platform
