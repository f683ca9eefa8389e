#include "platform/paths.h"
#include "engine/user_targets.h"
#include "engine_fixture.h"

namespace {

using engine::FileMatch;
using engine::ScanRules;

TEST(ScanRulesTest, RulesApplyInOrderWithTheirCaseRules) {
    ScanRules r;
    r.thumbs = r.tempFiles = r.zeroSize = r.oldFiles = r.logFiles = true;
    r.fileNames = L";desktop.ini;Thumbs.db ; a b.txt;";
    r.extensions = L";obj;gss;.pih;x y;";
    struct Case {
        const wchar_t* name;
        std::uint64_t size;
        FileMatch expected;
    };
    const Case cases[] = {
        {L"Thumbs.db", 0, FileMatch::Match}, // rule 1 decides before the zero size
        {L"thumbs.db", 5, FileMatch::None},
        {L"~report.doc", 5, FileMatch::Match},
        {L"report.~do", 5, FileMatch::Match},
        {L"empty.txt", 0, FileMatch::ZeroSize},
        {L"desktop.ini", 5, FileMatch::Match},
        {L"Desktop.ini", 5, FileMatch::None},
        {L" a b.txt", 5, FileMatch::Match},
        {L"a b.txt", 5, FileMatch::None}, // the blank after ";" belongs to the name
        {L"x.TMP", 5, FileMatch::Match},
        {L"x.Bak", 5, FileMatch::Match},
        {L"x.chk", 5, FileMatch::Match},
        {L"x.tmpx", 5, FileMatch::None},
        {L"x.LOG", 5, FileMatch::Match},
        {L"x.obj", 5, FileMatch::Match},
        {L"y.GSS", 5, FileMatch::Match},
        {L"z.pih", 5, FileMatch::None}, // ".pih" in the list never matches
        {L"noext", 5, FileMatch::None},
        {L"dot.", 5, FileMatch::None},
    };
    for (const Case& c : cases) EXPECT_EQ(r.Match(c.name, c.size), c.expected) << c.name;

    // Empty entries (";;", a leading or trailing ";") match nothing, not even a name
    // ending in a dot or without an extension.
    ScanRules blanks;
    blanks.fileNames = L";;;a;;";
    blanks.extensions = L";;;";
    for (const wchar_t* name : {L"x.", L"noext", L".", L"b"})
        EXPECT_EQ(blanks.Match(name, 5), FileMatch::None) << name;
    EXPECT_EQ(blanks.Match(L"a", 5), FileMatch::Match);

    ScanRules off;
    EXPECT_EQ(off.Match(L"~report.doc", 5), FileMatch::None);
    EXPECT_EQ(off.Match(L"report.~do", 5), FileMatch::None);
    EXPECT_EQ(off.Match(L"Thumbs.db", 0), FileMatch::None);
}

TEST(PathsTest, SamePathIgnoresCaseAndTrailingBackslashes) {
    EXPECT_TRUE(platform::SamePath(L"D:\\Data\\Keep", L"d:\\DATA\\keep\\"));
    EXPECT_TRUE(platform::SamePath(L"C:\\\u00c9t\u00e9\\\u0416", L"c:\\\u00e9T\u00c9\\\u0436"));
    EXPECT_FALSE(platform::SamePath(L"D:\\Data\\Keep", L"D:\\Data\\Keeper"));
    EXPECT_TRUE(platform::IsSameOrBelow(L"D:\\Data\\Keep\\sub", L"d:\\data\\keep\\"));
    EXPECT_FALSE(platform::IsSameOrBelow(L"D:\\Data\\Keeper", L"D:\\Data\\Keep"));
    EXPECT_FALSE(platform::IsSameOrBelow(L"D:\\Data", L"D:\\Data\\Keep"));
    EXPECT_FALSE(platform::IsSameOrBelow(L"D:\\Data", L""));
}

class UserTargetsTest : public EngineTest {
protected:
    const std::wstring data = L"D:\\Data";
    void SetUp() override {
        OnlyCategories(
            {settings::Option::Picthumb, settings::Option::Tempfile, settings::Option::Oldfile});
        Form2().SearchPathList().Add(data, true);
    }
    engine::UserTargets& Targets() { return Run().Targets(); }
};

TEST_F(UserTargetsTest, ExclusionsProtectWhatTheUserExcluded) {
    for (const wchar_t* f : {L"\\a.tmp", L"\\Keep\\b.tmp", L"\\Keep\\deep\\c.tmp", L"\\Other\\d.tmp"})
        fakes.files.AddFile(data + f);
    Form2().ExcludePathList().Add(L"d:\\data\\KEEP\\", true);
    Form2().ExcludePathList().Add(L"D:\\Data\\Other", false); // unticked: no effect
    CleanNow();
    EXPECT_FALSE(Exists(data + L"\\a.tmp"));
    EXPECT_TRUE(Exists(data + L"\\Keep\\b.tmp"));
    EXPECT_TRUE(Exists(data + L"\\Keep\\deep\\c.tmp"));
    EXPECT_FALSE(Exists(data + L"\\Other\\d.tmp"));

    // A search path inside an excluded folder is protected as well.
    Form2().SearchPathList().Clear();
    Form2().SearchPathList().Add(data + L"\\Keep\\deep", true);
    CleanNow();
    EXPECT_TRUE(Exists(data + L"\\Keep\\deep\\c.tmp"));
}

TEST_F(UserTargetsTest, OnlyTrulyEmptyFoldersGoAndOnlyWithTheOption) {
    fakes.files.AddDirectory(data + L"\\outer\\inner");
    fakes.files.AddDirectory(data + L"\\dotted\\.git");
    fakes.files.AddFile(data + L"\\dotfile\\.keep");
    fakes.files.AddDirectory(data + L"\\closed");
    fakes.files.DenyListing(data + L"\\closed");
    CleanNow();
    EXPECT_TRUE(Exists(data + L"\\outer\\inner")) << "option off";

    Form2().Box(settings::Option::Empfolder).SetChecked(true);
    CleanNow();
    EXPECT_FALSE(Exists(data + L"\\outer\\inner"));
    EXPECT_TRUE(Exists(data + L"\\outer")) << "the outer one goes at the next run";
    EXPECT_TRUE(Exists(data + L"\\dotted\\.git"));
    EXPECT_TRUE(Exists(data + L"\\dotfile\\.keep"));
    EXPECT_TRUE(Exists(data + L"\\closed")) << "an unlistable folder is not known to be empty";
    EXPECT_TRUE(AnyRowContains(data + L"\\outer\\inner (Empty folder)"));
    CleanNow();
    EXPECT_FALSE(Exists(data + L"\\outer"));
    EXPECT_TRUE(fakes.files.DirectoryExists(data)) << "the search path itself stays";
    CleanNow();
    EXPECT_TRUE(fakes.files.DirectoryExists(data));
}

TEST_F(UserTargetsTest, AStopCutsTheScanAndKeepsItsFoldersWhole) {
    Form2().Box(settings::Option::Empfolder).SetChecked(true);
    for (int i = 0; i < 6; ++i) fakes.files.AddFile(data + L"\\sub\\f" + std::to_wstring(i) + L".tmp");
    fakes.files.AddFile(data + L"\\sub\\zzz\\keep.txt");
    Form2()
        .Box(settings::Option::Recycle)
        .SetChecked(false); // permanent, so removals are seen one by one
    int removals = 0;
    fakes.files.BeforeRemove = [&](const std::wstring&) {
        if (++removals == 2) State().StopRequested = true;
    };
    CleanNow();
    EXPECT_EQ(fakes.files.Removed.size(), 2u);
    EXPECT_TRUE(Exists(data + L"\\sub\\zzz\\keep.txt"));

    // A scan that a stop cuts short never calls its folder empty, or the caller would
    // delete it with what it still holds.
    State().StopRequested = true;
    EXPECT_FALSE(Targets().ScanSearchPath(data + L"\\sub\\zzz"));
    State().StopRequested = false;
    EXPECT_FALSE(Targets().ScanSearchPath(data + L"\\sub\\zzz"));
    fakes.files.AddDirectory(data + L"\\bare");
    EXPECT_TRUE(Targets().ScanSearchPath(data + L"\\bare"));
}

TEST_F(UserTargetsTest, RecycleOnlyHereAndRowsWithDisplay) {
    fakes.files.AddFile(std::wstring(kTemp) + L"t.tmp");
    Form2().Box(settings::Option::Tempfolder).SetChecked(true);
    fakes.files.AddFile(data + L"\\x.bak");
    fakes.files.AddFile(data + L"\\Thumbs.db", 0);
    fakes.files.AddFile(data + L"\\zero.dat", 0);
    Form2().Box(settings::Option::Zerofile).SetChecked(true);
    Form1().Run.State.TotalDeleted = 5;
    CleanNow();
    EXPECT_EQ(fakes.shell.RecycleBin,
              (std::vector<std::wstring>{data + L"\\Thumbs.db", data + L"\\x.bak", data + L"\\zero.dat"}));
    EXPECT_FALSE(Exists(std::wstring(kTemp) + L"t.tmp"));
    EXPECT_TRUE(AnyRowContains(L"Begin Search " + data));
    EXPECT_TRUE(AnyRowContains(data + L"\\zero.dat (0 byte)"));
    EXPECT_FALSE(AnyRowContains(L"Thumbs.db (0 byte)")) << "decided by the thumbnail rule";
    EXPECT_EQ(Form1().Run.State.TotalDeleted, 8);

    Form2().Box(settings::Option::Display).SetChecked(false);
    fakes.files.AddFile(data + L"\\y.old");
    CleanNow();
    EXPECT_FALSE(Exists(data + L"\\y.old"));
    EXPECT_FALSE(AnyRowContains(L"y.old"));
    EXPECT_EQ(Form1().Run.State.TotalDeleted, 8) << "only listed items are counted over runs";
}

TEST_F(UserTargetsTest, FoldersAndFilesToDeleteReportEachEntry) {
    Form2().SearchPathList().Clear();
    fakes.files.AddFile(L"C:\\Old\\a.txt");
    fakes.files.AddFile(L"C:\\Busy\\b.txt");
    fakes.files.Lock(L"C:\\Busy\\b.txt");
    fakes.files.AddFile(L"C:\\notes.txt");
    fakes.files.AddFile(L"C:\\open.txt");
    fakes.files.Lock(L"C:\\open.txt");
    for (const wchar_t* f : {L"C:\\Old", L"C:\\Busy", L"C:\\", L"C:\\Missing"})
        Form2().DeleteFolderList().Add(f, true);
    Form2().DeleteFolderList().Add(L"C:\\Unticked", false);
    for (const wchar_t* f : {L"C:\\notes.txt", L"C:\\open.txt"}) Form2().DeleteFileList().Add(f, true);
    CleanNow();
    EXPECT_TRUE(AnyRowContains(L"Successfully Clean C:\\Old"));
    EXPECT_TRUE(fakes.files.DirectoryExists(L"C:\\Old")) << "kept without Delfolder";
    EXPECT_TRUE(AnyRowContains(L"Not clean all files of C:\\Busy"));
    EXPECT_TRUE(AnyRowContains(L"Not clean all files of C:\\"));
    EXPECT_FALSE(AnyRowContains(L"C:\\Missing"));
    EXPECT_TRUE(AnyRowContains(L"Successfully Clean C:\\notes.txt"));
    EXPECT_TRUE(AnyRowContains(L"Not clean C:\\open.txt"));
    EXPECT_TRUE(AnyRowContains(L"No search path, click 'Option' to add"));
    EXPECT_TRUE(Exists(L"C:\\Work")) << "a drive root is never walked";

    Form2().Box(settings::Option::Delfolder).SetChecked(true);
    fakes.files.AddFile(L"C:\\Old\\c.txt");
    CleanNow();
    EXPECT_FALSE(Exists(L"C:\\Old"));
}

} // namespace
