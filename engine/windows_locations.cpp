// The places Windows itself fills, one short recipe each, and the search index that
// can only go once its service has stopped. The option table binds each to its option.
#include "engine/category.h"
#include "platform/paths.h"

namespace engine {

using settings::Option;

namespace {
constexpr int kSearchRetryTicks = 300;
constexpr int kSearchGiveUpTicks = 600;

void Row(CategoryRun& run, const std::wstring& subject) {
    run.rows.AddStampedRow(run.walkers.Text(1), subject, picture::Status);
}

void RunHidden(CategoryRun& run, const char* command) {
    run.services.processes.Run(command, platform::show::Hide);
}

void TemporaryCategory(CategoryRun& run, const std::wstring& folder, int labelText) {
    RunState& state = run.state;
    if (folder.empty() || !run.services.files.DirectoryExists(folder)) return;
    if (!run.walkers.Permitted(folder)) return;
    state.CategoryLabel = run.walkers.Text(labelText) + L" (" + folder + L")";
    run.rows.AddStampedRow(run.walkers.Text(48), state.CategoryLabel, picture::Status);
    run.walkers.DeleteFolderTree(folder, Top::Keep);
    if (!state.StopRequested)
        run.rows.AddStampedRow(run.walkers.Text(49), state.CategoryLabel, picture::Status);
}

// Whether a folder category steps the bar itself once its folder is found, or was
// stepped by the run as it started.
enum class Step { WhenFound, Done };

// Walks `folder` and keeps it, writing a row first when it exists.
bool StandardFolder(CategoryRun& run, const std::wstring& folder, Step step,
                    const std::wstring& subject) {
    if (folder.empty() || !run.services.files.DirectoryExists(folder)) return false;
    if (step == Step::WhenFound) run.walkers.AdvanceProgress(kCategoryStep);
    if (!run.walkers.Permitted(folder)) return false;
    Row(run, subject);
    run.walkers.DeleteFolderTree(folder, Top::Keep);
    return true;
}

void EmptyIfPresent(CategoryRun& run, const std::wstring& folder) {
    if (!folder.empty() && run.services.files.DirectoryExists(folder))
        run.walkers.DeleteFolderTree(folder, Top::Keep);
}

// WinDir + "System32\" + rest as this 32-bit program must open it: on 64-bit Windows
// "System32" would lead to the 32-bit folder.
std::wstring RealSystem32(CategoryRun& run, const std::wstring& rest) {
    if (run.state.WinDir.empty()) return {};
    return run.state.WinDir +
           (run.services.processes.UnderWow64() ? L"Sysnative\\" : L"System32\\") + rest;
}

} // namespace

// The table has the bar stepped before each of these that steps first.

void TemporaryFolder(CategoryRun& run) {
    TemporaryCategory(run, run.services.files.TempFolder(), 47);
}

void InternetCache(CategoryRun& run) {
    TemporaryCategory(run, run.walkers.SpecialFolderPath(platform::csidl::InternetCache), 50);
}

void WorkOutBasePaths(CategoryRun& run) {
    // Each base stays empty when it cannot be worked out; the categories built on it
    // are then skipped.
    RunState& state = run.state;
    const std::wstring windows = run.services.files.WindowsFolder();
    state.WinDir = windows.empty() ? std::wstring() : WithBackslash(windows);
    state.DriveRoot = state.WinDir.substr(0, 3);
    if (!platform::IsDriveRoot(state.DriveRoot)) state.DriveRoot.clear();
    state.AppData = run.walkers.SpecialFolderPath(platform::csidl::AppData);
    state.LocalAppData = run.walkers.SpecialFolderPath(platform::csidl::LocalAppData);
}

void SearchIndex(CategoryRun& run) {
    std::optional<int> search = run.services.serviceControl.QueryState(L"WSearch");
    if (search && *search == platform::service_state::Running) RunHidden(run, "net stop WSearch");
    run.state.PendingSearchPath = Below(
        run.state.DriveRoot, L"ProgramData\\Microsoft\\Search\\Data\\Applications\\Windows\\");
    if (!run.services.files.DirectoryExists(run.state.PendingSearchPath)) return;
    run.state.ServiceWaitTicks = 0;
    run.searchTimer.SetEnabled(true);
}

void ErrorReports(CategoryRun& run) {
    if (StandardFolder(run, Below(run.state.DriveRoot, L"ProgramData\\Microsoft\\Windows\\WER\\"),
                       Step::WhenFound, run.options.Caption(Option::Errorreport)))
        EmptyIfPresent(run, Below(run.state.LocalAppData, L"Microsoft\\Windows\\WER\\"));
}

void ThumbnailCache(CategoryRun& run) {
    StandardFolder(run, Below(run.state.LocalAppData, L"Microsoft\\Windows\\Explorer\\"),
                   Step::Done, run.options.Caption(Option::Thumbs));
}

// Before the hotfixes, whether they are on or not: the update store needs the service
// stopped too.
void StopUpdateService(CategoryRun& run) {
    if (run.state.StopRequested ||
        !(run.options.On(Option::Hotfix) || run.options.On(Option::DataStore)))
        return;
    run.state.UpdateServiceWasRunning = false;
    std::optional<int> update = run.services.serviceControl.QueryState(L"wuauserv");
    if (update && *update == platform::service_state::Running)
        run.state.UpdateServiceWasRunning = true;
    if (run.state.UpdateServiceWasRunning) RunHidden(run, "net stop wuauserv");
}

// Started again whatever happened since, stop request included.
void RestartUpdateService(CategoryRun& run) {
    if (run.state.UpdateServiceWasRunning) RunHidden(run, "net start wuauserv");
    run.state.UpdateServiceWasRunning = false;
}

void Hotfixes(CategoryRun& run) {
    Row(run, run.options.Caption(Option::Hotfix));
    // Uninstall folders and update logs lie loose in the Windows folder among
    // everything else; only these two exact forms are touched.
    const std::wstring& win = run.state.WinDir;
    if (win.empty()) return;
    platform::FileSystem& files = run.services.files;
    {
        platform::FolderEntries entries(files, win);
        platform::FindData entry;
        while (entries.Next(entry)) {
            const std::wstring full = win + entry.name;
            if (entry.IsDirectory()) {
                if (entry.name.compare(0, 12, L"$NtUninstall") == 0 && entry.name.size() >= 12) {
                    run.walkers.Action().ClearAttributes(full);
                    run.walkers.ShellDeletePath(full);
                }
            } else if (entry.name.compare(0, 2, L"KB") == 0 && entry.name.size() >= 6 &&
                       entry.name.compare(entry.name.size() - 4, 4, L".log") == 0) {
                run.walkers.Action().ClearAttributes(full);
                run.walkers.RemoveFile(full, Tally::Shown);
            }
        }
    }
    for (const wchar_t* rest :
         {L"AppPatch\\", L"Installer\\$PatchCache$\\", L"SoftwareDistribution\\Download\\"})
        EmptyIfPresent(run, win + rest);
}

void UpdateDataStore(CategoryRun& run) {
    StandardFolder(run, Below(run.state.WinDir, L"SoftwareDistribution\\DataStore\\"),
                   Step::WhenFound, run.options.Hint(Option::DataStore));
    const std::wstring database = Below(run.state.WinDir, L"SoftwareDistribution\\DataStore.edb");
    if (run.services.files.FileExists(database)) run.walkers.RemoveFile(database, Tally::None);
}

void ReadyBoost(CategoryRun& run) {
    StandardFolder(run, Below(run.state.WinDir, L"Prefetch\\ReadyBoot\\"), Step::WhenFound,
                   run.options.Caption(Option::ReadyBoost));
}

void SystemLogs(CategoryRun& run) {
    StandardFolder(run, RealSystem32(run, L"LogFiles\\"), Step::WhenFound, L"system log files");
    EmptyIfPresent(run, Below(run.state.WinDir, L"Logs\\"));
}

void DiagnosticsFiles(CategoryRun& run) {
    StandardFolder(run, RealSystem32(run, L"WDI\\"), Step::WhenFound,
                   run.options.Caption(Option::WDIfile));
}

void BurnCache(CategoryRun& run) {
    StandardFolder(run, Below(run.state.LocalAppData, L"Microsoft\\Windows\\Burn\\"), Step::Done,
                   run.options.Caption(Option::Burncache));
}

void SideBySideStore(CategoryRun& run) {
    RunState& state = run.state;
    const std::wstring store = Below(state.WinDir, L"winsxs\\");
    if (!run.services.files.DirectoryExists(store)) return;
    run.walkers.AdvanceProgress(kCategoryStep);
    Row(run, run.options.Caption(Option::Winsxs));
    // The store stays; each of these subfolders goes once it is empty.
    for (const wchar_t* sub : {L"Backup\\", L"ManifestCache\\", L"Temp\\"})
        run.walkers.DeleteFolderTree(store + sub, Top::Remove);
}

void MediaPlayerCache(CategoryRun& run) {
    RunState& state = run.state;
    const std::wstring player = Below(state.LocalAppData, L"Microsoft\\Media Player\\");
    if (!run.services.files.DirectoryExists(player)) return;
    Row(run, run.options.Caption(Option::WMPcache));
    run.walkers.DeleteMatching(
        player, MatchRules().Folders(L"Cache", NameTest::Within).Files(L"*.*", NameTest::Within));
}

void MediaPlayerDatabase(CategoryRun& run) {
    RunState& state = run.state;
    const std::wstring player = Below(state.LocalAppData, L"Microsoft\\Media Player\\");
    if (!run.services.files.DirectoryExists(player)) return;
    Row(run, run.options.Caption(Option::WMPdatabase));
    run.walkers.DeleteMatching(player, MatchRules().Extension(L".wmdb"));
}

void PollSearchService(CategoryRun& run) {
    RunState& state = run.state;
    if (state.ServiceWaitTicks >= kSearchGiveUpTicks) run.searchTimer.SetEnabled(false);
    std::optional<int> search = run.services.serviceControl.QueryState(L"WSearch");
    if (!search) return;
    if (*search != platform::service_state::Stopped) {
        if (++state.ServiceWaitTicks == kSearchRetryTicks) RunHidden(run, "net stop WSearch");
        return;
    }
    run.searchTimer.SetEnabled(false);
    Row(run, run.options.Caption(Option::SearchDB));
    const std::wstring folder = state.PendingSearchPath;
    run.walkers.DeleteMatching(folder, MatchRules().Folders(L"SystemIndex", NameTest::Within));
    for (const wchar_t* extension : {L".edb", L".log", L".jrs"})
        run.walkers.DeleteMatching(folder, MatchRules().Extension(extension));
}

} // namespace engine
