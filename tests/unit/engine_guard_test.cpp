#include <algorithm>

#include "engine_fixture.h"

namespace {

const wchar_t* const kRefused = L"Refused (a protected folder or an unsafe path)";

class GuardTest : public EngineTest {
protected:
    GuardTest() {
        fakes.shell.Folders[platform::csidl::Personal] = L"C:\\Users\\ann\\Documents";
        for (const wchar_t* f :
             {L"C:\\Users\\ann\\Documents\\thesis.docx", L"C:\\Users\\ann\\Desktop\\todo.txt",
              L"C:\\Users\\ann\\AppData\\Roaming\\Ambervale\\Tidyhawk\\logs.log",
              L"C:\\Users\\ann\\Downloads\\setup.exe", L"C:\\Windows\\win.ini",
              L"C:\\Program Files\\App\\app.exe", L"D:\\Photos\\holiday.jpg"})
            fakes.files.AddFile(f);
        fakes.files.AddJunction(L"C:\\Documents and Settings", L"C:\\Users");
        fakes.files.AddShortName(L"C:\\Program Files", L"PROGRA~1");
    }
    std::size_t FilesLeft() {
        std::size_t n = 0;
        for (const wchar_t* root : {L"C:\\", L"D:\\"})
            for (const std::wstring& p : fakes.files.Under(root))
                if (fakes.files.FileExists(p)) ++n;
        return n;
    }
};

// The temporary folder is whatever TMP and TEMP say: where they name the profile, a
// drive or a folder holding the user's files, the category touches nothing and says so.
TEST_F(GuardTest, TemporaryFolderThatNamesTheUsersFilesIsRefused) {
    const wchar_t* const refused[] = {
        L"C:\\Users\\ann\\",
        L"C:\\",
        L"C:\\.",
        L"\\\\?\\C:\\",
        L"C:\\Users\\ann\\AppData\\Local\\Temp\\..\\..\\..\\",
        L"C:\\Windows\\",
        L"C:\\Documents and Settings\\ann\\Desktop\\",
        L"C:\\PROGRA~1\\",
        L"C:\\Users\\ann\\AppData\\Roaming",
        L"D:\\",
        L"Temp",
    };
    OnlyCategories({settings::Option::Tempfolder});
    const std::size_t before = FilesLeft();
    for (const wchar_t* temp : refused) {
        fakes.files.Temp = temp;
        CleanNow();
        EXPECT_EQ(before, FilesLeft()) << testing::PrintToString(std::wstring(temp));
        EXPECT_EQ(State().Deleted.Items, 0);
        EXPECT_TRUE(AnyRowContains(kRefused) || !fakes.files.DirectoryExists(temp))
            << testing::PrintToString(std::wstring(temp));
    }
    // The real temporary folder is still emptied.
    fakes.files.AddFile(std::wstring(kTemp) + L"junk.tmp");
    fakes.files.Temp = kTemp;
    CleanNow();
    EXPECT_FALSE(Exists(std::wstring(kTemp) + L"junk.tmp"));
    EXPECT_FALSE(AnyRowContains(kRefused));
}

// The user's own lists may name the user's folders, but never the system's, in any
// spelling; an entry that is no sound path is refused rather than guessed at.
TEST_F(GuardTest, UsersListsRefuseTheSystemsFoldersInEverySpelling) {
    struct Case {
        std::wstring entry;
        bool folder;
        bool refused;
    };
    const Case cases[] = {
        {L"C:\\.", true, true},
        {L"C:\\x\\..", true, true},
        {L"\\\\?\\C:\\", true, true},
        {L"C:\\Users", true, true},
        {L"C:\\Documents and Settings\\ann", true, true},
        {L"c:/users/ann/appdata/./local", true, true},
        {L"C:\\PROGRA~1", true, true},
        {L"Downloads", true, true},
        {std::wstring(L"C:\\Users\\ann\\Documents\\thesis.docx\0x", 38), false, true},
        {L"C:\\Users\\ann\\Documents\\thesis.docx:x", false, true},
        {L"C:\\Users\\ann\\DOWNLO~1\\", true, false},
    };
    fakes.files.AddShortName(L"C:\\Users\\ann\\Downloads", L"DOWNLO~1");
    OnlyCategories({});
    Form2().Box(settings::Option::Recycle).SetChecked(false);
    for (const Case& c : cases)
        (c.folder ? Form2().DeleteFolderList() : Form2().DeleteFileList()).Add(c.entry, true);
    CleanNow();
    for (const Case& c : cases) {
        bool rowed = false;
        for (const std::wstring& r : Rows())
            rowed |= r.find(kRefused) != std::wstring::npos &&
                     r.find(c.entry.substr(0, c.entry.find(L'\0'))) != std::wstring::npos;
        EXPECT_EQ(c.refused, rowed) << testing::PrintToString(c.entry);
    }
    EXPECT_TRUE(Exists(L"C:\\Users\\ann\\Documents\\thesis.docx"));
    EXPECT_TRUE(Exists(L"C:\\Program Files\\App\\app.exe"));
    EXPECT_FALSE(Exists(L"C:\\Users\\ann\\Downloads\\setup.exe")) << "the user's own choice";
    const std::wstring longName = L"C:\\Users\\ann\\Downloads\\setup.exe";
    EXPECT_NE(std::find(fakes.files.Removed.begin(), fakes.files.Removed.end(), longName),
              fakes.files.Removed.end())
        << "deleted under its long name";

    // Without a Windows folder to go by, the usual one stays protected.
    fakes.files.Windows.clear();
    Form2().DeleteFolderList().Clear();
    Form2().DeleteFileList().Clear();
    Form2().DeleteFolderList().Add(L"C:\\Windows", true);
    CleanNow();
    EXPECT_TRUE(Exists(L"C:\\Windows\\win.ini"));
}

// An exclusion protects what it names however the search path or the exclusion is
// spelled, and the empty-folder rule leaves the profile's shell folders in place.
TEST_F(GuardTest, ExclusionsHoldInEverySpellingAndShellFoldersStay) {
    fakes.files.AddFile(L"C:\\Data\\Keep\\notes.tmp");
    fakes.files.AddFile(L"C:\\Data\\old.tmp");
    fakes.files.AddShortName(L"C:\\Data\\Keep", L"KEEP~1");
    fakes.files.AddJunction(L"C:\\Link", L"C:\\Data");
    fakes.files.AddDirectory(L"C:\\Users\\ann\\Favorites");
    fakes.files.AddDirectory(L"C:\\Users\\ann\\Empty");
    OnlyCategories({settings::Option::Oldfile, settings::Option::Empfolder});
    Form2().Box(settings::Option::Recycle).SetChecked(false);
    for (const wchar_t* search : {L"C:/Data/./", L"C:\\Link"}) {
        for (const wchar_t* exclusion : {L"C:\\DATA\\KEEP~1\\", L"C:\\Link\\Keep"}) {
            fakes.files.AddFile(L"C:\\Data\\old.tmp");
            Form2().SearchPathList().Clear();
            Form2().ExcludePathList().Clear();
            Form2().SearchPathList().Add(search, true);
            Form2().ExcludePathList().Add(exclusion, true);
            CleanNow();
            EXPECT_TRUE(Exists(L"C:\\Data\\Keep\\notes.tmp"))
                << testing::PrintToString(std::wstring(search) + L" / " + exclusion);
            EXPECT_FALSE(Exists(L"C:\\Data\\old.tmp"));
        }
    }
    Form2().SearchPathList().Clear();
    Form2().ExcludePathList().Clear();
    Form2().SearchPathList().Add(L"C:\\Users\\ann", true);
    CleanNow();
    EXPECT_TRUE(Exists(L"C:\\Users\\ann\\Favorites"));
    EXPECT_FALSE(Exists(L"C:\\Users\\ann\\Empty"));
}

// A list of files names many of one folder, whose way is looked up once for them; each
// entry still goes where its own folder leads, however the entries alternate.
TEST_F(GuardTest, ListedFilesGoFromWhereTheirOwnFolderLeads) {
    fakes.files.AddDirectory(L"C:\\Data\\Keep");
    fakes.files.AddShortName(L"C:\\Data\\Keep", L"KEEP~1");
    fakes.files.AddJunction(L"C:\\Link", L"C:\\Data");
    const struct {
        const wchar_t* entry;
        const wchar_t* removed;
    } cases[] = {
        {L"C:\\Link\\a.tmp", L"C:\\Data\\a.tmp"},
        {L"C:\\Link\\b.tmp", L"C:\\Data\\b.tmp"},
        {L"C:\\Link\\Keep\\c.tmp", L"C:\\Data\\Keep\\c.tmp"},
        {L"C:\\Data\\KEEP~1\\d.tmp", L"C:\\Data\\Keep\\d.tmp"},
        {L"C:\\Users\\ann\\Downloads\\setup.exe", L"C:\\Users\\ann\\Downloads\\setup.exe"},
        {L"C:\\Link\\e.tmp", L"C:\\Data\\e.tmp"},
    };
    OnlyCategories({});
    Form2().Box(settings::Option::Recycle).SetChecked(false);
    for (const auto& c : cases) {
        fakes.files.AddFile(c.removed);
        Form2().DeleteFileList().Add(c.entry, true);
    }
    fakes.files.AddFile(L"C:\\Data\\stays.tmp");
    CleanNow();
    for (const auto& c : cases)
        EXPECT_NE(std::find(fakes.files.Removed.begin(), fakes.files.Removed.end(), c.removed),
                  fakes.files.Removed.end())
            << testing::PrintToString(std::wstring(c.entry));
    EXPECT_EQ(State().Deleted.Items, static_cast<int>(std::size(cases)));
    EXPECT_TRUE(Exists(L"C:\\Data\\stays.tmp"));
}

} // namespace
