#include <stdexcept>

#include "platform/fake/fake_file_tree.h"
#include "platform/paths.h"

namespace platform::fake {

using Node = FakeFileSystem::Node;

namespace {

// Windows gives up after a number of reparse points in one path; a loop of junctions
// ends here too.
constexpr int kMaxLinkHops = 31;

// "C:\X\*.*" and "C:\X\*" give "C:\X".
std::wstring FolderOfPattern(const std::wstring& pattern) {
    for (const wchar_t* tail : {L"\\*.*", L"\\*"}) {
        const std::wstring suffix = tail;
        if (pattern.size() > suffix.size() &&
            pattern.compare(pattern.size() - suffix.size(), suffix.size(), suffix) == 0) {
            std::wstring folder = pattern.substr(0, pattern.size() - suffix.size());
            // The "\\?\" prefix holds the one '?' that is no wildcard.
            const std::size_t from = folder.rfind(L"\\\\?\\", 0) == 0 ? 4 : 0;
            if (folder.find_first_of(L"*?", from) == std::wstring::npos) return folder;
        }
    }
    throw std::invalid_argument("fake file system: unsupported listing pattern: " +
                                Narrow(pattern));
}

// The folder's entries as they were when the listing started: a walk deleting entries
// as it goes does not disturb what is still to come.
class SnapshotListing : public DirectoryListing {
public:
    SnapshotListing(int& open, std::vector<FindData> entries)
        : open_(open), entries_(std::move(entries)) {
        ++open_;
    }
    ~SnapshotListing() override { --open_; }
    bool Next(FindData& entry) override {
        if (next_ >= entries_.size()) return false;
        entry = entries_[next_++];
        return true;
    }

private:
    int& open_;
    std::vector<FindData> entries_;
    std::size_t next_ = 0;
};

} // namespace

FakeFileSystem::FakeFileSystem() : root_(std::make_unique<Node>()) {
    for (wchar_t letter = L'A'; letter <= L'Z'; ++letter)
        AddChild(*root_, std::wstring{letter, L':'}, NodeKind::Folder);
    AddDirectory(Current);
}

FakeFileSystem::~FakeFileSystem() = default;

std::optional<std::vector<std::wstring>> FakeFileSystem::Parts(const std::wstring& path) const {
    return SplitPath(path, Current);
}

// The entry at parts[0..count), following links before the last name only.
Node* FakeFileSystem::Walk(const std::vector<std::wstring>& parts, std::size_t count,
                           Trace& trace) const {
    Node* node = root_.get();
    for (std::size_t i = 0; i < count && node; ++i) {
        if (i > 0) node = Enter(node, trace);
        if (node) node = node->Child(parts[i]);
        if (node && trace.shown) trace.shown->push_back(node->name);
    }
    return node;
}

// The folder a path through `node` continues in: the node itself, or a junction's
// target. Null for files and broken links.
Node* FakeFileSystem::Enter(Node* node, Trace& trace) const {
    if (!node || node->IsFolder()) return node;
    if (node->kind != NodeKind::Junction || ++trace.hops > kMaxLinkHops) return nullptr;
    trace.viaLink = true;
    std::optional<std::vector<std::wstring>> target = Parts(node->target);
    if (!target) return nullptr;
    std::vector<std::wstring>* shown = trace.shown;
    trace.shown = nullptr; // the target's names are not the path's
    Node* reached = Walk(*target, target->size(), trace);
    trace.shown = shown;
    return Enter(reached, trace);
}

Node* FakeFileSystem::Lookup(const std::wstring& path) const {
    std::optional<std::vector<std::wstring>> parts = Parts(path);
    Trace trace;
    return parts ? Walk(*parts, parts->size(), trace) : nullptr;
}

// The folder that holds the last name of parts; null for a root or a missing folder.
Node* FakeFileSystem::FolderHolding(const std::vector<std::wstring>& parts) const {
    if (parts.size() < 2) return nullptr;
    Trace trace;
    return Enter(Walk(parts, parts.size() - 1, trace), trace);
}

bool FakeFileSystem::DirectoryExists(const std::wstring& path) {
    std::optional<std::vector<std::wstring>> parts = Parts(path);
    if (!parts) return false;
    Trace trace;
    return Enter(Walk(*parts, parts->size(), trace), trace) != nullptr;
}

bool FakeFileSystem::FileExists(const std::wstring& path) {
    const Node* node = Lookup(path);
    return node && (node->kind == NodeKind::File || node->kind == NodeKind::FileLink);
}

bool FakeFileSystem::MakeDirectory(const std::wstring& path) {
    std::optional<std::vector<std::wstring>> parts = Parts(path);
    if (FailCreate || !parts) return false;
    Node* folder = FolderHolding(*parts);
    if (!folder || folder->Child(parts->back())) return false;
    AddChild(*folder, parts->back(), NodeKind::Folder);
    return true;
}

std::unique_ptr<DirectoryListing> FakeFileSystem::List(const std::wstring& pattern) {
    ++ListingsStarted;
    if (BeforeList) BeforeList(pattern);
    std::optional<std::vector<std::wstring>> parts = Parts(FolderOfPattern(pattern));
    if (!parts) return nullptr;
    Trace trace;
    Node* folder = Enter(Walk(*parts, parts->size(), trace), trace);
    if (trace.viaLink) ++ListingsThroughLinks;
    if (!folder || folder->listingDenied) return nullptr;
    std::vector<FindData> entries;
    if (root_->Child(folder->name) != folder) {
        entries.push_back({L".", folder->attributes, 0});
        entries.push_back({L"..", attr::Directory, 0});
    }
    for (const auto& entry : folder->children) {
        const Node& child = *entry.second;
        entries.push_back({child.name, child.ReportedAttributes(), child.size});
    }
    return std::make_unique<SnapshotListing>(ListingsOpen, std::move(entries));
}

bool FakeFileSystem::Remove(const std::wstring& path, bool folder) {
    if (BeforeRemove) BeforeRemove(path);
    std::optional<std::vector<std::wstring>> parts = Parts(path);
    Node* holder = parts ? FolderHolding(*parts) : nullptr;
    if (!holder) return false;
    auto it = holder->children.find(FoldName(parts->back()));
    if (it == holder->children.end()) return false;
    const Node& node = *it->second;
    const bool fits =
        folder ? node.kind == NodeKind::Junction || (node.IsFolder() && node.children.empty())
               : node.kind == NodeKind::File || node.kind == NodeKind::FileLink;
    if (!fits || node.locked || (node.attributes & attr::ReadOnly)) return false;
    holder->children.erase(it);
    Removed.push_back(path);
    return true;
}

bool FakeFileSystem::RemoveFile(const std::wstring& path) {
    return Remove(path, false);
}

bool FakeFileSystem::RemoveFolder(const std::wstring& path) {
    return Remove(path, true);
}

bool FakeFileSystem::SetAttributes(const std::wstring& path, std::uint32_t attributes) {
    Node* node = Lookup(path);
    if (!node) return false;
    node->attributes =
        (node->attributes & ~kSettableAttributes) | (attributes & kSettableAttributes);
    return true;
}

bool FakeFileSystem::GetAttributes(const std::wstring& path, std::uint32_t& attributes) {
    const Node* node = Lookup(path);
    if (!node) return false;
    attributes = node->ReportedAttributes();
    return true;
}

} // namespace platform::fake

namespace platform::fake {

bool FakeFileSystem::ReadBytes(const std::wstring& path, std::string& bytes) {
    bytes.clear();
    const Node* node = Lookup(path);
    if (!node || node->kind != NodeKind::File || node->locked || node->readDenied ||
        node->size > kMaxReadBytes)
        return false;
    bytes = node->content;
    return true;
}

// As a temporary file moved over the old one: all or nothing.
bool FakeFileSystem::ReplaceWithBytes(const std::wstring& path, const std::string& bytes) {
    if (FailWrites) return false;
    std::optional<std::vector<std::wstring>> parts = Parts(path);
    Node* folder = parts ? FolderHolding(*parts) : nullptr;
    if (!folder) return false;
    Node* file = folder->Child(parts->back());
    if (file &&
        (file->kind != NodeKind::File || file->locked || (file->attributes & attr::ReadOnly)))
        return false;
    if (!file) file = &AddChild(*folder, parts->back(), NodeKind::File);
    file->content = bytes;
    file->size = bytes.size();
    return true;
}

std::optional<std::uint64_t> FakeFileSystem::FileSize(const std::wstring& path) {
    const Node* node = Lookup(path);
    if (!node || node->kind != NodeKind::File) return std::nullopt;
    return node->size;
}

bool FakeFileSystem::MoveReplacing(const std::wstring& from, const std::wstring& to) {
    const Node* item = Lookup(from);
    std::optional<std::vector<std::wstring>> parts = Parts(to);
    Node* folder = parts ? FolderHolding(*parts) : nullptr;
    if (!item || !folder || item->locked ||
        (item->kind != NodeKind::File && item->kind != NodeKind::FileLink))
        return false;
    if (const Node* there = folder->Child(parts->back())) {
        if (there == item) return true;
        if (there->kind == NodeKind::Folder || there->kind == NodeKind::Junction || there->locked ||
            (there->attributes & attr::ReadOnly))
            return false;
        folder->children.erase(FoldName(there->name));
    }
    std::unique_ptr<Node> moved = Detach(from);
    moved->name = parts->back();
    folder->children[FoldName(moved->name)] = std::move(moved);
    return true;
}

} // namespace platform::fake

namespace platform::fake {

std::optional<std::wstring> FakeFileSystem::FinalPath(const std::wstring& path) {
    std::optional<std::vector<std::wstring>> parts = Parts(path);
    if (!parts) return std::nullopt;
    // Names still to resolve, the next one last; a link puts its target's names back.
    std::vector<std::wstring> pending(parts->rbegin(), parts->rend());
    std::vector<std::wstring> shown;
    const Node* node = root_.get();
    int hops = 0;
    while (!pending.empty()) {
        const std::wstring name = pending.back();
        pending.pop_back();
        const Node* child = node->IsFolder() ? node->Child(name) : nullptr;
        if (!child) return std::nullopt;
        if (child->IsLink()) {
            std::optional<std::vector<std::wstring>> target = Parts(child->target);
            if (!target || ++hops > 31) return std::nullopt;
            pending.insert(pending.end(), target->rbegin(), target->rend());
            node = root_.get();
            shown.clear();
            continue;
        }
        shown.push_back(child->name);
        node = child;
    }
    return JoinPath(shown, shown.size());
}

std::wstring FakeFileSystem::LongPath(const std::wstring& path) {
    std::optional<std::vector<std::wstring>> parts = Parts(path);
    if (!parts) return path;
    std::vector<std::wstring> shown;
    const Node* node = root_.get();
    for (const std::wstring& name : *parts) {
        const Node* child = node && node->IsFolder() ? node->Child(name) : nullptr;
        if (!child) return path;
        shown.push_back(child->name);
        // Past a link the names are the target's business: the rest stays as given.
        node = child->IsLink() ? nullptr : child;
        if (!node) {
            std::vector<std::wstring> rest(parts->begin() + static_cast<long>(shown.size()),
                                           parts->end());
            shown.insert(shown.end(), rest.begin(), rest.end());
            break;
        }
    }
    return JoinPath(shown, shown.size());
}

bool FakeFileSystem::SameIgnoringCase(std::wstring_view a, std::wstring_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (FoldCase(a[i]) != FoldCase(b[i])) return false;
    return true;
}

void FakeFileSystem::AddShortName(const std::wstring& path, const std::wstring& alias) {
    std::optional<std::vector<std::wstring>> parts = Parts(path);
    Node* folder = parts ? FolderHolding(*parts) : nullptr;
    if (!folder || !folder->Child(parts->back()))
        throw std::logic_error("fake file system: no entry for a short name: " + Narrow(path));
    folder->shortNames[FoldName(alias)] = FoldName(folder->Child(parts->back())->name);
}

} // namespace platform::fake
