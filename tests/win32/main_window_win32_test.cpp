// The main window built by program entry on the real back end: its native controls
// exist with the classes, texts and layout a user sees.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include "app/main_window.h"
#include "app/program.h"
#include "forms/win32/win32_backend.h"
#include "platform/fake/fake_services.h"
#include "settings/option_set.h"

namespace {

std::wstring ClassOf(HWND hwnd) {
    wchar_t name[64] = {};
    GetClassNameW(hwnd, name, 64);
    return name;
}

std::wstring TextOf(HWND hwnd) {
    wchar_t text[256] = {};
    GetWindowTextW(hwnd, text, 256);
    return text;
}

class MainWindowWin32Test : public ::testing::Test {
protected:
    MainWindowWin32Test() {
        fakes.shell.Folders[platform::csidl::AppData] = L"C:\\Users\\ann\\AppData\\Roaming";
        fakes.files.AddDirectory(L"C:\\Users\\ann\\AppData\\Roaming");
        program = std::make_unique<app::Program>(application, view, app::StartRequest{});
        program->Form1().Show();
    }
    // Lets the start-up timers run on the real message loop.
    void PumpFor(DWORD ms) {
        const DWORD end = GetTickCount() + ms;
        while (GetTickCount() < end) {
            application.ProcessMessages();
            Sleep(5);
        }
    }
    HWND Handle(forms::Control& c) { return backend.HandleOf(c); }

    platform::fake::FakeServices fakes;
    platform::Services view = fakes.View();
    forms::Win32Backend backend;
    forms::Application application{backend, fakes.messages};
    std::unique_ptr<app::Program> program;
};

TEST_F(MainWindowWin32Test, ShowsItsControlsAsDesigned) {
    TForm1& form = program->Form1();
    HWND main = Handle(form);
    ASSERT_TRUE(IsWindowVisible(main));
    EXPECT_EQ(TextOf(main), L"Ace Tidyhawk");
    RECT client;
    GetClientRect(main, &client);
    EXPECT_EQ(client.right, MulDiv(733, backend.Dpi(), 96));
    EXPECT_EQ(client.bottom, MulDiv(524, backend.Dpi(), 96));

    EXPECT_EQ(ClassOf(Handle(form.ListView1)), WC_LISTVIEWW);
    EXPECT_EQ(ClassOf(Handle(form.StatusBar1)), STATUSCLASSNAMEW);
    EXPECT_EQ(ClassOf(Handle(form.ProgressBar1)), PROGRESS_CLASSW);
    EXPECT_EQ(SendMessageW(Handle(form.StatusBar1), SB_GETPARTS, 0, 0), 3);
    EXPECT_EQ(SendMessageW(Handle(form.ProgressBar1), PBM_GETRANGE, FALSE, 0), 500);
    EXPECT_FALSE(IsWindowVisible(Handle(form.ProgressBar1)));
    EXPECT_FALSE(IsWindowVisible(Handle(form.RichEdit1)));
    EXPECT_FALSE(IsWindowVisible(Handle(form.Image1)));

    struct Expected {
        forms::SpeedButton* button;
        const wchar_t* caption;
    };
    const Expected buttons[] = {{&form.SpeedButton6, L"Clean"},    {&form.SpeedButton1, L"Options"},
                                {&form.SpeedButton4, L"Help"},     {&form.SpeedButton7, L"File List"},
                                {&form.SpeedButton5, L"RENAME"},   {&form.SpeedButton2, L"About"},
                                {&form.SpeedButton3, L"Exit"},     {&form.SpeedButton8, L"Analyze"}};
    for (const Expected& e : buttons) {
        EXPECT_EQ(Handle(*e.button), nullptr) << e.caption << ": drawn by the toolbar panel";
        EXPECT_TRUE(e.button->Visible()) << e.caption;
        EXPECT_EQ(e.button->Caption(), e.caption);
    }
    RECT list;
    GetWindowRect(Handle(form.ListView1), &list);
    MapWindowPoints(nullptr, main, reinterpret_cast<POINT*>(&list), 2);
    EXPECT_EQ(list.top, MulDiv(65, backend.Dpi(), 96)) << "the list starts below the toolbar";
}

TEST_F(MainWindowWin32Test, StartupChainRunsOnTheRealLoopAndExitCloses) {
    fakes.registry.SetDword(L"Software\\Ambervale\\Purgo", L"DisplayText", 0);
    PumpFor(400);
    TForm1& form = program->Form1();
    EXPECT_TRUE(form.StartupFinished);
    EXPECT_TRUE(form.OnlyIcons1.Checked);
    EXPECT_EQ(form.SpeedButton3.Caption(), L"");
    // A click where Exit is drawn.
    const forms::Rect exit = form.SpeedButton3.Bounds();
    const int dpi = backend.FormDpi(form);
    const LPARAM at = MAKELPARAM(MulDiv(exit.left + exit.width / 2, dpi, 96),
                                 MulDiv(exit.top + exit.height / 2, dpi, 96));
    SendMessageW(Handle(form.Panel2), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(Handle(form.Panel2), WM_LBUTTONUP, 0, at);
    PumpFor(50);
    EXPECT_TRUE(application.Terminated());
    EXPECT_FALSE(IsWindowVisible(Handle(form)));
}

} // namespace
