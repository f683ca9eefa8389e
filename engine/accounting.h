#pragma once
#include <cstdint>

namespace engine {

// What the deletions of a run add up to: the items as the status bar counts them, and
// the bytes they held, those deleted for good apart from those moved to the recycle
// bins. A folder's bytes are what went inside it; a link holds none.
struct Accounting {
    int Items = 0;
    std::uint64_t PermanentBytes = 0;
    std::uint64_t RecycledBytes = 0;

    void Add(std::uint64_t bytes, bool recycled) {
        ++Items;
        (recycled ? RecycledBytes : PermanentBytes) += bytes;
    }
};

} // namespace engine
