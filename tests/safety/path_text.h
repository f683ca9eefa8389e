#pragma once
#include <cstdint>
#include <string>

// Path text as the checks compare it, written apart from the program's own helpers so
// that a mistake there cannot hide itself here.
namespace safety {

// Windows compares names without regard to letter case. The generated names only use
// letters of ASCII, Latin-1, Greek and Cyrillic, whose capitals are folded here.
std::wstring Fold(const std::wstring& text);
// ASCII letters only, as the scan lowers extensions.
std::wstring AsciiLower(std::wstring text);
// Without trailing backslashes (a drive root keeps its own: "C:\").
std::wstring Trimmed(const std::wstring& path);
// Folded and trimmed: the key of a path in a snapshot.
std::wstring Key(const std::wstring& path);
// The key of the folder holding a path; empty for a drive root.
std::wstring ParentKey(const std::wstring& key);
std::wstring LastName(const std::wstring& path);
// Both are keys. `key` lies below `root` (not root itself).
bool StrictlyBelow(const std::wstring& key, const std::wstring& root);
bool SameOrBelow(const std::wstring& key, const std::wstring& root);
// The names from below `root` down to `key`, both keys; empty when key is root.
std::wstring RelativePart(const std::wstring& key, const std::wstring& root);

} // namespace safety

namespace safety {
// For reports.
std::string Utf8(const std::wstring& text);
} // namespace safety
