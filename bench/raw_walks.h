#pragma once
// The baselines: the least a program can do for the same result, with the plain calls
// and nothing else (no pump, no window, no rows).
#include <cstddef>
#include <string>
#include <vector>

namespace bench {

// Lists the tree with FindFirstFileW, entering every folder; returns the files seen.
std::size_t RawList(const std::wstring& folder);
// The bytes of every file below a folder, as a listing shows them.
std::uint64_t RawListBytes(const std::wstring& folder);
// Lists the tree and deletes the files whose names end in suffix; returns those deleted.
std::size_t RawDeleteMatching(const std::wstring& folder, const std::wstring& suffix);
// Deletes everything below folder, which stays; returns the files deleted.
std::size_t RawDeleteTree(const std::wstring& folder);
// One shell call per file to the recycle bin; returns the files recycled.
std::size_t RawRecycle(const std::vector<std::wstring>& files);

} // namespace bench
