#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/fake/fake_file_system.h"

namespace safety {

// One entry of the fake file system as it stood.
struct Item {
    std::wstring path; // in its stored letter case
    platform::fake::NodeKind kind = platform::fake::NodeKind::File;
    std::uint32_t attributes = 0;
    std::uint64_t size = 0;
    std::wstring target; // links only
    bool locked = false;
    bool denied = false; // its listing cannot start
    std::vector<std::wstring> children; // keys
    bool IsFolder() const { return kind == platform::fake::NodeKind::Folder; }
    bool IsLink() const {
        return kind == platform::fake::NodeKind::Junction ||
               kind == platform::fake::NodeKind::FileLink;
    }
    bool SameAs(const Item& other) const;
};

// Every entry on some drives, by key (see path_text.h), with what the checks ask of
// a subtree worked out once.
class Snapshot {
public:
    static Snapshot Take(const platform::fake::FakeFileSystem& files,
                         const std::vector<std::wstring>& drives);

    const Item* Find(const std::wstring& key) const;
    const std::map<std::wstring, Item>& Items() const { return items_; }
    // Nothing can empty it: it is held open, or it is a folder holding such a thing or
    // one whose listing is refused while it holds anything.
    bool Blocked(const std::wstring& key) const;
    // The longest path in the subtree, the item's own included, in UTF-16 units.
    std::size_t LongestPath(const std::wstring& key) const;

private:
    void Work(const std::wstring& key);

    std::map<std::wstring, Item> items_;
    std::map<std::wstring, bool> blocked_;
    std::map<std::wstring, std::size_t> longest_;
};

} // namespace safety
