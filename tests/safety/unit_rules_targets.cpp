// The rules of the targets with more than one way in: Firefox's caches, the user's
// folders and the search-path scan.
#include "tests/safety/junk_rules.h"
#include "tests/safety/path_text.h"
#include "tests/safety/unit_rules.h"

namespace safety {

namespace {

using platform::fake::NodeKind;

bool AnyDot(const std::wstring& rel) {
    return !rel.empty() && (rel[0] == L'.' || rel.find(L"\\.") != std::wstring::npos);
}

bool FileLike(const Item* item) {
    return item && (item->kind == NodeKind::File || item->kind == NodeKind::FileLink);
}

bool HasDotChild(const Snapshot& snapshot, const std::wstring& key) {
    const Item* item = snapshot.Find(key);
    if (!item) return false;
    for (const std::wstring& child : item->children)
        if (LastName(child)[0] == L'.') return true;
    return false;
}

} // namespace

// The first folder on the way from root to key named "Cache" (the browser's own name,
// in its letters), met before any dot entry. A link of that name may go as a link but
// need not, so it counts only `withLinks`. Empty when there is none.
std::wstring UnitRules::CacheFolder(const std::wstring& key, const std::wstring& root,
                                    bool withLinks) const {
    const std::wstring rel = RelativePart(key, root);
    std::size_t at = 0;
    while (at < rel.size()) {
        std::size_t end = rel.find(L'\\', at);
        if (end == std::wstring::npos) end = rel.size();
        if (rel[at] == L'.') return {};
        const std::wstring folder = root + L"\\" + rel.substr(0, end);
        const Item* item = At(folder);
        const std::wstring name = item ? LastName(item->path) : std::wstring();
        const bool folderLike =
            item && (item->IsFolder() || (withLinks && item->kind == NodeKind::Junction));
        if (folderLike && name == L"Cache") return folder;
        at = end + 1;
    }
    return {};
}

bool UnitRules::FirefoxMay(int unit, const std::wstring& key, const std::wstring& root) const {
    const Unit& u = s_.units[static_cast<std::size_t>(unit)];
    const Item* item = At(key);
    const std::wstring& extra = Key(u.roots[0]) == root ? u.extraFiles[0] : u.extraFiles[1];
    const std::wstring rel = RelativePart(key, root);
    if (!extra.empty() && FileLike(item) && !AnyDot(rel) && LastName(item->path) == extra)
        return true;
    const std::wstring cache = CacheFolder(key, root, true);
    if (cache.empty()) return false;
    const std::wstring inside = RelativePart(key, cache);
    return key == cache || inside[0] != L'.';
}

bool UnitRules::FirefoxMust(int unit, const std::wstring& key, const std::wstring& root) const {
    const Unit& u = s_.units[static_cast<std::size_t>(unit)];
    const Item* item = At(key);
    const std::wstring& extra = Key(u.roots[0]) == root ? u.extraFiles[0] : u.extraFiles[1];
    const std::wstring rel = RelativePart(key, root);
    if (!extra.empty() && FileLike(item) && LastName(item->path) == extra)
        return !AnyDot(rel) && !item->locked && !BelowDenied(key, root);
    const std::wstring cache = CacheFolder(key, root, false);
    if (cache.empty() || BelowDenied(cache, root)) return false;
    // The folder found goes as well, once nothing is left in it.
    if (key == cache) return !HasDotChild(before_, cache) && !before_.Blocked(cache);
    return WalkerMust(key, cache);
}

bool UnitRules::UserFolderMust(const std::wstring& key, const std::wstring& root) const {
    const Item* top = At(root);
    if (top && top->kind == NodeKind::Junction) return key == root && s_.delFolder;
    // The folder itself goes once the walk emptied it. For the recycle bin it must be
    // seen to be empty, as the shell would take along whatever is still in it.
    if (key == root)
        return s_.delFolder && !HasDotChild(before_, root) && !before_.Blocked(root) &&
               FitsRecycleBin(root) && !(s_.recycle && top && top->denied);
    return WalkerMust(key, root) && FitsRecycleBin(key);
}

bool UnitRules::ScanMay(const std::wstring& key, const std::wstring& root) const {
    const std::wstring rel = RelativePart(key, root);
    if (rel.empty() || AnyDot(rel) || Excluded(key)) return false;
    const Item* item = At(key);
    if (!item || item->kind == NodeKind::Junction) return false;
    if (item->IsFolder()) return s_.empFolder;
    return IsJunk(s_.junk, LastName(item->path), item->size);
}

bool UnitRules::ScanMust(const std::wstring& key, const std::wstring& root) const {
    if (!ScanMay(key, root) || BelowDenied(key, root) || !FitsRecycleBin(key)) return false;
    const Item* item = At(key);
    if (item->IsFolder()) return item->children.empty() && !item->denied;
    return !item->locked;
}

} // namespace safety

