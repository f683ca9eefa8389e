#include "engine/tree_bytes.h"

#include "engine/path_names.h"

namespace engine {

std::optional<std::uint64_t> BytesBelow(platform::FileSystem& files, const std::wstring& folder,
                                        const std::function<bool()>& goOn) {
    const std::wstring dir = WithBackslash(folder);
    platform::FolderEntries entries(files, dir);
    platform::FindData entry;
    std::uint64_t sum = 0;
    while (entries.Next(entry)) {
        if (!goOn()) return std::nullopt;
        if (entry.IsLink()) continue;
        if (!entry.IsDirectory()) {
            sum += entry.size;
            continue;
        }
        const std::optional<std::uint64_t> below = BytesBelow(files, dir + entry.name, goOn);
        if (!below) return std::nullopt;
        sum += *below;
    }
    return sum;
}

} // namespace engine
