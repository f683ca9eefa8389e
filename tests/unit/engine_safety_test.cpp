// Faults the randomized whole runs (tests/safety) found, each kept here as the
// smallest case that shows it.
#include "engine_fixture.h"

namespace {

class SafetyTest : public EngineTest {
protected:
    void SetUp() override { OnlyCategories({}); }
    // A stop request at the n-th removal attempt, as the Stop button would make it.
    void StopAtRemoval(int n) {
        fakes.files.BeforeRemove = [this, n, count = 0](const std::wstring&) mutable {
            if (++count == n) State().StopRequested = true;
        };
    }
};

// An exclusion that names a file kept nothing: only folders were checked.
TEST_F(SafetyTest, AnExcludedFileInASearchPathStays) {
    OnlyCategories({settings::Option::Oldfile});
    fakes.files.AddFile(L"D:\\Data\\a.tmp");
    fakes.files.AddFile(L"D:\\Data\\keep.tmp");
    fakes.files.AddFile(L"D:\\Data\\sub\\Keep.TMP");
    Form2().SearchPathList().Add(L"D:\\Data", true);
    Form2().ExcludePathList().Add(L"d:\\data\\KEEP.TMP\\", true);
    Form2().ExcludePathList().Add(L"D:\\Data\\sub\\keep.tm", true); // a name cut short: nothing
    CleanNow();
    EXPECT_FALSE(Exists(L"D:\\Data\\a.tmp"));
    EXPECT_TRUE(Exists(L"D:\\Data\\keep.tmp"));
    EXPECT_FALSE(Exists(L"D:\\Data\\sub\\Keep.TMP"));
}

// A stop during the user's first file went on to delete the others.
TEST_F(SafetyTest, AStopEndsTheUsersFiles) {
    Form2().Box(settings::Option::Recycle).SetChecked(false);
    for (const wchar_t* f : {L"C:\\Loose\\a.txt", L"C:\\Loose\\b.txt", L"C:\\Loose\\c.txt"}) {
        fakes.files.AddFile(f);
        Form2().DeleteFileList().Add(f, true);
    }
    StopAtRemoval(1);
    CleanNow();
    EXPECT_EQ(fakes.files.Removed, (std::vector<std::wstring>{L"C:\\Loose\\a.txt"}));
    EXPECT_TRUE(Exists(L"C:\\Loose\\b.txt"));
    EXPECT_TRUE(Exists(L"C:\\Loose\\c.txt"));
}

// With "also delete folder itself", an empty folder later in the list went after a stop.
TEST_F(SafetyTest, AStopEndsTheUsersFolders) {
    Form2().Box(settings::Option::Recycle).SetChecked(false);
    Form2().Box(settings::Option::Delfolder).SetChecked(true);
    fakes.files.AddFile(L"C:\\One\\x.txt");
    fakes.files.AddFile(L"C:\\One\\y.txt");
    fakes.files.AddDirectory(L"C:\\Two");
    Form2().DeleteFolderList().Add(L"C:\\One", true);
    Form2().DeleteFolderList().Add(L"C:\\Two", true);
    StopAtRemoval(1);
    CleanNow();
    EXPECT_EQ(fakes.files.Removed, (std::vector<std::wstring>{L"C:\\One\\x.txt"}));
    EXPECT_TRUE(Exists(L"C:\\Two"));
}

// With Recycle on, the folder itself was removed for good, and an empty folder the
// recycle bin refused (its path too long) as well. A link where a folder was listed
// goes as a link, never through the shell, which would be handed what it points at.
TEST_F(SafetyTest, RecycleOnLetsNothingOfTheUsersFoldersGoForGood) {
    Form2().Box(settings::Option::Recycle).SetChecked(true);
    Form2().Box(settings::Option::Delfolder).SetChecked(true);
    fakes.files.AddFile(L"C:\\Old\\a.txt");
    const std::wstring deep = L"C:\\Deep\\" + std::wstring(120, L'x') + L"\\" + std::wstring(140, L'y');
    fakes.files.AddDirectory(deep);
    fakes.files.AddFile(L"C:\\Dotted\\.keep");
    fakes.files.AddFile(L"E:\\Target\\kept.txt");
    fakes.files.AddJunction(L"C:\\Link", L"E:\\Target");
    for (const wchar_t* f : {L"C:\\Old", L"C:\\Deep", L"C:\\Dotted", L"C:\\Link"})
        Form2().DeleteFolderList().Add(f, true);
    CleanNow();
    EXPECT_EQ(fakes.files.Removed, (std::vector<std::wstring>{L"C:\\Link"}))
        << "everything else went through the recycle bin";
    EXPECT_FALSE(Exists(L"C:\\Old"));
    EXPECT_FALSE(Exists(L"C:\\Link"));
    EXPECT_TRUE(Exists(L"E:\\Target\\kept.txt"));
    EXPECT_TRUE(Exists(deep)) << "the bin cannot take it, so it stays";
    EXPECT_TRUE(Exists(L"C:\\Dotted\\.keep")) << "a folder holding a dot entry is not handed over";
    EXPECT_EQ(fakes.shell.RecycleBin,
              (std::vector<std::wstring>{L"C:\\Old\\a.txt", L"C:\\Old\\"}));
    EXPECT_EQ(State().Deleted.Items, 3);
}

// What a folder's removal took before something in it refused went uncounted, and so
// did a folder a walk emptied and then removed.
TEST_F(SafetyTest, EveryItemThatWentIsCounted) {
    OnlyCategories({settings::Option::Tempfolder});
    fakes.files.AddFile(std::wstring(kTemp) + L"sub\\a.txt");
    fakes.files.AddFile(std::wstring(kTemp) + L"sub\\b.txt");
    fakes.files.AddFile(std::wstring(kTemp) + L"sub\\open.db");
    fakes.files.Lock(std::wstring(kTemp) + L"sub\\open.db");
    CleanNow();
    EXPECT_EQ(fakes.files.Under(kTemp).size(), 2u);
    EXPECT_EQ(State().Deleted.Items, 2);

    OnlyCategories({});
    Form2().Box(settings::Option::Recycle).SetChecked(false);
    Form2().Box(settings::Option::Delfolder).SetChecked(true);
    fakes.files.AddDirectory(L"C:\\Empty");
    Form2().DeleteFolderList().Add(L"C:\\Empty", true);
    CleanNow();
    EXPECT_FALSE(Exists(L"C:\\Empty"));
    EXPECT_EQ(State().Deleted.Items, 1);
}

} // namespace
