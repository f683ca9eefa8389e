#include "engine/primitives.h"

namespace engine {

namespace {
using platform::FindData;
namespace attr = platform::attr;

bool NameMatches(const std::wstring& name, const std::wstring& wanted, NameTest test) {
    if (wanted.empty()) return false;
    return test == NameTest::Exact ? name == wanted : name.find(wanted) != std::wstring::npos;
}

} // namespace

MatchRules& MatchRules::Folders(std::wstring name, NameTest test) {
    folderName = std::move(name);
    folderTest = test;
    return *this;
}

MatchRules& MatchRules::Files(std::wstring name, NameTest test) {
    fileName = std::move(name);
    fileTest = test;
    return *this;
}

MatchRules& MatchRules::Extension(std::wstring dotted) {
    extension = std::move(dotted);
    return *this;
}

bool MatchRules::FolderMatches(const std::wstring& name) const {
    return NameMatches(name, folderName, folderTest);
}

bool MatchRules::FileMatches(const std::wstring& name) const {
    if (NameMatches(name, fileName, fileTest)) return true;
    return !extension.empty() && extension == LowerExtension(name);
}

Primitives::Primitives(RunView view, RunState& state, const settings::Options& options, platform::Services& services)
    : display_(view), state_(state), rules_(state, options), services_(services),
      deleting_(display_, state, rules_, services), guard_(services) {}

bool Primitives::Permitted(const std::wstring& target) {
    if (!permitted_.empty() && target == permitted_) return true;
    const TargetGuard::Scope scope =
        state_.UserTargetsPhase ? TargetGuard::Scope::UserList : TargetGuard::Scope::Category;
    if (guard_.Permits(target, scope)) {
        permitted_ = target;
        return true;
    }
    return Refused(target);
}

bool Primitives::Refused(const std::wstring& target) {
    display_.Rows().AddStampedRow(Text(65), target, picture::Warning);
    // What a refused target holds stays: an unattended run reports it.
    ++state_.StayedCount;
    return false;
}

bool Primitives::IsLink(const std::wstring& path) {
    std::uint32_t a = 0;
    std::wstring bare = path;
    while (bare.size() > 3 && bare.back() == L'\\')
        bare.pop_back();
    return services_.files.GetAttributes(bare, a) && (a & attr::ReparsePoint) != 0;
}

bool Primitives::DeleteFolderTree(const std::wstring& path, Top top) {
    if (!Permitted(path)) return false;
    return WalkTree(*action_, path, top == Top::Keep ? Level::KeptTop : Level::RemovedTop);
}

bool Primitives::WalkTree(ItemAction& action, const std::wstring& path, Level level) {
    if (path.size() < 4) return false;
    action.Entering(path);
    const std::wstring dir = WithBackslash(path);
    if (IsLink(dir)) {
        // A link where a folder was expected is never walked; it goes as a link only
        // where the folder itself would have gone. Named without a trailing backslash,
        // a link is the link and not what it points at.
        if (level == Level::KeptTop || state_.StopRequested) return false;
        std::wstring bare = dir;
        while (bare.size() > 3 && bare.back() == L'\\')
            bare.pop_back();
        return action.Link(bare);
    }
    bool result = true;
    // Entries this walk leaves in place: dot entries, and whatever did not go.
    bool leftSome = false;
    {
        platform::FolderEntries entries(services_.files, dir);
        FindData entry;
        while (entries.Next(entry)) {
            Pump();
            if (entry.name.empty() || entry.name[0] == L'.') {
                leftSome = true;
                continue;
            }
            if (state_.StopRequested) break;
            const std::wstring full = dir + entry.name;
            if (entry.IsDirectory()) {
                if (action.Whole(full, entry.attributes, 0)) {
                    action.Went(full, picture::DeletedFolder);
                } else {
                    result = false;
                    if (!entry.IsLink()) WalkTree(action, full, Level::Below);
                }
                continue;
            }
            if (action.File(full, entry.attributes, entry.size))
                action.Went(full, picture::DeletedFile);
            else
                result = false;
            StepProgress();
        }
    }
    leftSome = leftSome || !result;
    if (level == Level::Below) return RemoveWalkedFolder(action, dir, leftSome);
    if (level == Level::KeptTop) return result;
    return RemoveWalkedFolder(action, dir, leftSome) && result;
}

// A folder a walk emptied is one of the walk's deletions. After a stop it stays.
bool Primitives::RemoveWalkedFolder(ItemAction& action, const std::wstring& dir, bool leftSome) {
    if (state_.StopRequested) return false;
    return action.Emptied(dir, leftSome);
}

void Primitives::DeleteMatching(const std::wstring& path, const MatchRules& rules) {
    if (!Permitted(path)) return;
    MatchTree(*action_, path, rules);
}

// Below a permitted top, reached without entering a link: nothing to ask again.
void Primitives::MatchTree(ItemAction& action, const std::wstring& path, const MatchRules& rules) {
    action.Entering(path);
    const std::wstring dir = WithBackslash(path);
    if (IsLink(dir)) return;
    platform::FolderEntries entries(services_.files, dir);
    FindData entry;
    while (entries.Next(entry)) {
        Pump();
        if (entry.name.empty() || entry.name[0] == L'.') continue;
        if (state_.StopRequested) break;
        const std::wstring full = dir + entry.name;
        if (entry.IsDirectory()) {
            // A matched folder goes once emptied, as every folder below a walk's top.
            if (rules.FolderMatches(entry.name))
                WalkTree(action, full, Level::Below);
            else if (!entry.IsLink())
                MatchTree(action, full, rules);
            continue;
        }
        if (rules.FileMatches(entry.name) && action.Whole(full, entry.attributes, entry.size))
            action.Went(full, picture::DeletedFile);
        StepProgress();
    }
}

std::wstring Primitives::SpecialFolderPath(int csidl) {
    std::optional<std::wstring> folder = services_.shell.SpecialFolder(csidl);
    if (!folder || folder->empty()) return {};
    if (folder->back() != L'\\' && folder->back() != L'/') return *folder + L'\\';
    return *folder;
}

} // namespace engine
