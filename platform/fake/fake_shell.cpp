#include <algorithm>
#include <cwctype>

#include "platform/fake/fake_file_tree.h"

namespace platform::fake {

using Node = FakeFileSystem::Node;

namespace {

// Links have no children here, so nothing below a link is ever looked at.
bool AnyLocked(const Node& node) {
    if (node.locked) return true;
    for (const auto& entry : node.children)
        if (AnyLocked(*entry.second)) return true;
    return false;
}

// The longest path inside the item, in UTF-16 units, from the item's own length.
std::size_t LongestPath(const Node& node, std::size_t length) {
    std::size_t longest = length;
    for (const auto& entry : node.children) {
        const Node& child = *entry.second;
        longest = std::max(longest, LongestPath(child, length + 1 + Utf16Length(child.name)));
    }
    return longest;
}

// Deletes what can go below folder, as the shell does: read-only entries too, links
// as links, held files never. True when the folder is empty afterwards.
bool Purge(Node& folder) {
    for (auto it = folder.children.begin(); it != folder.children.end();) {
        Node& child = *it->second;
        const bool gone = !child.locked && (!child.IsFolder() || Purge(child));
        it = gone ? folder.children.erase(it) : std::next(it);
    }
    return folder.children.empty();
}

} // namespace

std::optional<std::wstring> FakeShell::SpecialFolder(int csidl) {
    auto it = Folders.find(csidl);
    if (it == Folders.end()) return std::nullopt;
    return it->second;
}

int FakeShell::DeleteWithShell(const std::wstring& path, bool toRecycleBin) {
    Calls.emplace_back(path, toRecycleBin);
    const std::wstring full = files_.FullPath(path);
    if (full.empty()) return ErrorNotFound;
    if (Utf16Length(full) >= kMaxPath) return ErrorPathTooLong;
    Node* item = files_.Find(path);
    if (!item) return ErrorNotFound;
    // A drive root is never an item the shell deletes.
    if (full.size() <= 3) return ErrorInUse;
    if (LongestPath(*item, Utf16Length(full)) >= kMaxPath) return ErrorPathTooLong;
    return toRecycleBin ? Recycle(path, *item) : DeletePermanently(path, *item);
}

int FakeShell::Recycle(const std::wstring& path, const Node& item) {
    if (AnyLocked(item)) return ErrorInUse;
    std::wstring drive = files_.FullPath(path).substr(0, 2);
    for (wchar_t& c : drive)
        c = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(c)));
    RecycleBinBytes[drive] += FileBytes(item);
    files_.Detach(path);
    RecycleBin.push_back(path);
    return 0;
}

int FakeShell::DeletePermanently(const std::wstring& path, Node& item) {
    const bool emptied = !item.IsFolder() || Purge(item);
    if (!emptied || item.locked) return ErrorInUse;
    files_.Detach(path);
    return 0;
}

bool FakeShell::EmptyRecycleBins(WindowHandle owner) {
    ++EmptyCount;
    EmptyOwner = owner;
    if (EmptyFails) return false;
    RecycleBin.clear();
    RecycleBinBytes.clear();
    return true;
}

bool FakeShell::OpenDocument(const std::wstring& path) {
    Opened.push_back(path);
    return files_.FileExists(path);
}

} // namespace platform::fake
