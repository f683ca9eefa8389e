#include "engine/user_targets.h"

#include "engine/analysis_report.h"
#include "platform/paths.h"

namespace engine {

using settings::Option;

namespace {

bool InList(const std::wstring& list, const std::wstring& entry) {
    return !list.empty() && list.find(L';' + entry + L';') != std::wstring::npos;
}

} // namespace

ScanRules ScanRules::From(const settings::Options& o) {
    ScanRules r;
    r.thumbs = o.On(Option::Picthumb);
    r.tempFiles = o.On(Option::Tempfile);
    r.zeroSize = o.On(Option::Zerofile);
    r.oldFiles = o.On(Option::Oldfile);
    r.logFiles = o.On(Option::Logfile);
    const std::wstring names = o.Text(settings::TextOption::FileNames);
    if (!names.empty()) r.fileNames = L';' + names + L';';
    const std::wstring kinds = o.Text(settings::TextOption::FileKinds);
    if (!kinds.empty()) r.extensions = L';' + AsciiLower(kinds) + L';';
    return r;
}

FileMatch ScanRules::Match(const std::wstring& name, std::uint64_t size) const {
    if (thumbs && name == L"Thumbs.db") return FileMatch::Match;
    if (tempFiles && !name.empty() && name[0] == L'~') return FileMatch::Match;
    if (zeroSize && size == 0) return FileMatch::ZeroSize;
    if (InList(fileNames, name)) return FileMatch::Match;
    const std::wstring dotted = LowerExtension(name);
    if (dotted.size() < 2) return FileMatch::None;
    const std::wstring ext = dotted.substr(1);
    if (tempFiles && ext[0] == L'~') return FileMatch::Match;
    if (oldFiles && (ext == L"tmp" || ext == L"old" || ext == L"bak" || ext == L"chk"))
        return FileMatch::Match;
    if (logFiles && ext == L"log") return FileMatch::Match;
    return InList(extensions, ext) ? FileMatch::Match : FileMatch::None;
}

UserTargets::UserTargets(Primitives& walkers, RunState& state, const settings::Options& options,
                         platform::Services& services, ResultRows& rows)
    : walkers_(walkers), state_(state), options_(options), services_(services), rows_(rows) {}

void UserTargets::DeleteFolders() {
    DeleteListed(options_.FoldersToDelete(), &platform::FileSystem::DirectoryExists,
                 {Ui::DeleteFolders, Ui::NotCleanAllOf, picture::Warning},
                 [this](const std::wstring& caption, const std::wstring& folder) {
                     rows_.AddStampedRow(walkers_.Text(Ui::Clean), caption, picture::Status);
                     const Top top = options_.On(Option::Delfolder) ? Top::Remove : Top::Keep;
                     return walkers_.DeleteFolderTree(WithBackslash(folder), top);
                 });
}

void UserTargets::DeleteFiles() {
    const TargetGuard::FilesOnlyWalk filesOnly(walkers_.Guard());
    DeleteListed(options_.FilesToDelete(), &platform::FileSystem::FileExists,
                 {Ui::DeleteFiles, Ui::NotClean, picture::DeletedFile},
                 [this](const std::wstring&, const std::wstring& file) {
                     return walkers_.ShellDeletePath(file);
                 });
}

void UserTargets::DeleteListed(const forms::ListView& list,
                               bool (platform::FileSystem::*exists)(const std::wstring&),
                               const ListRows& texts, const RemoveEntry& remove) {
    for (int i = 0; i < list.Count(); ++i) {
        // A stop ends the list here: no later entry is touched.
        if (state_.StopRequested) break;
        const forms::ListItem item = list.Item(i);
        if (!item.checked || !walkers_.Permitted(item.caption)) continue;
        const std::wstring path = walkers_.Guard().Canonical(item.caption).value_or(L"");
        if (path.empty() || !(services_.files.*exists)(path)) continue;
        const Accounting mark = Mark();
        if (remove(item.caption, path))
            rows_.AddStampedRow(walkers_.Text(Ui::SuccessfullyClean), item.caption, picture::Status);
        else
            rows_.AddStampedRow(walkers_.Text(texts.failed), item.caption, texts.failedPicture);
        Measured(texts.header, item.caption, mark);
    }
}

void UserTargets::SearchPaths() {
    if (state_.StopRequested) return;
    const forms::ListView& list = options_.SearchPaths();
    if (list.Count() == 0) {
        rows_.AddResultRow(services_.locale.TimeOfDayText() +
                               L" No search path, click 'Option' to add",
                           picture::Warning);
        return;
    }
    // Exclusions are compared with what the walk meets where they really are, so
    // that no spelling of a path (short names, links, "." or "/") slips past one.
    excluded_.clear();
    const forms::ListView& exclusions = options_.ExcludedPaths();
    for (int i = 0; i < exclusions.Count(); ++i) {
        if (!exclusions.Item(i).checked) continue;
        const std::wstring& caption = exclusions.Item(i).caption;
        // One that cannot be normalized still protects what its text names.
        excluded_.push_back(walkers_.Guard().ResolveExclusion(caption).value_or(caption));
    }
    for (int i = 0; i < list.Count(); ++i) {
        // A stop ends the list here: no later entry is touched.
        if (state_.StopRequested) break;
        const forms::ListItem item = list.Item(i);
        if (!item.checked) continue;
        rows_.AddStampedRow(walkers_.Text(Ui::BeginSearch), item.caption, picture::Status);
        std::optional<std::wstring> path = walkers_.Guard().Resolve(item.caption);
        if (!path) {
            rows_.AddNotice(walkers_.Text(Ui::Refused), item.caption, picture::Warning);
            continue;
        }
        const Accounting mark = Mark();
        ScanSearchPath(*path);
        Measured(Ui::SearchPath, item.caption, mark);
    }
}

bool UserTargets::Excluded(const std::wstring& path) {
    for (const std::wstring& folder : excluded_)
        if (walkers_.Guard().Covers(folder, path)) return true;
    return false;
}

// As the run's action lists an item of its own; only what a clean deleted counts
// toward the running total.
void UserTargets::ListItem(const std::wstring& caption, int image) {
    walkers_.Action().Went(caption, image);
    if (!state_.Analyzing()) ++state_.TotalDeleted;
}

Accounting UserTargets::Mark() const {
    return state_.Analysis ? state_.Analysis->Mark() : Accounting{};
}

void UserTargets::Measured(Ui header, const std::wstring& caption, const Accounting& mark) {
    if (state_.Analysis) state_.Analysis->Row(walkers_.Text(header) + L": " + caption, mark);
}

bool UserTargets::ScanSearchPath(const std::wstring& path) {
    if (!services_.files.DirectoryExists(path)) return true;
    if (Excluded(path)) return false;
    const std::wstring dir = WithBackslash(path);
    walkers_.SetStatus(walkers_.Text(Ui::Searching) + L" " + dir);
    platform::FolderEntries entries(services_.files, dir);
    // A folder that cannot be listed is not known to be empty.
    if (!entries.Listed()) return false;
    const ScanRules rules = ScanRules::From(options_);
    bool empty = true;
    platform::FindData entry;
    while (entries.Next(entry)) {
        if (entry.name[0] == L'.') {
            // Never touched, but a folder holding one is not empty.
            empty = false;
            continue;
        }
        walkers_.Pump();
        if (state_.StopRequested) return false; // cut short: not known to be empty
        empty = false;
        const std::wstring full = dir + entry.name;
        if (entry.IsDirectory()) {
            // A link is neither junk nor a folder of ours to search.
            if (entry.IsLink()) continue;
            if (ScanSearchPath(full) && options_.On(Option::Empfolder) &&
                !walkers_.Guard().KeepsEmptyFolder(full) &&
                walkers_.ShellDeletePath(full, entry.attributes) && options_.On(Option::Display))
                ListItem(full + L" (" + walkers_.Text(Ui::EmptyFolder) + L")", picture::DeletedFolder);
            continue;
        }
        walkers_.StepProgress();
        // An exclusion may name a file as well as a folder.
        if (Excluded(full)) continue;
        const FileMatch match = rules.Match(entry.name, entry.size);
        if (match == FileMatch::None ||
            !walkers_.ShellDeletePath(full, entry.attributes, entry.size))
            continue;
        if (!options_.On(Option::Display)) continue;
        ListItem(match == FileMatch::ZeroSize ? full + L" (" + walkers_.Text(Ui::ZeroByte) + L")" : full,
                 picture::DeletedFile);
    }
    return empty;
}

} // namespace engine
