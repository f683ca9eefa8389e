#include <algorithm>

#include "engine_fixture.h"

namespace {

using platform::fake::StoredValue;
using platform::fake::ValueType;

// The categories called one by one, as the run calls them, over a profile of "ann".
class CachesTest : public EngineTest {
protected:
    const std::wstring local = L"C:\\Users\\ann\\AppData\\Local\\";
    const std::wstring roaming = L"C:\\Users\\ann\\AppData\\Roaming\\";
    const std::wstring acdsee = L"Software\\ACD Systems\\ACDSee\\";
    const std::wstring earth = L"Software\\Google\\Google Earth Plus";

    CachesTest() {
        State().WinDir = L"C:\\Windows\\";
        State().DriveRoot = L"C:\\";
        State().AppData = roaming;
        State().LocalAppData = local;
        fakes.shell.Folders[platform::csidl::Profile] = L"C:\\Users\\ann";
        fakes.shell.Folders[platform::csidl::DesktopDirectory] = L"C:\\Users\\ann\\Desktop";
        fakes.shell.Folders[platform::csidl::Personal] = L"C:\\Users\\ann\\Documents";
        // Deleting for the recycle bin is on: none of these caches may go there.
        Form2().Box(settings::Option::Recycle).SetChecked(true);
        Form1().Rows.List().Clear();
        Form1().StatusBar1.SetPanelText(1, L"untouched");
    }

    int RowsWith(const std::wstring& text) {
        std::vector<std::wstring> rows = Rows();
        return static_cast<int>(std::count_if(rows.begin(), rows.end(), [&](const std::wstring& r) {
            return r.find(text) != std::wstring::npos;
        }));
    }
    bool Empty(const std::wstring& folder) {
        return fakes.files.DirectoryExists(folder) && fakes.files.Under(folder).empty();
    }
    void Database(const std::wstring& name, const std::wstring& path) {
        fakes.registry.SetString(acdsee + name, L"DBPath", path);
    }

    // One category as the run calls it, its option on or off: the bar stepped first
    // where its row says so.
    void Clean(settings::Option option) {
        const settings::RunRow& row = settings::Row(option).run;
        if (row.stepsFirst) Walkers().AdvanceProgress(engine::kCategoryStep);
        row.work(Run().Categories());
    }
};

// --- Firefox ---

TEST_F(CachesTest, FirefoxRoamingProfilesAreVisitedOnlyBesideLocalOnes) {
    Form2().Box(settings::Option::FFunsafeurls).SetChecked(true);
    const std::wstring roamingProfile = roaming + L"Mozilla\\Firefox\\Profiles\\x.default\\";
    fakes.files.AddFile(roamingProfile + L"Cache\\a");
    fakes.files.AddFile(roamingProfile + L"urlclassifier2.sqlite");
    Clean(settings::Option::FirefoxCache);
    EXPECT_TRUE(fakes.files.Removed.empty());
    EXPECT_TRUE(Rows().empty());

    fakes.files.AddDirectory(local + L"Mozilla\\Firefox\\Profiles");
    Clean(settings::Option::FirefoxCache);
    EXPECT_FALSE(Exists(roamingProfile + L"Cache"));
    EXPECT_FALSE(Exists(roamingProfile + L"urlclassifier2.sqlite"));
    EXPECT_EQ(RowsWith(L"Clean Firefox cache folder"), 1);
}

TEST_F(CachesTest, FirefoxCacheFoldersMatchTheWholeNameWithItsCase) {
    const std::wstring profiles = local + L"Mozilla\\Firefox\\Profiles\\";
    fakes.files.AddFile(profiles + L"a.default\\Cache\\0\\entry");
    fakes.files.AddFile(profiles + L"a.default\\places.sqlite");
    fakes.files.AddFile(profiles + L"b.default\\cache\\entry");
    fakes.files.AddFile(profiles + L"c.default\\OfflineCache\\entry");
    Clean(settings::Option::FirefoxCache);
    EXPECT_FALSE(Exists(profiles + L"a.default\\Cache")) << "emptied and removed";
    EXPECT_TRUE(Exists(profiles + L"a.default\\places.sqlite"));
    EXPECT_TRUE(Exists(profiles + L"b.default\\cache\\entry"));
    EXPECT_TRUE(Exists(profiles + L"c.default\\OfflineCache\\entry"));
    EXPECT_TRUE(fakes.files.DirectoryExists(profiles));
}

TEST_F(CachesTest, UrlClassifierFilesGoOnlyWithTheUnsafeUrlOption) {
    const std::wstring localProfile = local + L"Mozilla\\Firefox\\Profiles\\p\\";
    const std::wstring roamingProfile = roaming + L"Mozilla\\Firefox\\Profiles\\p\\";
    fakes.files.AddFile(localProfile + L"urlclassifier3.sqlite");
    fakes.files.AddFile(localProfile + L"urlclassifier2.sqlite");
    fakes.files.AddFile(localProfile + L"Cache\\entry");
    fakes.files.AddFile(roamingProfile + L"urlclassifier2.sqlite");
    fakes.files.AddFile(roamingProfile + L"urlclassifier3.sqlite");

    Form2().Box(settings::Option::FFunsafeurls).SetChecked(false);
    Clean(settings::Option::FirefoxCache);
    EXPECT_FALSE(Exists(localProfile + L"Cache")) << "the caches go all the same";
    EXPECT_TRUE(Exists(localProfile + L"urlclassifier3.sqlite"));
    EXPECT_TRUE(Exists(roamingProfile + L"urlclassifier2.sqlite"));

    Form2().Box(settings::Option::FFunsafeurls).SetChecked(true);
    Clean(settings::Option::FirefoxCache);
    EXPECT_FALSE(Exists(localProfile + L"urlclassifier3.sqlite"));
    EXPECT_FALSE(Exists(roamingProfile + L"urlclassifier2.sqlite"));
    // Each pass has its own file name.
    EXPECT_TRUE(Exists(localProfile + L"urlclassifier2.sqlite"));
    EXPECT_TRUE(Exists(roamingProfile + L"urlclassifier3.sqlite"));
}

// --- Chrome, Opera ---

TEST_F(CachesTest, ChromeCacheBlocksGoAtAnyDepthAndNothingElse) {
    const std::wstring data = local + L"Google\\Chrome\\User Data\\";
    fakes.files.AddFile(data + L"Default\\Cache\\data_0");
    fakes.files.AddFile(data + L"Default\\Cache\\f_00002a");
    fakes.files.AddFile(data + L"Default\\Cache\\index");
    fakes.files.AddFile(data + L"Default\\Deep\\er\\my_data_list.txt");
    fakes.files.AddFile(data + L"Default\\Preferences");
    fakes.files.AddFile(data + L"Default\\DATA_upper");
    Clean(settings::Option::ChromeCache);
    EXPECT_FALSE(Exists(data + L"Default\\Cache\\data_0"));
    EXPECT_FALSE(Exists(data + L"Default\\Cache\\f_00002a"));
    EXPECT_FALSE(Exists(data + L"Default\\Deep\\er\\my_data_list.txt"));
    EXPECT_TRUE(Exists(data + L"Default\\Cache\\index"));
    EXPECT_TRUE(Exists(data + L"Default\\Preferences"));
    EXPECT_TRUE(Exists(data + L"Default\\DATA_upper"));
    EXPECT_TRUE(Exists(data + L"Default\\Deep\\er"));
    EXPECT_EQ(RowsWith(L"Clean Google Chrome Cache"), 1);
}

TEST_F(CachesTest, OperaCacheIsEmptiedWithoutARow) {
    const std::wstring cache = local + L"Opera\\Opera\\cache\\";
    fakes.files.AddFile(cache + L"sesn\\opr0001.tmp");
    fakes.files.AddFile(local + L"Opera\\Opera\\operaprefs.ini");
    Clean(settings::Option::OperaCache);
    EXPECT_TRUE(Empty(cache));
    EXPECT_TRUE(Exists(local + L"Opera\\Opera\\operaprefs.ini"));
    EXPECT_TRUE(Rows().empty());
    EXPECT_EQ(Form1().ProgressBar1.Position(), 0) << "no progress step";
}

// --- ACDSee ---

TEST_F(CachesTest, AcdseeDatabasesNamedInTheRegistryAreEmptied) {
    const std::wstring kept = local + L"ACD Systems\\Catalogs\\90\\";
    const std::wstring removed = L"C:\\ProgramData\\ACD Systems\\Database";
    fakes.files.AddFile(kept + L"Default\\db.fpt");
    fakes.files.AddFile(removed + L"\\db.fpt");
    Database(L"90", kept);
    Database(L"100", removed);
    fakes.registry.SetDword(acdsee + L"110", L"Other", 1);
    Form2().Box(settings::Option::Display).SetChecked(true);
    Clean(settings::Option::Acdsee);
    EXPECT_TRUE(Empty(kept)) << "named with a backslash: kept";
    EXPECT_FALSE(Exists(removed)) << "named without one: removed once empty";
    EXPECT_TRUE(Exists(L"C:\\ProgramData\\ACD Systems"));
    EXPECT_EQ(RowsWith(L"Clean Acdsee database"), 2);
    EXPECT_EQ(RowsWith(removed), 1) << "the removed folder is listed with Display on";

    Form1().Rows.List().Clear();
    Form2().Box(settings::Option::Display).SetChecked(false);
    fakes.files.AddFile(removed + L"\\db.fpt");
    Clean(settings::Option::Acdsee);
    EXPECT_FALSE(Exists(removed));
    EXPECT_EQ(RowsWith(removed), 0);
    EXPECT_EQ(RowsWith(L"Clean Acdsee database"), 2);
}

TEST_F(CachesTest, AcdseeRefusesFoldersThatAreNotItsOwn) {
    using namespace std::string_literals;
    const std::vector<std::wstring> refused = {
        L"",
        L"Catalogs\\db",
        L"\\\\server\\share\\db",
        L"\\\\?\\C:\\Photos\\db",
        L"C:\\",
        L"D:",
        L"D:\\",
        L"C:Photos",
        L"C:\\Windows",
        L"c:\\WINDOWS\\",
        L"C:\\Windows\\System32",
        L"C:\\Program Files",
        L"C:\\Program Files (x86)\\",
        L"C:\\Users\\ann",
        L"C:\\USERS\\ANN\\",
        L"C:\\Users",
        L"C:\\Users\\ann\\Desktop",
        L"C:\\Users\\ann\\Documents\\",
        L"C:\\Users\\ann\\AppData\\Local",
        L"C:\\Users\\ann\\Photos\\..\\..",
        L"C:\\Users\\ann.",
        L"C:\\Users/ann",
        L"C:\\PROGRA~1",
        L"C:\\Photos\\\\db",
        L"C:\\Photos\\db:stream",
        L"1:\\Photos\\db",
        L"C:\\Photos\\db", // outside the profile and ProgramData
        L"D:\\Photos\\db",
        L"C:\\Users\\ann\\AppData\\Local\\ACD\\Pictures", // a junction to Pictures
        L"C:\\Docume~1\\Desktop",
        L"C:\\Documents and Settings\\ann\\Desktop",
        L"C:\\ProgramData",
        L"C:\\Users\\ann\\AppData\\Roaming\\Microsoft\\..",
        L"C:\\Users\\ann\\AppData\\Local\\ACD\\db\0x"s, // the calls would see "...\\db"
    };
    fakes.files.AddJunction(L"C:\\Users\\ann\\AppData\\Local\\ACD\\Pictures",
                            L"C:\\Users\\ann\\Pictures");
    fakes.files.AddJunction(L"C:\\Documents and Settings", L"C:\\Users");
    fakes.files.AddShortName(L"C:\\Documents and Settings", L"DOCUME~1");
    fakes.files.AddFile(L"C:\\Users\\ann\\Pictures\\file");
    fakes.files.AddFile(L"C:\\Users\\ann\\AppData\\Local\\ACD\\db\\file");
    fakes.files.AddFile(L"C:\\ProgramData\\file");
    for (const wchar_t* folder :
         {L"C:\\Work\\Catalogs\\db", L"C:\\Photos\\db", L"C:\\Windows\\System32",
          L"C:\\Program Files", L"C:\\Program Files (x86)", L"C:\\Users\\ann\\Desktop",
          L"C:\\Users\\ann\\Documents", L"C:\\Users\\ann\\AppData\\Local", L"D:"})
        fakes.files.AddFile(std::wstring(folder) + L"\\file");
    for (const std::wstring& path : refused) {
        SCOPED_TRACE(path);
        fakes.registry.DeleteKeyTree(platform::RegistryRoot::CurrentUser, acdsee);
        Database(L"90", path);
        Clean(settings::Option::Acdsee);
        EXPECT_TRUE(fakes.files.Removed.empty());
        EXPECT_EQ(RowsWith(L"Clean Acdsee database"), 0);
        Form1().Rows.List().Clear();
    }
}

TEST_F(CachesTest, AcdseeRefusesTheProfileWhereverTheShellPutsIt) {
    fakes.shell.Folders[platform::csidl::Profile] = L"E:\\Profiles\\ann";
    fakes.files.AddFile(L"E:\\Profiles\\ann\\file");
    for (const wchar_t* path : {L"E:\\Profiles\\ann", L"e:\\profiles\\"}) {
        SCOPED_TRACE(path);
        Database(L"90", path);
        Clean(settings::Option::Acdsee);
        EXPECT_TRUE(fakes.files.Removed.empty());
    }
    Database(L"90", L"E:\\Profiles\\ann\\Catalog\\");
    fakes.files.AddFile(L"E:\\Profiles\\ann\\Catalog\\db.fpt");
    Clean(settings::Option::Acdsee);
    EXPECT_FALSE(Exists(L"E:\\Profiles\\ann\\Catalog\\db.fpt")) << "a folder of its own goes";
    EXPECT_TRUE(Exists(L"E:\\Profiles\\ann\\file"));
}

TEST_F(CachesTest, AcdseeSurvivesABrokenEntryAndCreatesNoKey) {
    Clean(settings::Option::Acdsee);
    EXPECT_FALSE(fakes.registry.KeyExists(platform::RegistryRoot::CurrentUser, acdsee));
    fakes.registry.SetDword(acdsee + L"90", L"DBPath", 7);
    EXPECT_NO_THROW(Clean(settings::Option::Acdsee));
    EXPECT_TRUE(Rows().empty());
}

// --- Google Earth, Safari: one file each ---

TEST_F(CachesTest, GoogleEarthCacheFileWithOrWithoutBackslash) {
    const std::wstring cache = local + L"Google\\GoogleEarth";
    fakes.files.AddFile(cache + L"\\dbCache.dat");
    fakes.files.AddFile(cache + L"\\dbCache.dat.index");
    fakes.registry.SetString(earth, L"CachePath", cache);
    Clean(settings::Option::GoogleEarth);
    EXPECT_FALSE(Exists(cache + L"\\dbCache.dat"));
    EXPECT_TRUE(Exists(cache + L"\\dbCache.dat.index"));
    EXPECT_EQ(State().Deleted.Items, 1);
    EXPECT_EQ(Form1().StatusBar1.Panel(1).text, L"untouched");
    EXPECT_EQ(RowsWith(L"Clean Google Earth Cache"), 1);

    fakes.files.AddFile(cache + L"\\dbCache.dat");
    fakes.registry.SetString(earth, L"CachePath", cache + L"\\");
    Clean(settings::Option::GoogleEarth);
    EXPECT_FALSE(Exists(cache + L"\\dbCache.dat"));
    EXPECT_EQ(State().Deleted.Items, 2);
}

TEST_F(CachesTest, GoogleEarthWithoutAUsablePathDeletesNothing) {
    Clean(settings::Option::GoogleEarth);
    EXPECT_FALSE(fakes.registry.KeyExists(platform::RegistryRoot::CurrentUser, earth))
        << "reading must not create the other program's key";
    fakes.files.AddFile(L"C:\\Work\\dbCache.dat");
    fakes.registry.SetDword(earth, L"Other", 1);
    Clean(settings::Option::GoogleEarth);
    EXPECT_TRUE(Rows().empty()) << "no CachePath, no row";
    fakes.registry.SetString(earth, L"CachePath", L"");
    EXPECT_NO_THROW(Clean(settings::Option::GoogleEarth));
    fakes.registry.Set(platform::RegistryRoot::CurrentUser, earth, L"CachePath",
                       StoredValue{ValueType::Dword, 3, {}});
    EXPECT_NO_THROW(Clean(settings::Option::GoogleEarth));
    EXPECT_TRUE(fakes.files.Removed.empty());
    EXPECT_EQ(State().Deleted.Items, 0);
}

TEST_F(CachesTest, SafariCacheIsCountedWithoutRefreshingTheStatusBar) {
    const std::wstring safari = local + L"Apple Computer\\Safari\\";
    fakes.files.AddFile(safari + L"Cache.db");
    fakes.files.AddFile(safari + L"History.plist");
    Clean(settings::Option::SafariCache);
    EXPECT_FALSE(Exists(safari + L"Cache.db"));
    EXPECT_TRUE(Exists(safari + L"History.plist"));
    EXPECT_EQ(State().Deleted.Items, 1);
    EXPECT_EQ(Form1().StatusBar1.Panel(1).text, L"untouched");
    EXPECT_EQ(RowsWith(L"Clean Apple Safari Cache"), 1);

    // A file that refuses leaves no count; the row announced the attempt.
    fakes.files.AddFile(safari + L"Cache.db");
    fakes.files.Lock(safari + L"Cache.db");
    Clean(settings::Option::SafariCache);
    EXPECT_EQ(State().Deleted.Items, 1);
}

// --- Folders emptied and kept ---

TEST_F(CachesTest, AcrobatGivesOneRowForBothFolders) {
    const std::wstring seven = local + L"Adobe\\Acrobat\\7.0\\Cache\\Search70\\";
    const std::wstring eight = local + L"Adobe\\Acrobat\\8.0\\Cache\\Search80\\";
    fakes.files.AddFile(eight + L"idx\\a.idx");
    Clean(settings::Option::Acrobatreader);
    EXPECT_TRUE(Empty(eight));
    EXPECT_EQ(RowsWith(L"Clean Acrobat Reader Cache"), 1) << "the 8.0 folder alone has a row";

    Form1().Rows.List().Clear();
    fakes.files.AddFile(seven + L"a.idx");
    fakes.files.AddFile(eight + L"b.idx");
    Clean(settings::Option::Acrobatreader);
    EXPECT_TRUE(Empty(seven));
    EXPECT_TRUE(Empty(eight));
    EXPECT_EQ(RowsWith(L"Clean Acrobat Reader Cache"), 1);
}

TEST_F(CachesTest, FlashCookiesAndCacheFolders) {
    const std::wstring shared = roaming + L"Macromedia\\Flash Player\\#SharedObjects\\";
    const std::wstring settings =
        roaming + L"Macromedia\\Flash Player\\macromedia.com\\support\\flashplayer\\sys\\";
    const std::wstring assets = roaming + L"Adobe\\Flash Player\\AssetCache\\";
    fakes.files.AddFile(shared + L"X1Y2\\site\\a.sol");
    fakes.files.AddFile(settings + L"#site\\settings.sol");
    fakes.files.AddFile(roaming + L"Macromedia\\Flash Player\\keep.cfg");
    fakes.files.AddFile(assets + L"Q\\b.swz");
    Clean(settings::Option::FlashCookies);
    Clean(settings::Option::Flashcache);
    EXPECT_TRUE(Empty(shared));
    EXPECT_TRUE(Empty(settings));
    EXPECT_TRUE(Empty(assets));
    EXPECT_TRUE(Exists(roaming + L"Macromedia\\Flash Player\\keep.cfg"));
    EXPECT_EQ(RowsWith(L"Clean Adobe Flash cookies"), 1);
    EXPECT_EQ(RowsWith(L"Clean Adobe Flash Cache"), 1);
}

TEST_F(CachesTest, JavaFallsBackToLowIntegrityFolderOnlyWhenTheLocalOneIsMissing) {
    fakes.processes.User = L"bob";
    const std::wstring javaLocal = local + L"Sun\\Java\\Deployment\\cache\\";
    const std::wstring low = L"C:\\Users\\bob\\AppData\\LocalLow\\Sun\\Java\\Deployment\\cache\\";
    fakes.files.AddFile(low + L"6.0\\1\\a.idx");
    fakes.files.AddFile(javaLocal + L"6.0\\2\\b.idx");
    Clean(settings::Option::Javacache);
    EXPECT_TRUE(Empty(javaLocal));
    EXPECT_TRUE(Exists(low + L"6.0\\1\\a.idx"));

    fakes.files.RemoveFolder(javaLocal);
    Clean(settings::Option::Javacache);
    EXPECT_TRUE(Empty(low));
    EXPECT_EQ(RowsWith(L"Clean Sun Java Cache"), 2);
}

TEST_F(CachesTest, NothingGoesToTheRecycleBin) {
    fakes.files.AddFile(local + L"Mozilla\\Firefox\\Profiles\\p\\Cache\\a");
    fakes.files.AddFile(local + L"Google\\Chrome\\User Data\\Default\\data_1");
    fakes.files.AddFile(local + L"Opera\\Opera\\cache\\b");
    fakes.files.AddFile(local + L"Sun\\Java\\Deployment\\cache\\sub\\c");
    Clean(settings::Option::FirefoxCache);
    Clean(settings::Option::ChromeCache);
    Clean(settings::Option::OperaCache);
    Clean(settings::Option::Javacache);
    for (const wchar_t* gone :
         {L"Mozilla\\Firefox\\Profiles\\p\\Cache", L"Google\\Chrome\\User Data\\Default\\data_1",
          L"Opera\\Opera\\cache\\b", L"Sun\\Java\\Deployment\\cache\\sub"})
        EXPECT_FALSE(Exists(local + gone)) << gone;
    EXPECT_TRUE(fakes.shell.RecycleBin.empty());
    EXPECT_TRUE(fakes.shell.Calls.empty());
}

} // namespace
