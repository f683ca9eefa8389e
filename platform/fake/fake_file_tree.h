#pragma once
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/fake/fake_file_system.h"

namespace platform::fake {

// Names are folded to lower case and kept as UTF-16 units, so lookups, ordering and
// lengths come out the same whether wchar_t holds 2 or 4 bytes.
using NameKey = std::u16string;
NameKey FoldName(const std::wstring& name);
// The length of text in UTF-16 units, as Windows counts it against MAX_PATH.
std::size_t Utf16Length(const std::wstring& text);
// The drive ("C:") and the names of an absolute path, or a relative one completed from
// `current`. Doubled and trailing separators and "." vanish, ".." climbs (never above
// the root); "\\?\" is dropped. Nothing for an empty path or a network path.
std::optional<std::vector<std::wstring>> SplitPath(const std::wstring& path,
                                                   const std::wstring& current);
// The parts joined back into a path; a lone drive becomes its root, "C:\".
std::wstring JoinPath(const std::vector<std::wstring>& parts, std::size_t count);

// The bits SetFileAttributesW may change; Directory and ReparsePoint stay what they are.
constexpr std::uint32_t kSettableAttributes =
    attr::ReadOnly | attr::Hidden | attr::System | attr::Archive;

// A new entry of `kind` in folder, with the attributes that kind always has.
FakeFileSystem::Node& AddChild(FakeFileSystem::Node& folder, const std::wstring& name,
                               NodeKind kind);
// The sizes of the files in node and below it; links take no room of their own.
std::uint64_t FileBytes(const FakeFileSystem::Node& node);
// For messages: the path with anything beyond ASCII shown as '?'.
std::string Narrow(const std::wstring& text);

struct FakeFileSystem::Node {
    NodeKind kind = NodeKind::Folder;
    std::wstring name; // as stored, for listings
    std::uint32_t attributes = attr::Directory;
    std::uint64_t size = 0;
    std::wstring target; // links only, as given
    bool locked = false;
    bool listingDenied = false;
    bool readDenied = false;
    std::string content; // files only
    std::map<NameKey, std::unique_ptr<Node>> children;
    std::map<NameKey, NameKey> shortNames; // alias -> a child's folded name


    bool IsFolder() const { return kind == NodeKind::Folder; }
    bool IsLink() const { return kind == NodeKind::Junction || kind == NodeKind::FileLink; }
    // What Windows reports: a file without any bit reads as Normal.
    std::uint32_t ReportedAttributes() const {
        return attributes == 0 ? attr::Normal : attributes;
    }
    Node* Child(const std::wstring& childName) const {
        auto it = children.find(FoldName(childName));
        if (it != children.end()) return it->second.get();
        auto alias = shortNames.find(FoldName(childName));
        if (alias == shortNames.end()) return nullptr;
        it = children.find(alias->second);
        return it == children.end() ? nullptr : it->second.get();
    }
};

// How a path was resolved: links followed so far, and the stored names met.
struct FakeFileSystem::Trace {
    int hops = 0;
    bool viaLink = false;
    // When set, receives the stored name of each entry on the path itself.
    std::vector<std::wstring>* shown = nullptr;
};

} // namespace platform::fake
