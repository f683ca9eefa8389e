#include "engine_fixture.h"

namespace {

using engine::WithBackslash;

class WalkerTest : public EngineTest {
protected:
    const std::wstring dir = L"C:\\Junk";
    void Tree() {
        fakes.files.AddFile(dir + L"\\a.txt");
        fakes.files.AddFile(dir + L"\\b.bin", 5, platform::attr::ReadOnly | platform::attr::Hidden);
        fakes.files.AddFile(dir + L"\\sub\\c.txt");
        fakes.files.AddFile(dir + L"\\sub\\deeper\\d.txt");
    }
    std::wstring CountText() { return Form1().StatusBar1.Panel(1).text; }
};

TEST_F(WalkerTest, DriveRootsAndShortPathsAreNeverWalked) {
    fakes.files.AddFile(L"C:\\keep.txt");
    State().CurrentPath = L"C:\\";
    EXPECT_FALSE(Walkers().DeleteFolderTree(L"C:\\", false));
    EXPECT_FALSE(Walkers().DeleteFolderTree(L"C:", true));
    EXPECT_TRUE(Exists(L"C:\\keep.txt"));
    EXPECT_EQ(fakes.files.ListingsStarted, 0);
}

TEST_F(WalkerTest, CurrentPathDecidesWhetherTheWalkedFolderStays) {
    Tree();
    State().CurrentPath = dir + L"\\";
    EXPECT_TRUE(Walkers().DeleteFolderTree(State().CurrentPath, false));
    EXPECT_TRUE(fakes.files.DirectoryExists(dir));
    EXPECT_TRUE(fakes.files.Under(dir).empty());
    EXPECT_EQ(State().DeletedCount, 3) << "two files and one subfolder";
    EXPECT_EQ(CountText(), L"Deleted 3");

    Tree();
    EXPECT_TRUE(Walkers().DeleteFolderTree(State().CurrentPath, true));
    EXPECT_FALSE(Exists(dir));

    Tree();
    State().CurrentPath = L"C:\\"; // the parent: the folder goes once empty
    EXPECT_TRUE(Walkers().DeleteFolderTree(dir, false));
    EXPECT_FALSE(Exists(dir));

    Tree();
    State().CurrentPath = dir; // no trailing backslash: not the same path
    EXPECT_TRUE(Walkers().DeleteFolderTree(dir + L"\\", false));
    EXPECT_FALSE(Exists(dir));
}

TEST_F(WalkerTest, DotEntriesStayWithoutFailingTheWalk) {
    fakes.files.AddFile(dir + L"\\.htaccess");
    fakes.files.AddDirectory(dir + L"\\.git");
    fakes.files.AddFile(dir + L"\\x.tmp");
    State().CurrentPath = L"C:\\Other\\";
    EXPECT_FALSE(Walkers().DeleteFolderTree(dir, false)) << "the folder could not be removed";
    EXPECT_TRUE(Exists(dir + L"\\.htaccess"));
    EXPECT_TRUE(Exists(dir + L"\\.git"));
    EXPECT_FALSE(Exists(dir + L"\\x.tmp"));
    State().CurrentPath = dir + L"\\";
    fakes.files.AddFile(dir + L"\\y.tmp");
    EXPECT_TRUE(Walkers().DeleteFolderTree(dir + L"\\", false)) << "skipped entries are no failure";
}

TEST_F(WalkerTest, ALockedFileDeepDownFailsTheTopButTheRestGoes) {
    Tree();
    fakes.files.AddFile(dir + L"\\sub\\deeper\\open.db");
    fakes.files.Lock(dir + L"\\sub\\deeper\\open.db");
    State().CurrentPath = dir + L"\\";
    EXPECT_FALSE(Walkers().DeleteFolderTree(State().CurrentPath, false));
    EXPECT_EQ(fakes.files.Under(dir),
              (std::vector<std::wstring>{dir + L"\\sub", dir + L"\\sub\\deeper",
                                         dir + L"\\sub\\deeper\\open.db"}));
}

TEST_F(WalkerTest, RecyclingOnlyForTheUsersTargetsWithTheOptionOn) {
    Tree();
    ASSERT_TRUE(Form2().Box(settings::Option::Recycle).Checked());
    State().CurrentPath = dir + L"\\";
    Walkers().DeleteFolderTree(State().CurrentPath, false);
    EXPECT_TRUE(fakes.shell.RecycleBin.empty()) << "built-in locations go permanently";
    EXPECT_TRUE(fakes.shell.Calls.empty());

    Tree();
    State().UserTargetsPhase = true;
    State().ItemRowsPhase = true;
    Walkers().DeleteFolderTree(State().CurrentPath, false);
    EXPECT_EQ(fakes.shell.RecycleBin,
              (std::vector<std::wstring>{dir + L"\\a.txt", dir + L"\\b.bin", dir + L"\\sub"}));
    EXPECT_TRUE(AnyRowContains(dir + L"\\sub")) << "items are listed in the user phase";
    EXPECT_EQ(Form1().ListView1.Item(Form1().ListView1.Count() - 1).imageIndex,
              engine::picture::DeletedFolder);

    Tree();
    Form2().Box(settings::Option::Recycle).SetChecked(false);
    Walkers().DeleteFolderTree(State().CurrentPath, false);
    EXPECT_EQ(fakes.shell.RecycleBin.size(), 3u) << "option off: nothing more recycled";
    EXPECT_TRUE(fakes.files.Under(dir).empty());
}

TEST_F(WalkerTest, LinksAreRemovedAsLinksAndNeverEntered) {
    const std::wstring precious = L"D:\\Precious";
    fakes.files.AddFile(precious + L"\\thesis.doc");
    fakes.files.AddFile(precious + L"\\photos\\one.jpg");
    fakes.files.AddFile(L"D:\\notes.txt");
    fakes.files.AddJunction(dir + L"\\docs", precious);
    fakes.files.AddJunction(dir + L"\\sub\\back", precious);
    fakes.files.AddFileLink(dir + L"\\notes.lnk", L"D:\\notes.txt");
    fakes.files.AddFile(dir + L"\\sub\\x.tmp");
    fakes.files.Lock(dir + L"\\sub\\x.tmp"); // makes the walker descend into sub
    State().CurrentPath = dir + L"\\";
    Walkers().DeleteFolderTree(State().CurrentPath, false);
    EXPECT_EQ(fakes.files.Under(precious).size(), 3u);
    EXPECT_TRUE(Exists(L"D:\\notes.txt"));
    EXPECT_FALSE(Exists(dir + L"\\docs"));
    EXPECT_FALSE(Exists(dir + L"\\sub\\back"));
    EXPECT_FALSE(Exists(dir + L"\\notes.lnk"));
    EXPECT_EQ(fakes.files.ListingsThroughLinks, 0);

    // A folder to empty that is itself a link is left alone.
    fakes.files.AddJunction(L"C:\\Alias", precious);
    State().CurrentPath = L"C:\\Alias\\";
    EXPECT_FALSE(Walkers().DeleteFolderTree(State().CurrentPath, false));
    EXPECT_TRUE(Exists(L"C:\\Alias"));
    Walkers().DeleteMatching(L"C:\\Alias", L"", false, true, L"", false, L".doc");
    EXPECT_EQ(fakes.files.Under(precious).size(), 3u);
    EXPECT_EQ(fakes.files.ListingsThroughLinks, 0);
}

TEST_F(WalkerTest, ANestedWalkCannotMoveTheOuterWalksMarker) {
    Tree();
    State().CurrentPath = dir + L"\\";
    // The search-index timer runs inside a pump of this walk and sets CurrentPath.
    fakes.files.BeforeRemove = [&](const std::wstring&) { State().CurrentPath = L"C:\\Index\\SystemIndex"; };
    EXPECT_TRUE(Walkers().DeleteFolderTree(dir + L"\\", false));
    EXPECT_TRUE(fakes.files.DirectoryExists(dir)) << "the folder to keep is kept";
}

TEST_F(WalkerTest, AStopEndsTheWalkAfterTheCurrentEntry) {
    for (int i = 0; i < 10; ++i) fakes.files.AddFile(dir + L"\\f" + std::to_wstring(i) + L".tmp");
    State().CurrentPath = dir + L"\\";
    int removals = 0;
    fakes.files.BeforeRemove = [&](const std::wstring&) {
        if (++removals == 3) State().StopRequested = true;
    };
    EXPECT_TRUE(Walkers().DeleteFolderTree(State().CurrentPath, false));
    EXPECT_EQ(fakes.files.Removed.size(), 3u) << "the entry in hand completes";
    EXPECT_EQ(fakes.files.Under(dir).size(), 7u);
    EXPECT_EQ(fakes.files.ListingsOpen, 0);
}

TEST_F(WalkerTest, LongPathsAreDeletedWholeOrNotAtAll) {
    std::wstring deep = dir;
    while (deep.size() < 300) deep += L"\\a-rather-long-folder-name";
    fakes.files.AddFile(deep + L"\\file.tmp");
    State().CurrentPath = dir + L"\\";
    EXPECT_TRUE(Walkers().DeleteFolderTree(State().CurrentPath, false));
    EXPECT_TRUE(fakes.files.Under(dir).empty());

    // For the recycle bin the shell cannot take such a path: nothing goes permanently.
    fakes.files.AddFile(deep + L"\\file.tmp");
    State().UserTargetsPhase = true;
    EXPECT_FALSE(Walkers().ShellDeletePath(deep + L"\\file.tmp"));
    EXPECT_TRUE(Exists(deep + L"\\file.tmp"));
    EXPECT_TRUE(fakes.shell.RecycleBin.empty());
}

TEST_F(WalkerTest, MatchingRules) {
    const std::wstring m = L"C:\\Media";
    for (const wchar_t* f : {L"\\Cache\\1.bin", L"\\OfflineCache\\2.bin", L"\\Cache2\\3.bin",
                             L"\\cachex\\4.bin", L"\\keep\\A.LOG", L"\\keep\\b.Log", L"\\keep\\c.txt",
                             L"\\keep\\Thumbs.db.txt", L"\\keep\\noext"})
        fakes.files.AddFile(m + f);
    State().CurrentPath = L"C:\\";
    Walkers().DeleteMatching(m, L"Cache", false, true, L"", false, L"");
    EXPECT_FALSE(Exists(m + L"\\Cache"));
    EXPECT_FALSE(Exists(m + L"\\OfflineCache"));
    EXPECT_FALSE(Exists(m + L"\\Cache2"));
    EXPECT_TRUE(Exists(m + L"\\cachex\\4.bin")) << "folder names compare with case";
    EXPECT_EQ(State().CurrentPath, m + L"\\OfflineCache") << "the last matched folder";

    Walkers().DeleteMatching(m, L"", false, true, L"", false, L".LOG");
    EXPECT_TRUE(Exists(m + L"\\keep\\A.LOG")) << "an argument in capitals matches nothing";
    Walkers().DeleteMatching(m, L"", false, true, L"", false, L".log");
    EXPECT_FALSE(Exists(m + L"\\keep\\A.LOG"));
    EXPECT_FALSE(Exists(m + L"\\keep\\b.Log"));
    Walkers().DeleteMatching(m, L"", false, true, L"Thumbs.db", false, L".none");
    EXPECT_FALSE(Exists(m + L"\\keep\\Thumbs.db.txt")) << "a name match ignores the extension";
    EXPECT_TRUE(Exists(m + L"\\keep\\c.txt"));
    EXPECT_TRUE(Exists(m + L"\\keep\\noext"));
}

TEST_F(WalkerTest, SpecialFolderPathEndsInABackslashOrIsEmpty) {
    EXPECT_EQ(Walkers().SpecialFolderPath(platform::csidl::LocalAppData), std::wstring(kLocal) + L"\\");
    fakes.shell.Folders.erase(platform::csidl::InternetCache);
    EXPECT_EQ(Walkers().SpecialFolderPath(platform::csidl::InternetCache), L"");
}

TEST_F(WalkerTest, ProgressStepsWrapAtTheMaximum) {
    forms::ProgressBar& bar = Form1().ProgressBar1;
    bar.SetPosition(498);
    Walkers().StepProgress();
    EXPECT_EQ(bar.Position(), 499);
    Walkers().StepProgress();
    EXPECT_EQ(bar.Position(), 0);
    bar.SetPosition(495);
    Walkers().AdvanceProgress(10);
    EXPECT_EQ(bar.Position(), 500) << "a category's step holds at the maximum";
}

} // namespace
