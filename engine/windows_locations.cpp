#include "engine/windows_locations.h"

#include "settings/option_set.h"

namespace engine {

namespace {
constexpr int kSearchRetryTicks = 300;
constexpr int kSearchGiveUpTicks = 600;
constexpr int kStepBy = 10;
} // namespace

WindowsLocations::WindowsLocations(Primitives& walkers, RunState& state, TForm2& options,
                                   platform::Services& services, ResultRows& rows,
                                   forms::Timer& searchTimer)
    : walkers_(walkers), state_(state), options_(options), services_(services), rows_(rows),
      searchTimer_(searchTimer) {}

void WindowsLocations::Row(const std::wstring& subject) {
    rows_.AddStampedRow(walkers_.Text(1), subject, picture::Status);
}

void WindowsLocations::RunHidden(const char* command) {
    services_.processes.Run(command, platform::show::Hide);
}

void WindowsLocations::TemporaryCategory(const std::wstring& folder, int labelText) {
    if (folder.empty() || !services_.files.DirectoryExists(folder)) return;
    if (!walkers_.Permitted(folder)) return;
    state_.CategoryLabel = walkers_.Text(labelText) + L" (" + folder + L")";
    rows_.AddStampedRow(walkers_.Text(48), state_.CategoryLabel, picture::Status);
    walkers_.DeleteFolderTree(folder, Top::Keep);
    if (!state_.StopRequested)
        rows_.AddStampedRow(walkers_.Text(49), state_.CategoryLabel, picture::Status);
}

void WindowsLocations::TemporaryFolder() {
    walkers_.AdvanceProgress(kStepBy);
    TemporaryCategory(services_.files.TempFolder(), 47);
}

void WindowsLocations::InternetCache() {
    walkers_.AdvanceProgress(kStepBy);
    TemporaryCategory(walkers_.SpecialFolderPath(platform::csidl::InternetCache), 50);
}

void WindowsLocations::SearchIndex() {
    std::optional<int> search = services_.serviceControl.QueryState(L"WSearch");
    if (search && *search == platform::service_state::Running) RunHidden("net stop WSearch");
    walkers_.AdvanceProgress(kStepBy);
    state_.PendingSearchPath =
        Below(state_.DriveRoot, L"ProgramData\\Microsoft\\Search\\Data\\Applications\\Windows\\");
    if (!services_.files.DirectoryExists(state_.PendingSearchPath)) return;
    state_.ServiceWaitTicks = 0;
    searchTimer_.SetEnabled(true);
}

bool WindowsLocations::StandardFolder(const std::wstring& folder, bool stepFirst,
                                      const std::wstring& subject) {
    if (stepFirst) walkers_.AdvanceProgress(kStepBy);
    if (folder.empty() || !services_.files.DirectoryExists(folder)) return false;
    if (!stepFirst) walkers_.AdvanceProgress(kStepBy);
    if (!walkers_.Permitted(folder)) return false;
    Row(subject);
    walkers_.DeleteFolderTree(folder, Top::Keep);
    return true;
}

void WindowsLocations::EmptyIfPresent(const std::wstring& folder) {
    if (!folder.empty() && services_.files.DirectoryExists(folder))
        walkers_.DeleteFolderTree(folder, Top::Keep);
}

std::wstring WindowsLocations::RealSystem32(const std::wstring& rest) {
    if (state_.WinDir.empty()) return {};
    return state_.WinDir + (services_.processes.UnderWow64() ? L"Sysnative\\" : L"System32\\") +
           rest;
}

void WindowsLocations::ErrorReports() {
    if (StandardFolder(Below(state_.DriveRoot, L"ProgramData\\Microsoft\\Windows\\WER\\"), false,
                       options_.CheckBox10.Caption()))
        EmptyIfPresent(Below(state_.LocalAppData, L"Microsoft\\Windows\\WER\\"));
}

void WindowsLocations::ThumbnailCache() {
    StandardFolder(Below(state_.LocalAppData, L"Microsoft\\Windows\\Explorer\\"), true,
                   options_.CheckBox4.Caption());
}

void WindowsLocations::StopUpdateService() {
    updateServiceWasRunning_ = false;
    std::optional<int> update = services_.serviceControl.QueryState(L"wuauserv");
    if (update && *update == platform::service_state::Running) updateServiceWasRunning_ = true;
    if (updateServiceWasRunning_) RunHidden("net stop wuauserv");
}

void WindowsLocations::RestartUpdateService() {
    if (updateServiceWasRunning_) RunHidden("net start wuauserv");
    updateServiceWasRunning_ = false;
}

void WindowsLocations::Hotfixes() {
    walkers_.AdvanceProgress(kStepBy);
    Row(options_.CheckBox19.Caption());
    // Uninstall folders and update logs lie loose in the Windows folder among
    // everything else; only these two exact forms are touched.
    const std::wstring& win = state_.WinDir;
    if (win.empty()) return;
    {
        platform::FolderEntries entries(services_.files, win);
        platform::FindData entry;
        while (entries.Next(entry)) {
            const std::wstring full = win + entry.name;
            if (entry.IsDirectory()) {
                if (entry.name.compare(0, 12, L"$NtUninstall") == 0 && entry.name.size() >= 12) {
                    walkers_.Action().ClearAttributes(full);
                    walkers_.ShellDeletePath(full);
                }
            } else if (entry.name.compare(0, 2, L"KB") == 0 && entry.name.size() >= 6 &&
                       entry.name.compare(entry.name.size() - 4, 4, L".log") == 0) {
                walkers_.Action().ClearAttributes(full);
                walkers_.RemoveFile(full, Tally::Shown);
            }
        }
    }
    for (const wchar_t* rest :
         {L"AppPatch\\", L"Installer\\$PatchCache$\\", L"SoftwareDistribution\\Download\\"})
        EmptyIfPresent(win + rest);
}

void WindowsLocations::UpdateDataStore() {
    StandardFolder(Below(state_.WinDir, L"SoftwareDistribution\\DataStore\\"), false,
                   options_.CheckBox25.Hint());
    const std::wstring database = Below(state_.WinDir, L"SoftwareDistribution\\DataStore.edb");
    if (services_.files.FileExists(database)) walkers_.RemoveFile(database, Tally::None);
}

void WindowsLocations::ReadyBoost() {
    StandardFolder(Below(state_.WinDir, L"Prefetch\\ReadyBoot\\"), false,
                   options_.CheckBox32.Caption());
}

void WindowsLocations::SystemLogs() {
    StandardFolder(RealSystem32(L"LogFiles\\"), false, L"system log files");
    EmptyIfPresent(Below(state_.WinDir, L"Logs\\"));
}

void WindowsLocations::DiagnosticsFiles() {
    StandardFolder(RealSystem32(L"WDI\\"), false, options_.CheckBox22.Caption());
}

void WindowsLocations::BurnCache() {
    StandardFolder(Below(state_.LocalAppData, L"Microsoft\\Windows\\Burn\\"), true,
                   options_.CheckBox29.Caption());
}

void WindowsLocations::SideBySideStore() {
    const std::wstring store = Below(state_.WinDir, L"winsxs\\");
    if (!services_.files.DirectoryExists(store)) return;
    walkers_.AdvanceProgress(kStepBy);
    Row(options_.CheckBox43.Caption());
    // The store stays; each of these subfolders goes once it is empty.
    for (const wchar_t* sub : {L"Backup\\", L"ManifestCache\\", L"Temp\\"})
        walkers_.DeleteFolderTree(store + sub, Top::Remove);
}

void WindowsLocations::MediaPlayerCache() {
    walkers_.AdvanceProgress(kStepBy);
    const std::wstring player = Below(state_.LocalAppData, L"Microsoft\\Media Player\\");
    if (!services_.files.DirectoryExists(player)) return;
    Row(options_.CheckBox39.Caption());
    walkers_.DeleteMatching(
        player, MatchRules().Folders(L"Cache", NameTest::Within).Files(L"*.*", NameTest::Within));
}

void WindowsLocations::MediaPlayerDatabase() {
    walkers_.AdvanceProgress(kStepBy);
    const std::wstring player = Below(state_.LocalAppData, L"Microsoft\\Media Player\\");
    if (!services_.files.DirectoryExists(player)) return;
    Row(options_.CheckBox44.Caption());
    walkers_.DeleteMatching(player, MatchRules().Extension(L".wmdb"));
}

void WindowsLocations::PollSearchService() {
    if (state_.ServiceWaitTicks >= kSearchGiveUpTicks) searchTimer_.SetEnabled(false);
    std::optional<int> search = services_.serviceControl.QueryState(L"WSearch");
    if (!search) return;
    if (*search != platform::service_state::Stopped) {
        if (++state_.ServiceWaitTicks == kSearchRetryTicks) RunHidden("net stop WSearch");
        return;
    }
    searchTimer_.SetEnabled(false);
    Row(options_.CheckBox38.Caption());
    const std::wstring folder = state_.PendingSearchPath;
    walkers_.DeleteMatching(folder, MatchRules().Folders(L"SystemIndex", NameTest::Within));
    for (const wchar_t* extension : {L".edb", L".log", L".jrs"})
        walkers_.DeleteMatching(folder, MatchRules().Extension(extension));
}

} // namespace engine
