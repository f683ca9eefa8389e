// Building and inspecting the fake tree: what tests use around the program.
#include <algorithm>
#include <stdexcept>

#include "platform/fake/fake_file_tree.h"

namespace platform::fake {

using Node = FakeFileSystem::Node;

namespace {

// A mistake in a test's setup: better loud than a tree that is not what it says.
[[noreturn]] void Misuse(const char* what, const std::wstring& path) {
    throw std::logic_error(std::string("fake file system: ") + what + ": " + Narrow(path));
}

void Collect(const Node& folder, const std::wstring& prefix, std::vector<std::wstring>& out) {
    for (const auto& entry : folder.children) {
        const Node& child = *entry.second;
        const std::wstring path = prefix + L"\\" + child.name;
        out.push_back(path);
        if (child.IsFolder()) Collect(child, path, out);
    }
}

bool FoldedLess(const std::wstring& a, const std::wstring& b) {
    const NameKey x = FoldName(a), y = FoldName(b);
    return x != y ? x < y : a < b;
}

} // namespace

// The entry at path, made of `kind` with every missing folder on the way.
Node& FakeFileSystem::Build(const std::wstring& path, NodeKind kind) {
    std::optional<std::vector<std::wstring>> parts = Parts(path);
    if (!parts) Misuse("not a local path", path);
    Trace trace;
    Node* node = Walk(*parts, 1, trace);
    for (std::size_t i = 1; i < parts->size(); ++i) {
        Node* folder = Enter(node, trace);
        if (!folder) Misuse("a file or a broken link stands in the way", path);
        node = folder->Child((*parts)[i]);
        const bool last = i + 1 == parts->size();
        if (!node) node = &AddChild(*folder, (*parts)[i], last ? kind : NodeKind::Folder);
    }
    if (node->kind != kind) Misuse("something of another kind is there", path);
    return *node;
}

void FakeFileSystem::AddDirectory(const std::wstring& path, std::uint32_t attributes) {
    Build(path, NodeKind::Folder).attributes |= attributes & kSettableAttributes;
}

void FakeFileSystem::AddFile(const std::wstring& path, std::uint64_t size,
                             std::uint32_t attributes) {
    Node& file = Build(path, NodeKind::File);
    file.size = size;
    file.attributes = attributes & kSettableAttributes;
}

void FakeFileSystem::AddJunction(const std::wstring& path, const std::wstring& target) {
    Build(path, NodeKind::Junction).target = target;
}

void FakeFileSystem::AddFileLink(const std::wstring& path, const std::wstring& target) {
    Build(path, NodeKind::FileLink).target = target;
}

void FakeFileSystem::Lock(const std::wstring& path) {
    Node* node = Lookup(path);
    if (!node) Misuse("nothing to lock", path);
    node->locked = true;
}

void FakeFileSystem::DenyListing(const std::wstring& path) {
    // What a listing of the path would read: through a junction, its target.
    std::optional<std::vector<std::wstring>> parts = Parts(path);
    Trace trace;
    Node* folder = parts ? Enter(Walk(*parts, parts->size(), trace), trace) : nullptr;
    if (!folder) Misuse("no folder to deny", path);
    folder->listingDenied = true;
}

void FakeFileSystem::SetContent(const std::wstring& path, const std::string& bytes) {
    Node& file = Build(path, NodeKind::File);
    file.content = bytes;
    file.size = bytes.size();
}

std::string FakeFileSystem::Content(const std::wstring& path) const {
    const Node* node = Lookup(path);
    if (!node || node->kind != NodeKind::File) Misuse("no file to read", path);
    return node->content;
}

void FakeFileSystem::DenyReading(const std::wstring& path) {
    Node* node = Lookup(path);
    if (!node) Misuse("nothing to deny reading", path);
    node->readDenied = true;
}

bool FakeFileSystem::Exists(const std::wstring& path) const { return Lookup(path) != nullptr; }

std::vector<std::wstring> FakeFileSystem::Under(const std::wstring& root) const {
    std::optional<std::vector<std::wstring>> parts = Parts(root);
    if (!parts) return {};
    std::vector<std::wstring> shown;
    Trace trace;
    trace.shown = &shown;
    const Node* folder = Walk(*parts, parts->size(), trace);
    std::vector<std::wstring> out;
    if (!folder || !folder->IsFolder()) return out;
    std::wstring prefix = shown.front();
    for (std::size_t i = 1; i < shown.size(); ++i) prefix += L"\\" + shown[i];
    Collect(*folder, prefix, out);
    std::sort(out.begin(), out.end(), FoldedLess);
    return out;
}

Node* FakeFileSystem::Find(const std::wstring& path) const { return Lookup(path); }

std::unique_ptr<Node> FakeFileSystem::Detach(const std::wstring& path) {
    std::optional<std::vector<std::wstring>> parts = Parts(path);
    Node* holder = parts ? FolderHolding(*parts) : nullptr;
    if (!holder) return nullptr;
    auto it = holder->children.find(FoldName(parts->back()));
    if (it == holder->children.end()) return nullptr;
    std::unique_ptr<Node> node = std::move(it->second);
    holder->children.erase(it);
    return node;
}

std::wstring FakeFileSystem::FullPath(const std::wstring& path) const {
    std::optional<std::vector<std::wstring>> parts = Parts(path);
    return parts ? JoinPath(*parts, parts->size()) : std::wstring();
}

} // namespace platform::fake
