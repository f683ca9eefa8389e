#include "engine/primitives.h"

#include "settings/option_set.h"

namespace engine {

namespace {
using platform::FindData;
namespace attr = platform::attr;

// For an item whose attributes were not read: its deletion is simply tried.
constexpr std::uint32_t kAttributesUnknown = 0;

// Only the read-only attribute stands in the way of a deletion, and resetting attributes
// costs as much as deleting: an item is deleted as it is, unless it was listed as
// read-only. One that was refused is left with its attributes reset, as every item was
// before, and is tried once more if it turns out to be read-only.
template <class Remove>
bool RemoveResettingIfNeeded(platform::FileSystem& files, const std::wstring& path,
                             std::uint32_t listed, Remove remove) {
    if ((listed & attr::ReadOnly) == 0 && remove()) return true;
    std::uint32_t now = listed;
    const bool readOnly = (listed & attr::ReadOnly) != 0 ||
                          (files.GetAttributes(path, now) && (now & attr::ReadOnly) != 0);
    files.SetAttributes(path, attr::Normal);
    return readOnly && remove();
}

bool DeleteFileEntry(platform::FileSystem& files, const std::wstring& path, std::uint32_t listed) {
    return RemoveResettingIfNeeded(files, path, listed, [&] { return files.RemoveFile(path); });
}

bool DeleteFolderEntry(platform::FileSystem& files, const std::wstring& path,
                       std::uint32_t listed) {
    return RemoveResettingIfNeeded(files, path, listed, [&] { return files.RemoveFolder(path); });
}

// The shell takes read-only items itself.
bool Recycle(platform::FileSystem& files, platform::Shell& shell, const std::wstring& path) {
    return RemoveResettingIfNeeded(files, path, kAttributesUnknown,
                                   [&] { return shell.DeleteWithShell(path, true) == 0; });
}

} // namespace

std::wstring WithBackslash(const std::wstring& path) {
    if (!path.empty() && path.back() == L'\\') return path;
    return path + L'\\';
}

std::wstring Below(const std::wstring& base, const wchar_t* rest) {
    return base.empty() ? std::wstring() : base + rest;
}

std::wstring AsciiLower(std::wstring text) {
    for (wchar_t& c : text)
        if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
    return text;
}

std::wstring LowerExtension(const std::wstring& name) {
    size_t dot = name.rfind(L'.');
    if (dot == std::wstring::npos) return {};
    return AsciiLower(name.substr(dot));
}

Primitives::Primitives(RunView view, RunState& state, TForm2& options, platform::Services& services)
    : view_(view), state_(state), options_(options), services_(services), guard_(services) {}

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
    view_.rows.AddStampedRow(Text(65), target, picture::Warning);
    // What a refused target holds stays: an unattended run reports it.
    ++state_.StayedCount;
    return false;
}

const std::wstring& Primitives::Text(int n) const {
    static const std::wstring empty;
    return n >= 0 && n < static_cast<int>(view_.text.size()) ? view_.text[static_cast<size_t>(n)]
                                                             : empty;
}

void Primitives::SetStatus(const std::wstring& text) {
    view_.status.SetPanelText(0, text);
}

void Primitives::ShowDeletedCount(const std::wstring& separator) {
    view_.status.SetPanelText(1, Text(18) + separator + std::to_wstring(state_.DeletedCount));
}

void Primitives::Counted() {
    ++state_.DeletedCount;
    ShowDeletedCount();
}

void Primitives::StepProgress() {
    forms::ProgressBar& bar = view_.progress;
    int next = bar.Position() + 1;
    bar.SetPosition(next >= bar.Max() ? 0 : next);
}

void Primitives::AdvanceProgress(int by) {
    forms::ProgressBar& bar = view_.progress;
    bar.SetPosition(std::min(bar.Max(), bar.Position() + by));
}

bool Primitives::ListItems() const {
    return options_.CheckBox24.Checked() && state_.ItemRowsPhase;
}

bool Primitives::IsLink(const std::wstring& path) {
    std::uint32_t a = 0;
    std::wstring bare = path;
    while (bare.size() > 3 && bare.back() == L'\\')
        bare.pop_back();
    return services_.files.GetAttributes(bare, a) && (a & attr::ReparsePoint) != 0;
}

bool Primitives::ShellDeletePath(const std::wstring& path, std::uint32_t listed) {
    SetStatus(Text(17) + L" " + path);
    Pump();
    // A link goes as a link, by the direct calls, in every mode: the shell would be
    // handed what it points at.
    const bool recycle = state_.UserTargetsPhase && options_.CheckBox3.Checked() &&
                         !(listed != kNotListed ? (listed & attr::ReparsePoint) != 0 : IsLink(path));
    const bool deleted = Noted(path, recycle ? Recycle(services_.files, services_.shell, path)
                                             : DeletePermanently(path, listed));
    if (!deleted) return false;
    Counted();
    return true;
}

// A permanent deletion needs no shell: the direct calls give the same result, are
// faster, take paths of any length, and remove links as links by construction.
bool Primitives::DeletePermanently(const std::wstring& path, std::uint32_t listed) {
    std::uint32_t a = listed;
    if (a == kNotListed && !services_.files.GetAttributes(path, a)) return false;
    if ((a & attr::Directory) == 0) return DeleteFileEntry(services_.files, path, a);
    if (a & attr::ReparsePoint) return DeleteFolderEntry(services_.files, path, a);
    int parts = 0;
    if (RemoveTreeDirectly(path, parts)) return true;
    // The folder stays, but what went inside it is gone all the same: counted here,
    // as the caller counts only a folder that went.
    state_.DeletedCount += parts;
    if (parts > 0) ShowDeletedCount();
    return false;
}

bool Primitives::RemoveTreeDirectly(const std::wstring& folder, int& parts) {
    const std::wstring dir = WithBackslash(folder);
    {
        platform::FolderEntries entries(services_.files, dir);
        FindData entry;
        while (entries.Next(entry)) {
            Pump();
            if (state_.StopRequested) return false;
            const std::wstring full = dir + entry.name;
            const int before = parts;
            bool gone = false;
            if (entry.IsLink() && entry.IsDirectory())
                gone = Noted(full, DeleteFolderEntry(services_.files, full, entry.attributes));
            else if (entry.IsDirectory())
                gone = RemoveTreeDirectly(full, parts);
            else
                gone = Noted(full, DeleteFileEntry(services_.files, full, entry.attributes));
            if (gone) parts = before + 1;
        }
    }
    return Noted(folder, DeleteFolderEntry(services_.files, folder, kAttributesUnknown));
}

bool Primitives::DeleteFolderTree(const std::wstring& path, bool deleteSelf) {
    // The top of this walk is fixed now: a nested walk run from the message pump may
    // change CurrentPath meanwhile, and must not decide what this walk keeps.
    const std::wstring top = state_.CurrentPath;
    if (!Permitted(path)) return false;
    return WalkTree(path, deleteSelf, top);
}

bool Primitives::WalkTree(const std::wstring& path, bool deleteSelf, const std::wstring& top) {
    if (path.size() < 4) return false;
    SetStatus(Text(17) + L" " + path);
    const std::wstring dir = WithBackslash(path);
    if (IsLink(dir)) {
        // A link where a folder was expected is never walked; it goes as a link only
        // where the folder itself would have gone.
        if (dir == top && !deleteSelf) return false;
        return RemoveWalkedFolder(dir, true);
    }
    bool result = true;
    {
        platform::FolderEntries entries(services_.files, dir);
        FindData entry;
        while (entries.Next(entry)) {
            Pump();
            if (entry.name.empty() || entry.name[0] == L'.') continue;
            if (state_.StopRequested) break;
            const std::wstring full = dir + entry.name;
            if (entry.IsDirectory()) {
                if (ShellDeletePath(full)) {
                    if (ListItems()) view_.rows.AddResultRow(full, picture::DeletedFolder);
                } else {
                    result = false;
                    if (!entry.IsLink()) WalkTree(full, deleteSelf, top);
                }
                continue;
            }
            if (state_.UserTargetsPhase) {
                if (ShellDeletePath(full, entry.attributes)) {
                    if (ListItems()) view_.rows.AddResultRow(full, picture::DeletedFile);
                } else {
                    result = false;
                }
            } else {
                if (Noted(full, DeleteFileEntry(services_.files, full, entry.attributes))) {
                    if (ListItems()) view_.rows.AddResultRow(full, picture::DeletedFile);
                    Counted();
                } else {
                    result = false;
                }
            }
            StepProgress();
        }
    }
    if (dir != top) return RemoveWalkedFolder(dir, false);
    if (!deleteSelf) return result;
    return RemoveWalkedFolder(top, false) && result;
}

// A folder a walk emptied, or a link where a folder was expected, is one of the walk's
// deletions: counted and, for the user's own targets with Recycle on, sent to the
// recycle bin like the rest. After a stop it stays.
bool Primitives::RemoveWalkedFolder(const std::wstring& path, bool link) {
    if (state_.StopRequested) return false;
    // Named without a trailing backslash, a link is the link and not what it points at.
    std::wstring bare = path;
    while (link && bare.size() > 3 && bare.back() == L'\\')
        bare.pop_back();
    if (state_.UserTargetsPhase && options_.CheckBox3.Checked()) {
        // The walk leaves dot entries in place; the shell would take them along.
        if (!link && !IsEmptyFolder(path)) return false;
        return ShellDeletePath(bare);
    }
    const bool removed = link ? services_.files.RemoveFolder(bare)
                              : DeleteFolderEntry(services_.files, bare, kAttributesUnknown);
    if (!Noted(bare, removed)) return false;
    Counted();
    return true;
}

bool Primitives::IsEmptyFolder(const std::wstring& path) {
    platform::FolderEntries entries(services_.files, WithBackslash(path));
    FindData entry;
    return !entries.Next(entry) && entries.Listed();
}

void Primitives::DeleteMatching(const std::wstring& path, const std::wstring& folderName,
                                bool folderExact, bool deleteSelf, const std::wstring& fileName,
                                bool fileExact, const std::wstring& extension) {
    if (!Permitted(path)) return;
    MatchTree(path, folderName, folderExact, deleteSelf, fileName, fileExact, extension);
}

// Below a permitted top, reached without entering a link: nothing to ask again.
void Primitives::MatchTree(const std::wstring& path, const std::wstring& folderName,
                           bool folderExact, bool deleteSelf, const std::wstring& fileName,
                           bool fileExact, const std::wstring& extension) {
    SetStatus(Text(17) + L" " + path);
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
            const bool match = !folderName.empty() &&
                               (folderExact ? entry.name == folderName
                                            : entry.name.find(folderName) != std::wstring::npos);
            if (match) {
                state_.CurrentPath = full;
                WalkTree(full, deleteSelf, full);
            } else if (!entry.IsLink()) {
                MatchTree(full, folderName, folderExact, deleteSelf, fileName, fileExact,
                          extension);
            }
            continue;
        }
        bool match = false;
        if (!fileName.empty())
            match = fileExact ? entry.name == fileName
                              : entry.name.find(fileName) != std::wstring::npos;
        if (!match && !extension.empty()) match = extension == LowerExtension(entry.name);
        if (match && ShellDeletePath(full) && ListItems())
            view_.rows.AddResultRow(full, picture::DeletedFile);
        StepProgress();
    }
}

bool Primitives::Noted(const std::wstring& path, bool gone) {
    if (!gone) state_.Refused.push_back(path);
    return gone;
}

bool Primitives::RemoveFile(const std::wstring& path) {
    return Noted(path, services_.files.RemoveFile(path));
}

std::wstring Primitives::SpecialFolderPath(int csidl) {
    std::optional<std::wstring> folder = services_.shell.SpecialFolder(csidl);
    if (!folder || folder->empty()) return {};
    if (folder->back() != L'\\' && folder->back() != L'/') return *folder + L'\\';
    return *folder;
}

} // namespace engine
