#include <algorithm>

#include "engine_fixture.h"

namespace {

using platform::service_state::Running;
using platform::service_state::Stopped;

class LocationsTest : public EngineTest {
protected:
    const std::wstring win = L"C:\\Windows\\";
    std::vector<std::string> Commands() {
        std::vector<std::string> out;
        for (auto& [line, show] : fakes.processes.Commands) {
            EXPECT_EQ(show, platform::show::Hide);
            out.push_back(line);
        }
        return out;
    }
};

TEST_F(LocationsTest, HotfixLeftoversFollowTheirExactForms) {
    OnlyCategories({settings::Option::Hotfix});
    fakes.files.AddFile(win + L"$NtUninstallKB123456$\\spuninst.exe");
    fakes.files.AddFile(win + L"KB123456.log");
    fakes.files.AddFile(win + L"kb123457.log");
    fakes.files.AddFile(win + L"KB123458.LOG");
    fakes.files.AddFile(win + L"explorer.exe");
    fakes.files.AddFile(win + L"SoftwareDistribution\\Download\\x.cab");
    fakes.files.AddFile(win + L"AppPatch\\sysmain.sdb");
    CleanNow();
    EXPECT_FALSE(Exists(win + L"$NtUninstallKB123456$"));
    EXPECT_FALSE(Exists(win + L"KB123456.log"));
    EXPECT_TRUE(Exists(win + L"kb123457.log"));
    EXPECT_TRUE(Exists(win + L"KB123458.LOG"));
    EXPECT_TRUE(Exists(win + L"explorer.exe"));
    EXPECT_TRUE(fakes.files.DirectoryExists(win + L"SoftwareDistribution\\Download"));
    EXPECT_TRUE(fakes.files.Under(win + L"SoftwareDistribution\\Download").empty());
    EXPECT_FALSE(Exists(win + L"AppPatch\\sysmain.sdb"));
    EXPECT_TRUE(AnyRowContains(L"Clean Windows hotfix or patch"));
    EXPECT_GE(State().Deleted.Items, 2);
}

TEST_F(LocationsTest, UpdateServiceIsRestartedOnlyWhenTheRunStoppedIt) {
    OnlyCategories({settings::Option::DataStore});
    fakes.serviceControl.Set(L"wuauserv", Running);
    fakes.files.AddFile(win + L"SoftwareDistribution\\DataStore\\DataStore.edb");
    fakes.files.AddFile(win + L"SoftwareDistribution\\DataStore.edb");
    CleanNow();
    EXPECT_EQ(Commands(), (std::vector<std::string>{"net stop wuauserv", "net start wuauserv"}));
    EXPECT_FALSE(Exists(win + L"SoftwareDistribution\\DataStore.edb"));
    EXPECT_TRUE(AnyRowContains(L"Clean Windows update temporary file"));

    fakes.processes.Commands.clear();
    fakes.serviceControl.Set(L"wuauserv", Stopped);
    CleanNow();
    EXPECT_TRUE(Commands().empty()) << "a service that was not running stays stopped";
}

TEST_F(LocationsTest, UpdateServiceRestartsAfterAStopRequest) {
    OnlyCategories({settings::Option::Hotfix, settings::Option::Logfile});
    fakes.serviceControl.Set(L"wuauserv", Running);
    fakes.files.AddFile(win + L"AppPatch\\a.sdb");
    fakes.files.AddFile(win + L"AppPatch\\b.sdb");
    fakes.files.BeforeRemove = [&](const std::wstring&) { State().StopRequested = true; };
    CleanNow();
    EXPECT_EQ(Commands(), (std::vector<std::string>{"net stop wuauserv", "net start wuauserv"}));
}

TEST_F(LocationsTest, SideBySideStoreLosesItsCachesButStays) {
    OnlyCategories({settings::Option::Winsxs});
    fakes.files.AddFile(win + L"winsxs\\Backup\\a.man");
    fakes.files.AddFile(win + L"winsxs\\ManifestCache\\b.bin");
    fakes.files.AddFile(win + L"winsxs\\x86_component\\c.dll");
    CleanNow();
    EXPECT_FALSE(Exists(win + L"winsxs\\Backup"));
    EXPECT_FALSE(Exists(win + L"winsxs\\ManifestCache"));
    EXPECT_TRUE(Exists(win + L"winsxs\\x86_component\\c.dll"));
    EXPECT_TRUE(AnyRowContains(L"Clean Backup and Cache folder in 'winsxs'"));
}

TEST_F(LocationsTest, MediaPlayerCachesAndDatabase) {
    OnlyCategories({settings::Option::WMPcache, settings::Option::WMPdatabase});
    const std::wstring wmp = std::wstring(kLocal) + L"\\Microsoft\\Media Player\\";
    fakes.files.AddFile(wmp + L"Art Cache\\LocalMLS\\a.jpg");
    fakes.files.AddFile(wmp + L"Sync\\OfflineCache\\b.dat");
    fakes.files.AddFile(wmp + L"cache.dat");
    fakes.files.AddFile(wmp + L"CurrentDatabase_372.WMDB");
    fakes.files.AddFile(wmp + L"Sync\\other.wmdb");
    CleanNow();
    EXPECT_FALSE(Exists(wmp + L"Art Cache"));
    EXPECT_FALSE(Exists(wmp + L"Sync\\OfflineCache"));
    EXPECT_TRUE(Exists(wmp + L"cache.dat"));
    EXPECT_FALSE(Exists(wmp + L"CurrentDatabase_372.WMDB"));
    EXPECT_FALSE(Exists(wmp + L"Sync\\other.wmdb"));
    EXPECT_TRUE(fakes.files.DirectoryExists(wmp));
}

TEST_F(LocationsTest, ErrorReportsOfTheUserOnlyWithTheSystemFolder) {
    OnlyCategories({settings::Option::Errorreport});
    const std::wstring user = std::wstring(kLocal) + L"\\Microsoft\\Windows\\WER\\";
    fakes.files.AddFile(user + L"ReportQueue\\r.wer");
    CleanNow();
    EXPECT_TRUE(Exists(user + L"ReportQueue\\r.wer"));
    EXPECT_FALSE(AnyRowContains(L"Windows error report"));
    fakes.files.AddFile(L"C:\\ProgramData\\Microsoft\\Windows\\WER\\ReportArchive\\s.wer");
    CleanNow();
    EXPECT_FALSE(Exists(user + L"ReportQueue"));
    EXPECT_TRUE(fakes.files.DirectoryExists(user));
    EXPECT_TRUE(AnyRowContains(L"Clean Windows error report"));
}

TEST_F(LocationsTest, SystemFoldersAreReachedThroughSysnativeUnderWow64) {
    OnlyCategories({settings::Option::Logfile, settings::Option::WDIfile});
    fakes.processes.Wow64 = true;
    fakes.files.AddFile(win + L"Sysnative\\LogFiles\\setupapi.log");
    fakes.files.AddFile(win + L"Sysnative\\WDI\\x.etl");
    fakes.files.AddFile(win + L"System32\\LogFiles\\wow.log"); // the 32-bit view
    CleanNow();
    EXPECT_FALSE(Exists(win + L"Sysnative\\LogFiles\\setupapi.log"));
    EXPECT_FALSE(Exists(win + L"Sysnative\\WDI\\x.etl"));
    EXPECT_TRUE(Exists(win + L"System32\\LogFiles\\wow.log"));
    EXPECT_TRUE(AnyRowContains(L"Clean system log files"));
    EXPECT_TRUE(AnyRowContains(L"Clean WDI created files"));
}

class SearchIndexTest : public LocationsTest {
protected:
    const std::wstring data = L"C:\\ProgramData\\Microsoft\\Search\\Data\\Applications\\Windows\\";
    void SetUp() override {
        OnlyCategories({settings::Option::SearchDB});
        fakes.files.AddFile(data + L"Projects\\SystemIndex\\Indexer\\a.ci");
        fakes.files.AddFile(data + L"Windows.edb");
        fakes.files.AddFile(data + L"MSS.log");
        fakes.files.AddFile(data + L"MSS00001.jrs");
        fakes.files.AddFile(data + L"keep.txt");
    }
};

TEST_F(SearchIndexTest, CleanedOnceTheServiceReportsStopped) {
    fakes.serviceControl.Set(L"WSearch", Running);
    fakes.serviceControl.QueriesToChange = 4;
    CleanNow();
    EXPECT_EQ(Commands(), (std::vector<std::string>{"net stop WSearch"}));
    EXPECT_TRUE(Form1().Timer9.Enabled()) << "the run does not wait";
    EXPECT_TRUE(Exists(data + L"Windows.edb"));
    backend.Advance(5000);
    EXPECT_FALSE(Form1().Timer9.Enabled());
    EXPECT_FALSE(Exists(data + L"Projects\\SystemIndex"));
    EXPECT_FALSE(Exists(data + L"Windows.edb"));
    EXPECT_FALSE(Exists(data + L"MSS.log"));
    EXPECT_FALSE(Exists(data + L"MSS00001.jrs"));
    EXPECT_TRUE(Exists(data + L"keep.txt"));
    EXPECT_TRUE(AnyRowContains(L"Clean Search database and index"));
    // After the run the user phase is still raised, so with Recycle on the index went
    // to the recycle bin.
    EXPECT_NE(std::find(fakes.shell.RecycleBin.begin(), fakes.shell.RecycleBin.end(),
                        data + L"Windows.edb"),
              fakes.shell.RecycleBin.end());
}

TEST_F(SearchIndexTest, ASecondStopAfter300TicksAndGivingUpAt600) {
    fakes.serviceControl.Set(L"WSearch", Running);
    fakes.serviceControl.Stubborn.insert(L"WSearch");
    CleanNow();
    backend.Advance(300 * 500);
    EXPECT_EQ(Commands(), (std::vector<std::string>{"net stop WSearch", "net stop WSearch"}));
    EXPECT_TRUE(Form1().Timer9.Enabled());
    backend.Advance(300 * 500 + 1000);
    EXPECT_FALSE(Form1().Timer9.Enabled());
    EXPECT_EQ(Commands().size(), 2u);
    EXPECT_TRUE(Exists(data + L"Windows.edb"));
}

TEST_F(SearchIndexTest, TicksThatCannotQueryAreNotCounted) {
    fakes.serviceControl.Set(L"WSearch", std::nullopt);
    CleanNow();
    EXPECT_TRUE(Commands().empty());
    backend.Advance(700 * 500);
    EXPECT_TRUE(Form1().Timer9.Enabled()) << "it keeps polling";
    EXPECT_EQ(State().ServiceWaitTicks, 0);
}

} // namespace
