#include "tests/safety/unit_rules.h"

#include "tests/safety/path_text.h"

namespace safety {

namespace {

using platform::fake::NodeKind;

// The shell takes no item with a path of MAX_PATH (260) units or more inside it.
constexpr std::size_t kShellLimit = 260;

bool AnyDot(const std::wstring& rel) {
    if (rel.empty()) return false;
    if (rel[0] == L'.') return true;
    return rel.find(L"\\.") != std::wstring::npos;
}

bool FirstDot(const std::wstring& rel) { return !rel.empty() && rel[0] == L'.'; }

bool FileLike(const Item* item) {
    return item && (item->kind == NodeKind::File || item->kind == NodeKind::FileLink);
}

std::wstring NameOf(const Item* item) { return item ? LastName(item->path) : std::wstring(); }

bool Contains(const std::wstring& text, const wchar_t* part) {
    return text.find(part) != std::wstring::npos;
}

} // namespace

UnitRules::UnitRules(const Scenario& scenario, const Snapshot& before)
    : s_(scenario), before_(before) {}

int UnitRules::UnitOf(const std::wstring& key) const {
    for (std::size_t i = 0; i < s_.units.size(); ++i)
        if (!RootOf(static_cast<int>(i), key).empty()) return static_cast<int>(i);
    return -1;
}

std::wstring UnitRules::RootOf(int unit, const std::wstring& key) const {
    const Unit& u = s_.units[static_cast<std::size_t>(unit)];
    for (const std::wstring& root : u.roots) {
        const std::wstring r = Key(root);
        if (u.kind == UnitKind::UserFile ? key == r : SameOrBelow(key, r)) return r;
    }
    return {};
}

bool UnitRules::BelowDenied(const std::wstring& key, const std::wstring& root) const {
    for (std::wstring p = ParentKey(key); !p.empty() && SameOrBelow(p, root); p = ParentKey(p)) {
        const Item* folder = At(p);
        if (folder && folder->denied) return true;
    }
    return false;
}

bool UnitRules::Excluded(const std::wstring& key) const {
    for (const std::wstring& e : s_.exclusions)
        if (SameOrBelow(key, Key(e))) return true;
    return false;
}

bool UnitRules::FitsRecycleBin(const std::wstring& key) const {
    return !s_.recycle || before_.LongestPath(key) < kShellLimit;
}

// A walk that keeps `top` empties it of everything but its own dot entries and what
// is held open; a folder it cannot list keeps what is in it.
bool UnitRules::WalkerMust(const std::wstring& key, const std::wstring& top) const {
    const std::wstring rel = RelativePart(key, top);
    return !rel.empty() && !AnyDot(rel) && !before_.Blocked(key) && !BelowDenied(key, top);
}

bool UnitRules::May(int unit, const std::wstring& key) const {
    const Unit& u = s_.units[static_cast<std::size_t>(unit)];
    const std::wstring root = RootOf(unit, key);
    const std::wstring rel = RelativePart(key, root);
    const Item* item = At(key);
    switch (u.kind) {
    case UnitKind::Walked:
        return !rel.empty() && !FirstDot(rel);
    case UnitKind::Chrome: {
        // Cache blocks are named data_N and f_NNNNNN, in these letters.
        const std::wstring name = NameOf(item);
        return !AnyDot(rel) && FileLike(item) && (Contains(name, L"data_") || Contains(name, L"f_"));
    }
    case UnitKind::Firefox:
        return FirefoxMay(unit, key, root);
    case UnitKind::UserFolder:
        return rel.empty() ? s_.delFolder : !FirstDot(rel);
    case UnitKind::UserFile:
        return true;
    case UnitKind::SearchPath:
        return ScanMay(key, root);
    }
    return false;
}

bool UnitRules::Must(int unit, const std::wstring& key) const {
    const Unit& u = s_.units[static_cast<std::size_t>(unit)];
    const std::wstring root = RootOf(unit, key);
    const std::wstring rel = RelativePart(key, root);
    const Item* item = At(key);
    switch (u.kind) {
    case UnitKind::Walked:
        return WalkerMust(key, root);
    case UnitKind::Chrome: {
        const std::wstring name = NameOf(item);
        return !AnyDot(rel) && FileLike(item) && !item->locked && !BelowDenied(key, root) &&
               (Contains(name, L"data_") || Contains(name, L"f_"));
    }
    case UnitKind::Firefox:
        return FirefoxMust(unit, key, root);
    case UnitKind::UserFolder:
        return UserFolderMust(key, root);
    case UnitKind::UserFile:
        return !item->locked && FitsRecycleBin(key);
    case UnitKind::SearchPath:
        return ScanMust(key, root);
    }
    return false;
}

bool UnitRules::KeptByScan(int unit, const std::wstring& key) const {
    const Unit& u = s_.units[static_cast<std::size_t>(unit)];
    const Item* item = At(key);
    return u.kind == UnitKind::SearchPath && FileLike(item) && !ScanMay(key, RootOf(unit, key));
}

} // namespace safety
