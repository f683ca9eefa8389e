#include "settings/option_table.h"

#include <algorithm>
#include <cwchar>

#include "settings/option_set.h"

// The work of each category and the fixed steps of a run, defined beside their kind in
// engine/windows_locations.cpp and engine/application_caches.cpp. The table binds them
// to their options; nothing else names them.
namespace engine {
void TemporaryFolder(CategoryRun&);
void InternetCache(CategoryRun&);
void WorkOutBasePaths(CategoryRun&);
void SearchIndex(CategoryRun&);
void ErrorReports(CategoryRun&);
void ThumbnailCache(CategoryRun&);
void StopUpdateService(CategoryRun&);
void Hotfixes(CategoryRun&);
void UpdateDataStore(CategoryRun&);
void ReadyBoost(CategoryRun&);
void SystemLogs(CategoryRun&);
void RestartUpdateService(CategoryRun&);
void DiagnosticsFiles(CategoryRun&);
void BurnCache(CategoryRun&);
void SideBySideStore(CategoryRun&);
void MediaPlayerCache(CategoryRun&);
void MediaPlayerDatabase(CategoryRun&);
void Firefox(CategoryRun&);
void Chrome(CategoryRun&);
void Acdsee(CategoryRun&);
void GoogleEarth(CategoryRun&);
void Safari(CategoryRun&);
void Opera(CategoryRun&);
void AcrobatReader(CategoryRun&);
void FlashCache(CategoryRun&);
void FlashCookies(CategoryRun&);
void Java(CategoryRun&);
} // namespace engine

namespace settings {

namespace {

using namespace engine;
using P = Place;
using O = Option;

// What a run row says beyond its rank and work.
constexpr bool kFirst = true;  // steps the bar as it starts
constexpr bool kLater = false; // steps it itself, once its folder is found, or never

RunRow Runs(int rank, CategoryWork work, bool stepsFirst, int pumpsAfter) {
    return {rank, work, stepsFirst, false, pumpsAfter, nullptr, nullptr};
}

} // namespace

// Columns: the option and its value name, box number, caption, initial and Default
// states; its place on the dialog and hint; its ranks in the load and save orders and
// among the summary's categories (with whether the summary shows its hint); its run.
const std::vector<BoolOption>& BoolOptions() {
    static const std::vector<BoolOption> options = {
        // General
        {O::Savepos, L"Savepos", 14, L"Restore window size when run", true, true,
         P::General, nullptr, 14, 15, 0, false, {}},
        {O::Displaybox, L"Displaybox", 9, L"Display confirmation box when start clean", false,
         true, P::General, nullptr, 9, 10, 0, false, {}},
        {O::Autobegin, L"Autobegin", 18, L"Automatically begin clean when program start", false,
         true, P::General, nullptr, 30, 40, 0, false, {}},
        {O::Displayresultsbox, L"Displayresultsbox", 30,
         L"Display results box when completed clean", true, true, P::General, nullptr, 27, 37, 0,
         false, {}},
        {O::Autoclose, L"Autoclose", 35, L"Automatically close program after completed clean",
         false, true, P::General, nullptr, 31, 41, 0, false, {}},
        {O::ShowEmptyrecycle, L"ShowEmptyrecycle", 36, L"Show empty Recycle Bin dialog", true,
         false, P::General, nullptr, 29, 39, 0, false, {}},
        {O::Emptyrecycle, L"Emptyrecycle", 31, L"Empty Recycle Bin automatically", false, false,
         P::General, nullptr, 28, 38, 0, false, {}},
        {O::Contextmenu, L"Contextmenu", 15, L"Integrated with Windows Explorer context menu",
         true, true, P::General, nullptr, 15, 16, 0, false, {}},
        {O::Display, L"Display", 24,
         L"Display the deleted file which was found in the search pathes", true, true,
         P::General, nullptr, 23, 24, 0, false, {}},
        {O::Recycle, L"Recycle", 3,
         L"Delete files of search pathes to Recycle bin(others delete directly)", true, true,
         P::General, nullptr, 3, 3, 0, false, {}},
        {O::Logs, L"Logs", 11, L"Save log for ", false, false, P::LogRow, nullptr, 11, 12, 0,
         false, {}},

        // Filters
        {O::Tempfile, L"Tempfile", 5, L"Temporary files (*.~xy, ~xy.*)", true, true,
         P::FileKindsLeft, nullptr, 5, 5, 27, false, {}},
        {O::Picthumb, L"Picthumb", 13, L"Picture Thumb files", true, true, P::FileKindsLeft,
         nullptr, 13, 14, 0, false, {}},
        // Also the run's category of the system's log folders.
        {O::Logfile, L"Logfile", 20, L"Log files (*.log)", false, true, P::FileKindsLeft, nullptr,
         19, 20, 25, false,
         {9, SystemLogs, kLater, false, 1, nullptr, RestartUpdateService}},
        {O::Oldfile, L"Oldfile", 6, L".tmp .old .bak .chk ", true, true, P::FileKindsRight,
         nullptr, 6, 6, 24, false, {}},
        {O::Zerofile, L"Zerofile", 12, L"0 size file", false, false, P::FileKindsRight, nullptr,
         12, 13, 26, false, {}},
        {O::Empfolder, L"Empfolder", 23, L"Delete empty folder", false, false, P::FileKindsRight,
         nullptr, 22, 23, 3, false, {}},

        // Specific
        {O::Delfolder, L"Delfolder", 7, L"Also delete folder itself", false, false,
         P::FolderItself, nullptr, 7, 7, 0, false, {}},

        // Clean: Windows
        {O::Tempfolder, L"Tempfolder", 1, L"Temporary folder", true, true, P::WindowsLeft,
         nullptr, 1, 1, 1, false,
         {1, TemporaryFolder, kFirst, true, 1, nullptr, nullptr}},
        {O::Errorreport, L"Errorreport", 10, L"Windows error report", true, true, P::WindowsLeft,
         nullptr, 10, 11, 5, false, Runs(4, ErrorReports, kLater, 1)},
        {O::WDIfile, L"WDIfile", 22, L"WDI created files", true, true, P::WindowsLeft,
         L"Files created by Windows Diagnostics Infrastructure ", 21, 22, 6, false,
         Runs(10, DiagnosticsFiles, kLater, 1)},
        {O::DataStore, L"DataStore", 25, L"Update DataStore", true, true, P::WindowsLeft,
         L"Windows update temporary file", 24, 25, 7, true, Runs(7, UpdateDataStore, kLater, 1)},
        {O::ReadyBoost, L"ReadyBoost", 32, L"ReadyBoost  Cache", true, true, P::WindowsLeft,
         nullptr, 32, 42, 9, false, Runs(8, ReadyBoost, kLater, 1)},
        {O::Burncache, L"Burncache", 29, L"DVD burn Cache", true, true, P::WindowsLeft,
         L"Temporary files of Windows burn function", 26, 27, 8, false,
         Runs(11, BurnCache, kFirst, 1)},
        // The last box of the left column has the row to itself: its caption is long.
        {O::Winsxs, L"Winsxs", 43, L"Backup and Cache folder in 'winsxs'", true, true,
         P::WindowsLeft, nullptr, 40, 35, 21, false, Runs(12, SideBySideStore, kLater, 1), 330},
        // The base folders are worked out once the two that Windows names are done.
        {O::Interfolder, L"Interfolder", 2, L"IE Temporary folder", true, true, P::WindowsRight,
         nullptr, 2, 2, 2, false,
         {2, InternetCache, kFirst, false, 1, nullptr, WorkOutBasePaths}},
        // The update service stays stopped from here until after the system logs.
        {O::Hotfix, L"Hotfix", 19, L"Windows hotfix or patch", true, true, P::WindowsRight,
         nullptr, 18, 19, 4, false,
         {6, Hotfixes, kFirst, false, 1, StopUpdateService, nullptr}},
        {O::Thumbs, L"Thumbs", 4, L"Picture Thumb Cache", true, true, P::WindowsRight, nullptr, 4,
         4, 16, false, Runs(5, ThumbnailCache, kFirst, 1)},
        {O::SearchDB, L"SearchDB", 38, L"Search database and index", true, true, P::WindowsRight,
         nullptr, 35, 30, 10, false, Runs(3, SearchIndex, kFirst, 1)},
        {O::WMPcache, L"WMPcache", 39, L"Windows Media Player Cache", true, true, P::WindowsRight,
         nullptr, 36, 31, 11, false, Runs(13, MediaPlayerCache, kFirst, 1)},
        {O::WMPdatabase, L"WMPdatabase", 44, L"Windows Media Player Database", false, false,
         P::WindowsRight, nullptr, 41, 36, 12, false, Runs(14, MediaPlayerDatabase, kFirst, 2)},

        // Clean: Applications
        {O::FirefoxCache, L"FirefoxCache", 8, L"Firefox cache folder", true, true, P::AppsLeft,
         nullptr, 8, 8, 13, false, Runs(15, Firefox, kFirst, 1)},
        {O::ChromeCache, L"ChromeCache", 26, L"Google Chrome Cache", true, true, P::AppsLeft,
         nullptr, 25, 26, 17, false, Runs(16, Chrome, kFirst, 0)},
        {O::SafariCache, L"SafariCache", 33, L"Apple Safari Cache", true, true, P::AppsLeft,
         L"Apple browser Safari cache", 33, 28, 19, false, Runs(19, Safari, kLater, 0)},
        {O::Javacache, L"Javacache", 37, L"Sun Java Cache", true, true, P::AppsLeft, nullptr, 34,
         29, 23, false, Runs(24, Java, kFirst, 1)},
        // The two Flash rows run without a row of the summary.
        {O::Flashcache, L"Flashcache", 40, L"Adobe Flash Cache ", true, true, P::AppsLeft,
         nullptr, 37, 32, 0, false, Runs(22, FlashCache, kFirst, 1)},
        {O::Acrobatreader, L"Acrobatreader", 17, L"Acrobat Reader Cache", true, true, P::AppsLeft,
         nullptr, 17, 18, 22, false, Runs(21, AcrobatReader, kFirst, 0)},
        // Read by the Firefox category; no category of its own.
        {O::FFunsafeurls, L"FFunsafeurls", 34, L"Firefox unsafe url database", true, false,
         P::AppsRight,
         L"a collection of unsafe urls. file:urlclassifier2.sqlite, urlclassifier3.sqlite", 42,
         9, 14, false, {}},
        {O::GoogleEarth, L"GoogleEarth", 16, L"Google Earth Cache", true, true, P::AppsRight,
         nullptr, 16, 17, 18, false, Runs(18, GoogleEarth, kFirst, 1)},
        {O::OperaCache, L"OperaCache", 42, L"Opera Cache", true, true, P::AppsRight, nullptr, 39,
         34, 20, false, Runs(20, Opera, kLater, 0)},
        {O::Acdsee, L"Acdsee", 21, L"Acdsee database", true, true, P::AppsRight, nullptr, 20, 21,
         15, false, Runs(17, Acdsee, kFirst, 0)},
        {O::FlashCookies, L"Flaxhcookies", 41, L"Adobe Flash cookies", true, true, P::AppsRight,
         nullptr, 38, 33, 0, false, Runs(23, FlashCookies, kFirst, 1)},
    };
    return options;
}

const BoolOption& Row(Option option) {
    return BoolOptions()[static_cast<std::size_t>(option)];
}

const BoolOption* FindOption(const wchar_t* name) {
    for (const BoolOption& o : BoolOptions())
        if (std::wcscmp(o.name, name) == 0) return &o;
    return nullptr;
}

namespace {

int LoadRank(const BoolOption& o) { return o.loadRank; }
int SaveRank(const BoolOption& o) { return o.saveRank; }
int Number(const BoolOption& o) { return o.number; }
int SummaryRank(const BoolOption& o) { return o.summaryRank; }
int RunRank(const BoolOption& o) { return o.run.rank; }

// The rows with a rank above 0, by that rank; worked out once for each rank.
template <int (*RankOf)(const BoolOption&)>
const std::vector<const BoolOption*>& Ranked() {
    static const std::vector<const BoolOption*> order = [] {
        std::vector<const BoolOption*> ranked;
        for (const BoolOption& o : BoolOptions())
            if (RankOf(o) > 0) ranked.push_back(&o);
        std::stable_sort(ranked.begin(), ranked.end(),
                         [](const BoolOption* a, const BoolOption* b) {
                             return RankOf(*a) < RankOf(*b);
                         });
        return ranked;
    }();
    return order;
}

} // namespace

const std::vector<const BoolOption*>& LoadOrder() { return Ranked<LoadRank>(); }
const std::vector<const BoolOption*>& SaveOrder() { return Ranked<SaveRank>(); }
const std::vector<const BoolOption*>& DefaultOrder() { return Ranked<Number>(); }
const std::vector<const BoolOption*>& SummaryOrder() { return Ranked<SummaryRank>(); }
const std::vector<const BoolOption*>& RunOrder() { return Ranked<RunRank>(); }

const PathListNames SearchPaths{&TForm2::SearchPathList, L"Pathnum", L"Patha", L"Pathb"};
const PathListNames ExcludePaths{&TForm2::ExcludePathList, L"Pathexnum", L"Pathexa", L"Pathexb"};
const PathListNames DeleteFolders{&TForm2::DeleteFolderList, L"Foldernum", L"Foldera",
                                  L"Folderb"};
const PathListNames DeleteFiles{&TForm2::DeleteFileList, L"Filenum", L"Filea", L"Fileb"};

} // namespace settings
