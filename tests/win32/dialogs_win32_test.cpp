// The shell's pickers and icon lookup, and the settings dialog's native windows
// mirroring its option set. A helper thread answers the pickers as a person would.
#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <memory>
#include <thread>

#include "app/program.h"
#include "forms/win32/win32_backend.h"
#include "platform/fake/fake_services.h"
#include "platform/win32/win32_platform.h"
#include "settings/option_set.h"

namespace {

HIMAGELIST SystemSmallIcons() {
    SHFILEINFOW info{};
    return reinterpret_cast<HIMAGELIST>(
        SHGetFileInfoW(L"", 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
}

std::wstring WindowsFolder() {
    wchar_t path[MAX_PATH] = {};
    GetWindowsDirectoryW(path, MAX_PATH);
    return path;
}

TEST(Win32DialogsTest, DriveAndFolderIconsAreInTheSystemList) {
    platform::win32::Win32Dialogs dialogs;
    const int drive = dialogs.SmallIconIndex(L"C:\\");
    const int folder = dialogs.SmallIconIndex(WindowsFolder());
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring file = std::wstring(temp) + L"tidyhawk icon test.txt";
    std::ofstream(file.c_str()) << "x";
    const int fileIcon = dialogs.SmallIconIndex(file);
    DeleteFileW(file.c_str());

    // The shell adds icons to its list as they are first asked for.
    const int count = ImageList_GetImageCount(SystemSmallIcons());
    EXPECT_GT(drive, 0);
    EXPECT_GT(folder, 0);
    EXPECT_LT(drive, count);
    EXPECT_LT(folder, count);
    EXPECT_GE(fileIcon, 0);
    EXPECT_LT(fileIcon, count);
}

// Plays the person in front of the first dialog box this process shows: from another
// thread, since the picker's own loop holds the test's thread until it is answered.
class DialogAnswerer {
public:
    explicit DialogAnswerer(std::function<void(HWND)> answer)
        : thread_([answer] {
              for (int tries = 0; tries < 250; ++tries) {
                  if (HWND box = FindOwnDialog()) return answer(box);
                  Sleep(20);
              }
          }) {}
    ~DialogAnswerer() { thread_.join(); }

private:
    static BOOL CALLBACK TakeIfOwnDialog(HWND w, LPARAM out) {
        wchar_t name[16] = {};
        DWORD pid = 0;
        GetWindowThreadProcessId(w, &pid);
        GetClassNameW(w, name, 16);
        if (pid != GetCurrentProcessId() || !IsWindowVisible(w) || std::wstring(name) != L"#32770")
            return TRUE;
        *reinterpret_cast<HWND*>(out) = w;
        return FALSE;
    }
    static HWND FindOwnDialog() {
        HWND found = nullptr;
        EnumWindows(TakeIfOwnDialog, reinterpret_cast<LPARAM>(&found));
        return found;
    }
    std::thread thread_;
};

TEST(Win32DialogsTest, CancelledPickersGiveNothing) {
    platform::win32::Win32Dialogs dialogs;
    auto cancel = [](HWND box) { PostMessageW(box, WM_COMMAND, IDCANCEL, 0); };
    {
        DialogAnswerer person(cancel);
        EXPECT_EQ(dialogs.BrowseForFolder(L"Add a path"), L"");
    }
    DialogAnswerer person(cancel);
    EXPECT_TRUE(dialogs.OpenFiles().empty());
}

// Types into the name field of the Explorer-style dialog and presses Open.
void TypeAndOpen(HWND box, const std::wstring& text) {
    constexpr int kFileNameBox = 0x47C;
    SendDlgItemMessageW(box, kFileNameBox, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    SendMessageW(box, WM_COMMAND, IDOK, 0);
}

class FileChoiceTest : public ::testing::Test {
protected:
    FileChoiceTest() {
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        folder_ = std::wstring(temp) + L"tidyhawk picks";
        CreateDirectoryW(folder_.c_str(), nullptr);
        for (const wchar_t* name : {L"a.txt", L"b.txt"})
            std::ofstream(Path(name).c_str()) << "x";
    }
    ~FileChoiceTest() override {
        for (const wchar_t* name : {L"a.txt", L"b.txt"})
            DeleteFileW(Path(name).c_str());
        RemoveDirectoryW(folder_.c_str());
    }
    std::wstring Path(const std::wstring& name) const { return folder_ + L"\\" + name; }
    std::vector<std::wstring> Choose(std::function<void(HWND)> person) {
        DialogAnswerer answerer(std::move(person));
        return dialogs_.OpenFiles();
    }

    std::wstring folder_;
    platform::win32::Win32Dialogs dialogs_;
};

TEST_F(FileChoiceTest, OneChosenFileComesBackAsItsFullPath) {
    auto chosen = Choose([&](HWND box) { TypeAndOpen(box, Path(L"b.txt")); });
    EXPECT_EQ(chosen, std::vector<std::wstring>{Path(L"b.txt")});
}

TEST_F(FileChoiceTest, SeveralFilesComeBackAsFullPathsAndTheCurrentFolderStays) {
    wchar_t before[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, before);
    auto chosen = Choose([&](HWND box) {
        TypeAndOpen(box, folder_); // a folder's name opens that folder
        TypeAndOpen(box, L"\"b.txt\" \"a.txt\"");
    });
    EXPECT_EQ(chosen, (std::vector<std::wstring>{Path(L"b.txt"), Path(L"a.txt")}));
    wchar_t after[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, after);
    EXPECT_EQ(std::wstring(after), std::wstring(before));
}

std::wstring TextOf(HWND hwnd) {
    wchar_t text[256] = {};
    GetWindowTextW(hwnd, text, 256);
    return text;
}

// The program's settings dialog on the real back end, its windows made but hidden.
class SettingsDialogWin32Test : public ::testing::Test {
protected:
    SettingsDialogWin32Test() {
        fakes.shell.Folders[platform::csidl::AppData] = L"C:\\Users\\ann\\AppData\\Roaming";
        fakes.files.AddDirectory(L"C:\\Users\\ann\\AppData\\Roaming");
        program = std::make_unique<app::Program>(application, view, app::StartRequest{});
    }
    TForm2& Form() { return program->Form2(); }
    HWND Handle(forms::Control& c) { return backend.HandleOf(c); }
    bool Checked(forms::Control& box) {
        return SendMessageW(Handle(box), BM_GETCHECK, 0, 0) == BST_CHECKED;
    }
    // Rows reach the view a moment after they were added.
    bool RowsShown(HWND list, int count) {
        const DWORD start = GetTickCount();
        while (SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) != count) {
            if (GetTickCount() - start > 3000) return false;
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
            application.ProcessMessages();
        }
        return true;
    }

    platform::win32::Win32Dialogs shellDialogs;
    platform::fake::FakeServices fakes;
    platform::Services view = fakes.View();
    forms::Win32Backend backend;
    forms::Application application{backend, fakes.messages};
    std::unique_ptr<app::Program> program;
};

TEST_F(SettingsDialogWin32Test, CheckBoxesFollowTheOptionsAndTheirRules) {
    EXPECT_EQ(TextOf(Handle(Form())), L"Tidyhawk Settings");
    EXPECT_TRUE(Checked(Form().Box(settings::Option::Recycle))) << "Recycle starts on";
    EXPECT_FALSE(Checked(Form().Box(settings::Option::Autobegin))) << "Autobegin starts off";
    EXPECT_TRUE(Checked(Form().Box(settings::Option::ShowEmptyrecycle)));

    // The user's click on Emptyrecycle turns ShowEmptyrecycle off on screen too.
    SendMessageW(Handle(Form().Box(settings::Option::Emptyrecycle)), BM_CLICK, 0, 0);
    EXPECT_TRUE(Form().Box(settings::Option::Emptyrecycle).Checked());
    EXPECT_TRUE(Checked(Form().Box(settings::Option::Emptyrecycle)));
    EXPECT_FALSE(Checked(Form().Box(settings::Option::ShowEmptyrecycle)));
    EXPECT_FALSE(IsWindowEnabled(Handle(Form().Button7))) << "Delete starts disabled";
}

TEST_F(SettingsDialogWin32Test, AddedPathRowsShowCaptionCheckMarkAndShellIcon) {
    const std::wstring folder = WindowsFolder();
    fakes.dialogs.Icons[folder] = shellDialogs.SmallIconIndex(folder);
    fakes.dialogs.Folders = {folder, L"C:\\"};
    HWND list = Handle(Form().SearchPathList());
    EXPECT_EQ(SendMessageW(list, LVM_GETIMAGELIST, LVSIL_SMALL, 0),
              reinterpret_cast<LRESULT>(SystemSmallIcons()));
    Form().Button6.Click();
    Form().Button6.Click();
    ASSERT_TRUE(RowsShown(list, 2));

    wchar_t text[MAX_PATH] = {};
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_STATE;
    item.iItem = 1;
    item.stateMask = LVIS_STATEIMAGEMASK;
    item.pszText = text;
    item.cchTextMax = MAX_PATH;
    SendMessageW(list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(std::wstring(text), folder) << "C:\\ sorts first";
    EXPECT_EQ(item.iImage, fakes.dialogs.Icons[folder]);
    EXPECT_EQ(item.state & LVIS_STATEIMAGEMASK, INDEXTOSTATEIMAGEMASK(2)) << "checked";
}

TEST_F(SettingsDialogWin32Test, PagesAreTabsAndSelectionReachesThem) {
    HWND tabs = Handle(Form().PageControl1);
    ASSERT_EQ(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0), 5);
    wchar_t caption[32] = {};
    TCITEMW tab{};
    tab.mask = TCIF_TEXT;
    tab.pszText = caption;
    tab.cchTextMax = 32;
    SendMessageW(tabs, TCM_GETITEMW, 2, reinterpret_cast<LPARAM>(&tab));
    EXPECT_EQ(std::wstring(caption), L"Pathes");

    Form().PageControl1.SetActivePageIndex(2);
    EXPECT_EQ(SendMessageW(tabs, TCM_GETCURSEL, 0, 0), 2);
    Form().PageControl1.SetActivePageIndex(0);
    EXPECT_EQ(SendMessageW(tabs, TCM_GETCURSEL, 0, 0), 0);
}

} // namespace
