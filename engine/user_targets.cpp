#include "engine/user_targets.h"

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
    const forms::ListView& list = options_.FoldersToDelete();
    if (state_.StopRequested || list.Count() == 0) return;
    for (int i = 0; i < list.Count(); ++i) {
        // A stop ends the list here: no later entry is touched.
        if (state_.StopRequested) break;
        const forms::ListItem item = list.Item(i);
        if (!item.checked || !walkers_.Permitted(item.caption)) continue;
        const std::wstring folder = walkers_.Guard().Canonical(item.caption).value_or(L"");
        if (folder.empty() || !services_.files.DirectoryExists(folder)) continue;
        rows_.AddStampedRow(walkers_.Text(1), item.caption, picture::Status);
        const Top top = options_.On(Option::Delfolder) ? Top::Remove : Top::Keep;
        if (walkers_.DeleteFolderTree(WithBackslash(folder), top))
            rows_.AddStampedRow(walkers_.Text(51), item.caption, picture::Status);
        else
            rows_.AddStampedRow(walkers_.Text(52), item.caption, picture::Warning);
    }
}

void UserTargets::DeleteFiles() {
    const forms::ListView& list = options_.FilesToDelete();
    if (state_.StopRequested || list.Count() == 0) return;
    for (int i = 0; i < list.Count(); ++i) {
        // A stop ends the list here: no later entry is touched.
        if (state_.StopRequested) break;
        const forms::ListItem item = list.Item(i);
        if (!item.checked || !walkers_.Permitted(item.caption)) continue;
        const std::wstring file = walkers_.Guard().Canonical(item.caption).value_or(L"");
        if (file.empty() || !services_.files.FileExists(file)) continue;
        if (walkers_.ShellDeletePath(file))
            rows_.AddStampedRow(walkers_.Text(51), item.caption, picture::Status);
        else
            rows_.AddStampedRow(walkers_.Text(53), item.caption, picture::DeletedFile);
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
        rows_.AddStampedRow(walkers_.Text(54), item.caption, picture::Status);
        std::optional<std::wstring> path = walkers_.Guard().Resolve(item.caption);
        if (!path) {
            rows_.AddStampedRow(walkers_.Text(65), item.caption, picture::Warning);
            continue;
        }
        ScanSearchPath(*path);
    }
}

bool UserTargets::Excluded(const std::wstring& path) {
    for (const std::wstring& folder : excluded_)
        if (walkers_.Guard().Covers(folder, path)) return true;
    return false;
}

void UserTargets::ListItem(const std::wstring& caption, int image) {
    rows_.AddResultRow(caption, image);
    ++state_.TotalDeleted;
}

bool UserTargets::ScanSearchPath(const std::wstring& path) {
    if (!services_.files.DirectoryExists(path)) return true;
    if (Excluded(path)) return false;
    const std::wstring dir = WithBackslash(path);
    walkers_.SetStatus(walkers_.Text(21) + L" " + dir);
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
                ListItem(full + L" (" + walkers_.Text(19) + L")", picture::DeletedFolder);
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
        ListItem(match == FileMatch::ZeroSize ? full + L" (" + walkers_.Text(20) + L")" : full,
                 picture::DeletedFile);
    }
    return empty;
}

} // namespace engine
