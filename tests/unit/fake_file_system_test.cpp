// The doubles must behave as Windows does wherever a cleaner could go wrong: a double
// kinder than Windows would let a walker that deletes too much pass its tests.
#include <gtest/gtest.h>

#include "platform/fake/fake_services.h"

using namespace platform;
using platform::fake::FakeFileSystem;
using platform::fake::FakeProcesses;
using platform::fake::FakeServiceControl;
using platform::fake::FakeShell;

namespace {

std::vector<std::wstring> Names(FakeFileSystem& fs, const std::wstring& pattern) {
    std::vector<std::wstring> names;
    auto listing = fs.List(pattern);
    FindData entry;
    while (listing && listing->Next(entry)) names.push_back(entry.name);
    return names;
}

class FakeFileSystemTest : public ::testing::Test {
protected:
    FakeFileSystem fs;
    FakeShell shell{fs};
};

// --- Paths ---

TEST_F(FakeFileSystemTest, NamesMatchWithoutCaseAndKeepTheirStoredCase) {
    fs.AddFile(L"C:\\Temp\\Sub\\Report.TXT");
    EXPECT_TRUE(fs.FileExists(L"c:\\TEMP\\sub\\report.txt"));
    EXPECT_TRUE(fs.DirectoryExists(L"C:\\temp\\SUB\\"));
    EXPECT_EQ(fs.Under(L"c:\\temp"),
              (std::vector<std::wstring>{L"C:\\Temp\\Sub", L"C:\\Temp\\Sub\\Report.TXT"}));
}

TEST_F(FakeFileSystemTest, RelativePathsAndRoots) {
    EXPECT_TRUE(fs.DirectoryExists(L"C:\\"));
    EXPECT_TRUE(fs.DirectoryExists(L"D:"));
    EXPECT_TRUE(fs.MakeDirectory(L"Data\\"));
    EXPECT_TRUE(fs.DirectoryExists(L"C:\\Work\\Data")) << "completed from Current";
    EXPECT_FALSE(fs.MakeDirectory(L"C:\\Missing\\Child")) << "the parent must exist";
    EXPECT_FALSE(fs.MakeDirectory(L"C:\\Work\\Data")) << "already there";
    fs.FailCreate = true;
    EXPECT_FALSE(fs.MakeDirectory(L"C:\\Work\\Other"));
}

// --- Listings ---

TEST_F(FakeFileSystemTest, ListingGivesDotsFirstThenNamesInFoldedOrder) {
    fs.AddFile(L"C:\\T\\b.txt", 7);
    fs.AddDirectory(L"C:\\T\\Alpha");
    fs.AddFile(L"C:\\T\\C.log");
    fs.AddFile(L"C:\\T\\a.txt");
    EXPECT_EQ(Names(fs, L"C:\\T\\*.*"),
              (std::vector<std::wstring>{L".", L"..", L"a.txt", L"Alpha", L"b.txt", L"C.log"}));
    EXPECT_EQ(Names(fs, L"C:\\T\\*"), Names(fs, L"C:\\T\\*.*"));
}

TEST_F(FakeFileSystemTest, FolderEntriesLeaveOutOnlyTheTwoDotEntries) {
    fs.AddFile(L"C:\\T\\.hidden");
    fs.AddFile(L"C:\\T\\a.txt");
    fs.AddDirectory(L"C:\\T\\..b");
    fs.AddFile(L"C:\\top.txt");
    struct Case {
        const wchar_t* folder;
        bool listed;
        std::vector<std::wstring> names;
    };
    for (const Case& c : {Case{L"C:\\T\\", true, {L"..b", L".hidden", L"a.txt"}},
                          Case{L"C:\\T\\..b\\", true, {}},
                          Case{L"C:\\", true, {L"T", L"top.txt", L"Work"}},
                          Case{L"C:\\Missing\\", false, {}}}) {
        FolderEntries entries(fs, c.folder);
        std::vector<std::wstring> names;
        FindData entry;
        while (entries.Next(entry)) names.push_back(entry.name);
        EXPECT_EQ(entries.Listed(), c.listed) << c.folder;
        EXPECT_EQ(names, c.names) << c.folder;
    }
}

TEST_F(FakeFileSystemTest, ListingIsASnapshotAndIsCounted) {
    fs.AddFile(L"C:\\T\\a", 3);
    fs.AddFile(L"C:\\T\\b");
    auto listing = fs.List(L"C:\\T\\*.*");
    ASSERT_TRUE(listing);
    EXPECT_EQ(fs.ListingsOpen, 1);
    ASSERT_TRUE(fs.RemoveFile(L"C:\\T\\b"));
    std::vector<std::wstring> seen;
    FindData entry;
    while (listing->Next(entry)) seen.push_back(entry.name);
    EXPECT_EQ(seen, (std::vector<std::wstring>{L".", L"..", L"a", L"b"}));
    listing.reset();
    EXPECT_EQ(fs.ListingsOpen, 0);
    EXPECT_EQ(fs.ListingsStarted, 1);
}

TEST_F(FakeFileSystemTest, ListingCannotStartOnAFileAMissingOrADeniedFolder) {
    fs.AddFile(L"C:\\T\\a");
    fs.AddDirectory(L"C:\\Locked");
    fs.DenyListing(L"C:\\Locked");
    EXPECT_FALSE(fs.List(L"C:\\T\\a\\*.*"));
    EXPECT_FALSE(fs.List(L"C:\\Nowhere\\*.*"));
    EXPECT_FALSE(fs.List(L"C:\\Locked\\*.*"));
    EXPECT_EQ(fs.ListingsOpen, 0);
}

TEST_F(FakeFileSystemTest, ListingAJunctionReadsItsTargetAndIsCounted) {
    fs.AddFile(L"D:\\Keep\\precious.doc");
    fs.AddJunction(L"C:\\T\\Link", L"D:\\Keep");
    auto listing = fs.List(L"C:\\T\\*.*");
    FindData entry;
    while (listing->Next(entry) && entry.name != L"Link") {
    }
    EXPECT_TRUE(entry.IsDirectory() && entry.IsLink()) << "a walker can tell it is a link";
    listing.reset();
    EXPECT_EQ(fs.ListingsThroughLinks, 0);
    EXPECT_EQ(Names(fs, L"C:\\T\\Link\\*.*"),
              (std::vector<std::wstring>{L".", L"..", L"precious.doc"}));
    EXPECT_EQ(fs.ListingsThroughLinks, 1);
}

// --- Removal ---

TEST_F(FakeFileSystemTest, RemoveFileRefusesReadOnlyLockedFoldersAndMissing) {
    fs.AddFile(L"C:\\T\\ro", 1, attr::ReadOnly);
    fs.AddFile(L"C:\\T\\held");
    fs.Lock(L"C:\\T\\held");
    fs.AddFile(L"C:\\T\\plain");
    std::vector<std::wstring> attempts;
    fs.BeforeRemove = [&](const std::wstring& p) { attempts.push_back(p); };
    EXPECT_FALSE(fs.RemoveFile(L"C:\\T\\ro"));
    EXPECT_FALSE(fs.RemoveFile(L"C:\\T\\held"));
    EXPECT_FALSE(fs.RemoveFile(L"C:\\T"));
    EXPECT_FALSE(fs.RemoveFile(L"C:\\T\\gone"));
    EXPECT_TRUE(fs.RemoveFile(L"c:\\t\\PLAIN"));
    EXPECT_EQ(attempts.size(), 5u);
    EXPECT_EQ(fs.Removed, (std::vector<std::wstring>{L"c:\\t\\PLAIN"}));
    EXPECT_TRUE(fs.FileExists(L"C:\\T\\ro"));
    EXPECT_TRUE(fs.FileExists(L"C:\\T\\held"));
}

TEST_F(FakeFileSystemTest, RemoveFolderTakesOnlyEmptyFolders) {
    fs.AddFile(L"C:\\T\\Full\\x");
    fs.AddDirectory(L"C:\\T\\Empty");
    EXPECT_FALSE(fs.RemoveFolder(L"C:\\T\\Full"));
    EXPECT_FALSE(fs.RemoveFolder(L"C:\\T\\Full\\x"));
    EXPECT_TRUE(fs.RemoveFolder(L"C:\\T\\Empty\\"));
    EXPECT_TRUE(fs.FileExists(L"C:\\T\\Full\\x"));
    EXPECT_FALSE(fs.Exists(L"C:\\T\\Empty"));
}

TEST_F(FakeFileSystemTest, RemovingLinksLeavesTheirTargetsWhole) {
    fs.AddFile(L"D:\\Keep\\a.doc");
    fs.AddFile(L"D:\\Keep\\Sub\\b.doc");
    fs.AddFile(L"D:\\one.doc");
    fs.AddJunction(L"C:\\T\\J", L"D:\\Keep");
    fs.AddFileLink(L"C:\\T\\F", L"D:\\one.doc");
    const auto before = fs.Under(L"D:\\");
    EXPECT_FALSE(fs.RemoveFile(L"C:\\T\\J")) << "a junction is no file";
    EXPECT_TRUE(fs.RemoveFolder(L"C:\\T\\J"));
    EXPECT_FALSE(fs.RemoveFolder(L"C:\\T\\F"));
    EXPECT_TRUE(fs.RemoveFile(L"C:\\T\\F"));
    EXPECT_EQ(fs.Under(L"C:\\T"), std::vector<std::wstring>{});
    EXPECT_EQ(fs.Under(L"D:\\"), before);
}

TEST_F(FakeFileSystemTest, AttributesChangeButKindStays) {
    fs.AddJunction(L"C:\\T\\J", L"D:\\X");
    fs.AddFile(L"C:\\T\\f", 1, attr::ReadOnly | attr::Hidden);
    ASSERT_TRUE(fs.SetAttributes(L"C:\\T\\f", attr::Normal));
    ASSERT_TRUE(fs.SetAttributes(L"C:\\T\\J", attr::Hidden));
    std::uint32_t a = 0;
    ASSERT_TRUE(fs.GetAttributes(L"C:\\T\\f", a));
    EXPECT_EQ(a & (attr::ReadOnly | attr::Hidden), 0u);
    ASSERT_TRUE(fs.GetAttributes(L"C:\\T\\J", a));
    EXPECT_EQ(a, attr::Directory | attr::ReparsePoint | attr::Hidden);
    EXPECT_FALSE(fs.SetAttributes(L"C:\\T\\none", 0));
}

// --- The shell ---

TEST_F(FakeFileSystemTest, ShellDeleteTakesReadOnlyKeepsHeldFilesAndTheirFolders) {
    fs.AddFile(L"C:\\T\\Item\\ro.txt", 1, attr::ReadOnly);
    fs.AddFile(L"C:\\T\\Item\\Busy\\held.dat");
    fs.AddFile(L"C:\\T\\Item\\Busy\\free.dat");
    fs.Lock(L"C:\\T\\Item\\Busy\\held.dat");
    EXPECT_NE(shell.DeleteWithShell(L"C:\\T\\Item", false), 0);
    EXPECT_EQ(fs.Under(L"C:\\T"), (std::vector<std::wstring>{L"C:\\T\\Item", L"C:\\T\\Item\\Busy",
                                                             L"C:\\T\\Item\\Busy\\held.dat"}));
    EXPECT_TRUE(fs.Removed.empty()) << "the shell's deletions are not the program's";
}

TEST_F(FakeFileSystemTest, ShellDeleteNeverFollowsAJunctionInside) {
    fs.AddFile(L"D:\\Keep\\Sub\\a.doc", 1, attr::ReadOnly);
    fs.AddJunction(L"C:\\T\\Item\\J", L"D:\\Keep");
    fs.AddFile(L"C:\\T\\Item\\x");
    const auto before = fs.Under(L"D:\\");
    EXPECT_EQ(shell.DeleteWithShell(L"C:\\T\\Item", false), 0);
    EXPECT_FALSE(fs.Exists(L"C:\\T\\Item"));
    EXPECT_EQ(fs.Under(L"D:\\"), before);
    EXPECT_NE(shell.DeleteWithShell(L"C:\\T\\Item", false), 0) << "now missing";
    EXPECT_EQ(shell.Calls.size(), 2u);
}

TEST_F(FakeFileSystemTest, RecycleBinTakesTheItemWholeOrNotAtAll) {
    fs.AddFile(L"C:\\T\\A\\x");
    fs.AddFile(L"C:\\T\\A\\Deep\\held");
    fs.Lock(L"C:\\T\\A\\Deep\\held");
    fs.AddFile(L"C:\\T\\B\\y", 1, attr::ReadOnly);
    const auto before = fs.Under(L"C:\\T\\A");
    EXPECT_NE(shell.DeleteWithShell(L"C:\\T\\A", true), 0);
    EXPECT_EQ(fs.Under(L"C:\\T\\A"), before);
    EXPECT_EQ(shell.DeleteWithShell(L"C:\\T\\B", true), 0);
    EXPECT_FALSE(fs.Exists(L"C:\\T\\B"));
    EXPECT_EQ(shell.RecycleBin, std::vector<std::wstring>{L"C:\\T\\B"});
}

TEST_F(FakeFileSystemTest, FreeSpaceComesBackOnlyWhenTheRecycleBinIsEmptied) {
    fake::FakeDiskSpace space{fs, shell};
    space.Capacity = 10000;
    fs.AddFile(L"C:\\T\\a", 1000);
    fs.AddFile(L"C:\\T\\Sub\\b", 500);
    fs.AddFile(L"D:\\c", 300);
    EXPECT_EQ(space.FreeBytes(L"C:\\"), 8500u);
    EXPECT_EQ(space.FreeBytes(L"c:\\t\\a"), 8500u) << "any path on the drive";
    EXPECT_EQ(space.FreeBytes(L"D:"), 9700u);

    ASSERT_EQ(shell.DeleteWithShell(L"C:\\T\\Sub", true), 0);
    EXPECT_EQ(space.FreeBytes(L"C:\\"), 8500u) << "a recycled file keeps its room";
    ASSERT_EQ(shell.DeleteWithShell(L"D:\\c", false), 0);
    EXPECT_EQ(space.FreeBytes(L"D:\\"), 10000u) << "a deleted one frees it";
    const std::optional<RecycleBinContents> bins = space.RecycleBins();
    ASSERT_TRUE(bins);
    EXPECT_EQ(bins->items, 1u);
    EXPECT_EQ(bins->bytes, 500u);

    ASSERT_TRUE(shell.EmptyRecycleBins(nullptr));
    EXPECT_EQ(space.FreeBytes(L"C:\\"), 9000u);
    EXPECT_EQ(space.RecycleBins()->bytes, 0u);
    space.BinQueryFails = space.FreeSpaceFails = true;
    EXPECT_FALSE(space.RecycleBins());
    EXPECT_FALSE(space.FreeBytes(L"C:\\"));
}

TEST_F(FakeFileSystemTest, ShellRefusesPathsOfMaxPathOrMore) {
    const std::wstring folder = L"C:\\T\\" + std::wstring(240, L'f');
    fs.AddFile(folder + L"\\" + std::wstring(10, L'n'));     // 256 units: fine
    fs.AddFile(folder + L"\\Deep\\" + std::wstring(20, L'n')); // 266 units, inside
    EXPECT_NE(shell.DeleteWithShell(folder, false), 0);
    EXPECT_NE(shell.DeleteWithShell(folder, true), 0);
    EXPECT_EQ(fs.Under(folder).size(), 3u) << "nothing changed";
    // Counted in UTF-16 units whatever the width of wchar_t: U+1F600 takes two, 260 in all.
    const std::wstring wide = L"C:\\T\\" + std::wstring(253, L'w') + L"\U0001F600";
    fs.AddFile(wide);
    EXPECT_NE(shell.DeleteWithShell(wide, false), 0);
    EXPECT_TRUE(fs.FileExists(wide));
    EXPECT_EQ(shell.DeleteWithShell(folder + L"\\" + std::wstring(10, L'n'), false), 0);
}

// --- Services and processes ---

TEST(FakeServicesTest, ServiceReachesItsNewStateAfterTheQueries) {
    FakeServiceControl services;
    services.QueriesToChange = 2;
    services.Set(L"Spooler", service_state::Running);
    services.Set(L"Other", service_state::Running);
    services.Command(L"SPOOLER", service_state::Stopped);
    EXPECT_EQ(services.QueryState(L"Other"), service_state::Running);
    EXPECT_EQ(services.QueryState(L"spooler"), service_state::StopPending);
    EXPECT_EQ(services.QueryState(L"Other"), service_state::Running);
    EXPECT_EQ(services.QueryState(L"spooler"), service_state::Stopped);
    EXPECT_EQ(services.Queries, 4);
}

TEST(FakeServicesTest, StubbornAndUnknownServicesStayAsTheyAre) {
    FakeServiceControl services;
    services.Set(L"Audio", service_state::Stopped);
    services.Stubborn.insert(L"audio");
    services.Command(L"Audio", service_state::Running);
    services.Set(L"Hidden", std::nullopt);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(services.QueryState(L"Audio"), service_state::Stopped);
    EXPECT_EQ(services.QueryState(L"Hidden"), std::nullopt);
    EXPECT_EQ(services.QueryState(L"Never"), std::nullopt);
}

TEST(FakeServicesTest, NetCommandsAreRecordedAndReachTheService) {
    FakeServiceControl services;
    services.QueriesToChange = 1;
    services.Set(L"wuauserv", service_state::Running);
    FakeProcesses processes{services};
    EXPECT_GT(processes.Run("NET stop wuauserv", show::Hide), 31u);
    processes.Run("notepad.exe stop wuauserv", show::Maximized);
    EXPECT_EQ(processes.Commands,
              (std::vector<std::pair<std::string, int>>{{"NET stop wuauserv", show::Hide},
                                                        {"notepad.exe stop wuauserv",
                                                         show::Maximized}}));
    EXPECT_EQ(services.QueryState(L"wuauserv"), service_state::Stopped);
    processes.Run("net start \"wuauserv\"", show::Hide);
    EXPECT_EQ(services.QueryState(L"wuauserv"), service_state::Running);
}

} // namespace
