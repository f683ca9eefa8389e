#include "engine_fixture.h"

namespace {

using engine::MatchRules;
using engine::NameTest;
using engine::Top;
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
    EXPECT_FALSE(Walkers().DeleteFolderTree(L"C:\\", Top::Keep));
    EXPECT_FALSE(Walkers().DeleteFolderTree(L"C:", Top::Remove));
    EXPECT_TRUE(Exists(L"C:\\keep.txt"));
    EXPECT_EQ(fakes.files.ListingsStarted, 0);
}

TEST_F(WalkerTest, TheWalkedFolderStaysUnlessTheWalkIsToldToRemoveIt) {
    Tree();
    EXPECT_TRUE(Walkers().DeleteFolderTree(dir + L"\\", Top::Keep));
    EXPECT_TRUE(fakes.files.DirectoryExists(dir));
    EXPECT_TRUE(fakes.files.Under(dir).empty());
    EXPECT_EQ(State().Deleted.Items, 3) << "two files and one subfolder";
    EXPECT_EQ(CountText(), L"Deleted 3");

    Tree();
    EXPECT_TRUE(Walkers().DeleteFolderTree(dir + L"\\", Top::Remove));
    EXPECT_FALSE(Exists(dir));

    Tree();
    EXPECT_TRUE(Walkers().DeleteFolderTree(dir, Top::Remove)) << "named without its backslash";
    EXPECT_FALSE(Exists(dir));
}

TEST_F(WalkerTest, DotEntriesStayWithoutFailingTheWalk) {
    fakes.files.AddFile(dir + L"\\.htaccess");
    fakes.files.AddDirectory(dir + L"\\.git");
    fakes.files.AddFile(dir + L"\\x.tmp");
    EXPECT_FALSE(Walkers().DeleteFolderTree(dir, Top::Remove)) << "the folder could not be removed";
    EXPECT_TRUE(Exists(dir + L"\\.htaccess"));
    EXPECT_TRUE(Exists(dir + L"\\.git"));
    EXPECT_FALSE(Exists(dir + L"\\x.tmp"));
    fakes.files.AddFile(dir + L"\\y.tmp");
    EXPECT_TRUE(Walkers().DeleteFolderTree(dir + L"\\", Top::Keep)) << "skipped entries are no failure";
}

TEST_F(WalkerTest, ALockedFileDeepDownFailsTheTopButTheRestGoes) {
    Tree();
    fakes.files.AddFile(dir + L"\\sub\\deeper\\open.db");
    fakes.files.Lock(dir + L"\\sub\\deeper\\open.db");
    EXPECT_FALSE(Walkers().DeleteFolderTree(dir + L"\\", Top::Keep));
    EXPECT_EQ(fakes.files.Under(dir),
              (std::vector<std::wstring>{dir + L"\\sub", dir + L"\\sub\\deeper",
                                         dir + L"\\sub\\deeper\\open.db"}));
}

TEST_F(WalkerTest, RecyclingOnlyForTheUsersTargetsWithTheOptionOn) {
    Tree();
    ASSERT_TRUE(Form2().Box(settings::Option::Recycle).Checked());
    Walkers().DeleteFolderTree(dir + L"\\", Top::Keep);
    EXPECT_TRUE(fakes.shell.RecycleBin.empty()) << "built-in locations go permanently";
    EXPECT_TRUE(fakes.shell.Calls.empty());

    Tree();
    State().UserTargetsPhase = true;
    State().ItemRowsPhase = true;
    Walkers().DeleteFolderTree(dir + L"\\", Top::Keep);
    EXPECT_EQ(fakes.shell.RecycleBin,
              (std::vector<std::wstring>{dir + L"\\a.txt", dir + L"\\b.bin", dir + L"\\sub"}));
    EXPECT_TRUE(AnyRowContains(dir + L"\\sub")) << "items are listed in the user phase";
    EXPECT_EQ(Form1().ListView1.Item(Form1().ListView1.Count() - 1).imageIndex,
              engine::picture::DeletedFolder);

    Tree();
    Form2().Box(settings::Option::Recycle).SetChecked(false);
    Walkers().DeleteFolderTree(dir + L"\\", Top::Keep);
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
    Walkers().DeleteFolderTree(dir + L"\\", Top::Keep);
    EXPECT_EQ(fakes.files.Under(precious).size(), 3u);
    EXPECT_TRUE(Exists(L"D:\\notes.txt"));
    EXPECT_FALSE(Exists(dir + L"\\docs"));
    EXPECT_FALSE(Exists(dir + L"\\sub\\back"));
    EXPECT_FALSE(Exists(dir + L"\\notes.lnk"));
    EXPECT_EQ(fakes.files.ListingsThroughLinks, 0);

    // A folder to empty that is itself a link is left alone.
    fakes.files.AddJunction(L"C:\\Alias", precious);
    EXPECT_FALSE(Walkers().DeleteFolderTree(L"C:\\Alias\\", Top::Keep));
    EXPECT_TRUE(Exists(L"C:\\Alias"));
    Walkers().DeleteMatching(L"C:\\Alias", MatchRules().Extension(L".doc"));
    EXPECT_EQ(fakes.files.Under(precious).size(), 3u);
    EXPECT_EQ(fakes.files.ListingsThroughLinks, 0);
}

TEST_F(WalkerTest, ANestedWalkCannotMoveTheOuterWalksTop) {
    Tree();
    fakes.files.AddFile(L"C:\\Index\\SystemIndex\\x.edb");
    // The search-index timer runs inside a pump of this walk and walks a tree of its own.
    bool nested = false;
    fakes.files.BeforeRemove = [&](const std::wstring&) {
        if (nested) return;
        nested = true;
        Walkers().DeleteMatching(L"C:\\Index", MatchRules().Folders(L"SystemIndex", NameTest::Within));
    };
    EXPECT_TRUE(Walkers().DeleteFolderTree(dir + L"\\", Top::Keep));
    EXPECT_TRUE(fakes.files.DirectoryExists(dir)) << "the folder to keep is kept";
    EXPECT_FALSE(Exists(L"C:\\Index\\SystemIndex")) << "the nested walk did its own work";
}

TEST_F(WalkerTest, AStopEndsTheWalkAfterTheCurrentEntry) {
    for (int i = 0; i < 10; ++i) fakes.files.AddFile(dir + L"\\f" + std::to_wstring(i) + L".tmp");
    int removals = 0;
    fakes.files.BeforeRemove = [&](const std::wstring&) {
        if (++removals == 3) State().StopRequested = true;
    };
    EXPECT_TRUE(Walkers().DeleteFolderTree(dir + L"\\", Top::Keep));
    EXPECT_EQ(fakes.files.Removed.size(), 3u) << "the entry in hand completes";
    EXPECT_EQ(fakes.files.Under(dir).size(), 7u);
    EXPECT_EQ(fakes.files.ListingsOpen, 0);
}

TEST_F(WalkerTest, LongPathsAreDeletedWholeOrNotAtAll) {
    std::wstring deep = dir;
    while (deep.size() < 300) deep += L"\\a-rather-long-folder-name";
    fakes.files.AddFile(deep + L"\\file.tmp");
    EXPECT_TRUE(Walkers().DeleteFolderTree(dir + L"\\", Top::Keep));
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
    Walkers().DeleteMatching(m, MatchRules().Folders(L"Cache", NameTest::Within));
    EXPECT_FALSE(Exists(m + L"\\Cache"));
    EXPECT_FALSE(Exists(m + L"\\OfflineCache"));
    EXPECT_FALSE(Exists(m + L"\\Cache2"));
    EXPECT_TRUE(Exists(m + L"\\cachex\\4.bin")) << "folder names compare with case";

    Walkers().DeleteMatching(m, MatchRules().Extension(L".LOG"));
    EXPECT_TRUE(Exists(m + L"\\keep\\A.LOG")) << "an argument in capitals matches nothing";
    Walkers().DeleteMatching(m, MatchRules().Extension(L".log"));
    EXPECT_FALSE(Exists(m + L"\\keep\\A.LOG"));
    EXPECT_FALSE(Exists(m + L"\\keep\\b.Log"));
    Walkers().DeleteMatching(m, MatchRules().Files(L"Thumbs.db", NameTest::Within).Extension(L".none"));
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
