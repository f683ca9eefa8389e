#include "tests/safety/snapshot.h"

#include <algorithm>

#include "platform/fake/fake_file_tree.h"
#include "tests/safety/path_text.h"

namespace safety {

bool Item::SameAs(const Item& other) const {
    return kind == other.kind && attributes == other.attributes && size == other.size &&
           target == other.target && path == other.path;
}

Snapshot Snapshot::Take(const platform::fake::FakeFileSystem& files,
                        const std::vector<std::wstring>& drives) {
    Snapshot s;
    for (const std::wstring& drive : drives) {
        for (const std::wstring& path : files.Under(drive)) {
            const platform::fake::FakeFileSystem::Node* node = files.Find(path);
            Item item;
            item.path = path;
            item.kind = node->kind;
            item.attributes = node->attributes;
            item.size = node->size;
            item.target = node->target;
            item.locked = node->locked;
            item.denied = node->listingDenied;
            s.items_[Key(path)] = item;
        }
    }
    for (const auto& [key, item] : s.items_) {
        auto parent = s.items_.find(ParentKey(key));
        if (parent != s.items_.end()) parent->second.children.push_back(key);
    }
    // Children come after their folder in key order: work bottom-up.
    for (auto it = s.items_.rbegin(); it != s.items_.rend(); ++it) s.Work(it->first);
    return s;
}

void Snapshot::Work(const std::wstring& key) {
    const Item& item = items_.at(key);
    bool blocked = item.locked || (item.denied && !item.children.empty());
    std::size_t longest = item.path.size();
    for (const std::wstring& child : item.children) {
        blocked = blocked || blocked_.at(child);
        longest = std::max(longest, longest_.at(child));
    }
    blocked_[key] = blocked;
    longest_[key] = longest;
}

const Item* Snapshot::Find(const std::wstring& key) const {
    auto it = items_.find(key);
    return it == items_.end() ? nullptr : &it->second;
}

bool Snapshot::Blocked(const std::wstring& key) const {
    auto it = blocked_.find(key);
    return it != blocked_.end() && it->second;
}

std::size_t Snapshot::LongestPath(const std::wstring& key) const {
    auto it = longest_.find(key);
    return it == longest_.end() ? key.size() : it->second;
}

} // namespace safety
