#include "program_fixture.h"

namespace {

using platform::RegistryRoot;

class MainWindowTest : public ProgramTest {};

TEST_F(MainWindowTest, UiTextFillsCaptionsAndHints) {
    Start();
    const UiTextTable& text = Form1().UiText;
    ASSERT_EQ(text.Count(), UiTextTable::kLines);
    EXPECT_EQ(text[0], L"Ace Tidyhawk");
    EXPECT_EQ(text[32], L"Double click setting to change");
    EXPECT_EQ(text[35], L"Past");
    EXPECT_EQ(text[39], L"Delete permanently (can not be restored!)");
    EXPECT_EQ(text[64], L"Modify Options");
    EXPECT_EQ(text[65], L"Refused (a protected folder or an unsafe path)");
    EXPECT_EQ(text[66], L"Unknown switch:");
    EXPECT_EQ(text[67], L"Analyze");
    EXPECT_EQ(text[74], L" Analysis finished: ") << "the blanks around a piece are kept";
    EXPECT_EQ(text[84], L"Space freed");
    EXPECT_EQ(text[85], L"");
    EXPECT_EQ(ShippedUiText(66), text[66]) << "the same table before the window holds it";
    EXPECT_EQ(Form1().Caption(), L"Ace Tidyhawk");
    EXPECT_EQ(Form1().SpeedButton7.Caption(), L"File List");
    EXPECT_EQ(Form1().SpeedButton5.Caption(), L"RENAME");
    EXPECT_EQ(Form1().SpeedButton6.Hint(), L"Begin clean");
    EXPECT_EQ(Form1().SpeedButton3.Hint(), L"Exit the program");
    EXPECT_EQ(Form1().SpeedButton8.Hint(), L"See what a clean would delete and how much space it frees");
    EXPECT_EQ(Form1().OnlyIcons1.Caption, L"Only Icons");
    EXPECT_EQ(Form1().Modify1.Caption, L"Modify Options");
    EXPECT_TRUE(Form1().SpeedButton6.GetFont().bold);
    EXPECT_FALSE(Form1().SpeedButton1.GetFont().bold);
}

TEST_F(MainWindowTest, FirstStartCreatesKeyAndDataFolderAndWritesNothing) {
    StartAndSettle();
    EXPECT_EQ(Form1().DataFolder, std::wstring(kAppData) + L"\\Ambervale\\Tidyhawk\\");
    EXPECT_TRUE(fakes.files.DirectoryExists(std::wstring(kAppData) + L"\\Ambervale"));
    EXPECT_TRUE(fakes.files.DirectoryExists(Form1().DataFolder));
    EXPECT_TRUE(fakes.registry.KeyExists(RegistryRoot::CurrentUser, kKey));
    EXPECT_EQ(fakes.registry.ValueCount(RegistryRoot::CurrentUser, kKey), 0);
    EXPECT_EQ(Form1().ClientWidth(), 733);
    EXPECT_EQ(Form1().ClientHeight(), 524);
    EXPECT_EQ(Form1().Left(), (1024 - Form1().Width()) / 2) << "centred on the desktop";
    EXPECT_TRUE(Form1().ShowText1.Checked);
    EXPECT_TRUE(Form1().StartupFinished);
}

TEST_F(MainWindowTest, DataFolderFallsBackWhenTheShellHasNoAnswer) {
    fakes.shell.Folders.clear();
    Start();
    EXPECT_EQ(Form1().DataFolder, L"Ambervale\\Tidyhawk\\");
    EXPECT_TRUE(fakes.files.DirectoryExists(L"Ambervale\\Tidyhawk"));
}

TEST_F(MainWindowTest, DataFolderSurvivesADamagedPlacementValue) {
    SetDword(L"Maximize", 0);
    SetString(L"Width", L"wide");
    SetDword(L"Left", 40);
    Start();
    EXPECT_EQ(Form1().DataFolder, std::wstring(kAppData) + L"\\Ambervale\\Tidyhawk\\");
    EXPECT_EQ(Form1().ClientWidth(), 733);
}

TEST_F(MainWindowTest, PlacementRestoreRules) {
    SetDword(L"Maximize", 0);
    SetDword(L"Left", 30);
    SetDword(L"Top", 40);
    SetDword(L"Width", 600);
    SetDword(L"Height", 500);
    SetDword(L"Savepos", 0);
    Start();
    EXPECT_EQ(Form1().ClientWidth(), 733) << "Savepos off ignores the saved placement";
    program.reset();

    SetDword(L"Savepos", 1);
    Start();
    EXPECT_EQ(Form1().Bounds(), (forms::Rect{30, 40, 600, 500}));
    program.reset();

    SetDword(L"Maximize", 1);
    Start();
    EXPECT_EQ(Form1().GetWindowState(), forms::WindowState::Maximized);
    EXPECT_EQ(Form1().ClientWidth(), 733);
    program.reset();

    SetDword(L"Maximize", 0);
    auto key = fakes.registry.OpenKey(RegistryRoot::CurrentUser, kKey);
    key->DeleteValue(L"Width");
    key.reset();
    Start();
    EXPECT_EQ(Form1().Left(), 30);
    EXPECT_EQ(Form1().Height(), 500);
    EXPECT_EQ(Form1().ClientWidth(), 733) << "a missing width keeps the design width";
}

TEST_F(MainWindowTest, PlacementOnAScreenThatIsGoneOpensCentred) {
    SetDword(L"Maximize", 0);
    SetDword(L"Left", 2000);
    SetDword(L"Top", 100);
    SetDword(L"Width", 600);
    SetDword(L"Height", 500);
    Start();
    EXPECT_EQ(Form1().ClientWidth(), 733);
    EXPECT_EQ(Form1().Left(), (1024 - Form1().Width()) / 2);
    program.reset();

    fakes.desktop.Monitors.push_back({1024, 0, 2048, 768});
    Start();
    EXPECT_EQ(Form1().Left(), 2000);
    program.reset();

    // Sizes that overflow or make no window keep the design placement.
    SetDword(L"Left", 0x7FFFFFF0);
    Start();
    EXPECT_EQ(Form1().ClientWidth(), 733);
    program.reset();
    SetDword(L"Left", 10);
    SetDword(L"Width", 0xFFFFFF00);
    Start();
    EXPECT_EQ(Form1().ClientWidth(), 733);
}

// The saved values are screen pixels at every scaling, so a window left on a second
// monitor comes back there and opens centred once that monitor is gone.
TEST_F(MainWindowTest, PlacementIsSavedAndCheckedInScreenPixels) {
    struct Case {
        int dpi;
        std::uint32_t left, top, width, height; // what the registry holds
    };
    for (const Case& c : {Case{96, 1100, 100, 600, 500}, Case{144, 1650, 150, 900, 750}}) {
        SCOPED_TRACE(c.dpi);
        fakes.registry.DeleteKeyTree(RegistryRoot::CurrentUser, kKey);
        backend.ScreenDpi = c.dpi;
        const int screenWidth = 1024 * c.dpi / 96, screenHeight = 768 * c.dpi / 96;
        fakes.desktop.Monitors = {{0, 0, screenWidth, screenHeight},
                                  {screenWidth, 0, 2 * screenWidth, screenHeight}};
        StartAndSettle();
        Form1().BoundsChangedByUser({1100, 100, 600, 500});
        backend.Advance(200);
        EXPECT_EQ(Stored(L"Left")->number, c.left);
        EXPECT_EQ(Stored(L"Top")->number, c.top);
        EXPECT_EQ(Stored(L"Width")->number, c.width);
        EXPECT_EQ(Stored(L"Height")->number, c.height);
        program.reset();

        Start();
        EXPECT_EQ(Form1().Bounds(), (forms::Rect{1100, 100, 600, 500}));
        program.reset();

        fakes.desktop.Monitors.pop_back();
        Start();
        EXPECT_EQ(Form1().Left(), (1024 - Form1().Width()) / 2) << "the second monitor is gone";
        program.reset();
    }
}

TEST_F(MainWindowTest, StartupChainRunsInOrderAndLoadsSettingsOnce) {
    SetDword(L"Tempfolder", 0);
    Start();
    EXPECT_TRUE(Form1().Timer1.Enabled());
    backend.Advance(99);
    EXPECT_TRUE(Form1().Timer1.Enabled());
    backend.Advance(1);
    EXPECT_FALSE(Form1().Timer1.Enabled());
    EXPECT_TRUE(Form1().Timer5.Enabled());
    EXPECT_TRUE(Form2().Box(settings::Option::Tempfolder).Checked())
        << "design state until the second step";
    backend.Advance(100);
    EXPECT_FALSE(Form1().Timer5.Enabled());
    EXPECT_FALSE(Form2().Box(settings::Option::Tempfolder).Checked());
    EXPECT_TRUE(Form1().StartupFinished);
    EXPECT_FALSE(Form1().Timer6.Enabled()) << "no automatic run unless asked for";
    backend.Advance(1000);
    EXPECT_EQ(Form2().SearchPathList().Count(), 0);
}

TEST_F(MainWindowTest, AutomaticRunStartsOnceAfterStartup) {
    SetDword(L"Autobegin", 1);
    StartAndSettle();
    EXPECT_TRUE(Form1().Timer6.Enabled());
    EXPECT_FALSE(Form1().AutoBeginPending);
}

TEST_F(MainWindowTest, ResizesAreSavedOnlyAfterStartupAndCoalesced) {
    Start();
    Form1().BoundsChangedByUser({10, 10, 700, 500});
    backend.Advance(250);
    ASSERT_TRUE(Form1().StartupFinished);
    EXPECT_FALSE(Stored(L"Width")) << "a resize during start-up is not saved";

    const int opensBefore = fakes.registry.OpenCount;
    Form1().BoundsChangedByUser({10, 10, 710, 500});
    backend.Advance(50);
    Form1().BoundsChangedByUser({10, 10, 720, 500});
    backend.Advance(50);
    Form1().BoundsChangedByUser({12, 14, 730, 510});
    backend.Advance(99);
    EXPECT_FALSE(Stored(L"Width"));
    backend.Advance(1);
    EXPECT_EQ(fakes.registry.OpenCount - opensBefore, 1) << "one save for the burst";
    EXPECT_EQ(Stored(L"Left")->number, 12u);
    EXPECT_EQ(Stored(L"Top")->number, 14u);
    EXPECT_EQ(Stored(L"Width")->number, 730u);
    EXPECT_EQ(Stored(L"Height")->number, 510u);
    EXPECT_EQ(Stored(L"Maximize")->number, 0u);
    EXPECT_EQ(Stored(L"Savepos")->number, 1u);
    EXPECT_EQ(Stored(L"Delfilenum")->number, 0u);

    Form1().BoundsChangedByUser({12, 14, 730, 510}); // moved to the same place: nothing
    Form1().BoundsChangedByUser({50, 60, 730, 510}); // moved only
    backend.Advance(500);
    EXPECT_EQ(Stored(L"Left")->number, 12u);
}

TEST_F(MainWindowTest, PlacementSaveFollowsTheOptionAndTheWindowState) {
    SetDword(L"Delfilenum", 41);
    StartAndSettle();
    Form1().Run.State.TotalDeleted = 42;
    Form1().SetWindowState(forms::WindowState::Maximized);
    Form1().BoundsChangedByUser({0, 0, 1024, 768});
    backend.Advance(200);
    EXPECT_EQ(Stored(L"Maximize")->number, 1u);
    EXPECT_FALSE(Stored(L"Width"));
    EXPECT_EQ(Stored(L"Delfilenum")->number, 42u);

    Form2().Box(settings::Option::Savepos).SetChecked(false);
    Form1().BoundsChangedByUser({0, 0, 800, 600});
    backend.Advance(200);
    EXPECT_EQ(Stored(L"Savepos")->number, 0u);
    EXPECT_FALSE(Stored(L"Width"));

    fakes.registry.FailWritesAfter = 0;
    Form1().BoundsChangedByUser({0, 0, 810, 600});
    backend.Advance(200);
    EXPECT_TRUE(fakes.messages.Shown.empty()) << "a failed save shows nothing";
}

TEST_F(MainWindowTest, ExitIsRefusedWhileARunIsShown) {
    StartAndSettle();
    Form1().ProgressBar1.SetVisible(true);
    Form1().SpeedButton3.Click();
    EXPECT_TRUE(Form1().Showing());
    EXPECT_FALSE(application.Terminated());
    Form1().ProgressBar1.SetVisible(false);
    Form1().SpeedButton3.Click();
    EXPECT_FALSE(Form1().Showing());
    EXPECT_TRUE(application.Terminated());
}

TEST_F(MainWindowTest, StoredIconModeIsAppliedByTheFirstStep) {
    SetDword(L"DisplayText", 0);
    Start();
    EXPECT_EQ(Form1().SpeedButton1.Width(), 59);
    backend.Advance(100);
    EXPECT_TRUE(Form1().OnlyIcons1.Checked);
    EXPECT_FALSE(Form1().ShowText1.Checked);
    EXPECT_EQ(Form1().Panel2.Height(), 60);
    for (forms::SpeedButton* b : {&Form1().SpeedButton6, &Form1().SpeedButton3}) {
        EXPECT_EQ(b->Caption(), L"");
        EXPECT_EQ(b->Width(), 55);
        EXPECT_EQ(b->Left(), b->Tag * 56);
    }
    EXPECT_EQ(Form1().SpeedButton3.Left(), 7 * 56);
    EXPECT_EQ(Form1().SpeedButton1.Hint(), L"Change settings");

    Form1().ShowText1Click();
    EXPECT_EQ(Stored(L"DisplayText")->number, 1u);
    EXPECT_EQ(Form1().Panel2.Height(), 80);
    EXPECT_EQ(Form1().SpeedButton5.Caption(), L"RENAME");
    EXPECT_EQ(Form1().SpeedButton2.Bounds(), (forms::Rect{6 * 73, 2, 72, 75}));
    EXPECT_EQ(Form1().ListView1.Top(), 80) << "the list follows the taller toolbar";

    const int opens = fakes.registry.OpenCount;
    Form1().ShowText1Click();
    EXPECT_EQ(fakes.registry.OpenCount, opens) << "choosing the checked mode writes nothing";
}

TEST_F(MainWindowTest, EightButtonsStandBySlotInEveryLayout) {
    struct Button {
        forms::SpeedButton TForm1::*button;
        int slot;
        int designLeft;
        const wchar_t* caption;
    };
    const Button buttons[] = {
        {&TForm1::SpeedButton6, 0, 0, L"Clean"},       {&TForm1::SpeedButton8, 1, 59, L"Analyze"},
        {&TForm1::SpeedButton1, 2, 118, L"Options"},   {&TForm1::SpeedButton4, 3, 177, L"Help"},
        {&TForm1::SpeedButton7, 4, 500, L"File List"}, {&TForm1::SpeedButton5, 5, 408, L"RENAME"},
        {&TForm1::SpeedButton2, 6, 242, L"About"},     {&TForm1::SpeedButton3, 7, 307, L"Exit"}};
    StartAndSettle();
    auto check = [&](const char* layout, auto bounds, bool captions) {
        for (const Button& b : buttons) {
            const forms::SpeedButton& button = Form1().*b.button;
            SCOPED_TRACE(std::string(layout) + " slot " + std::to_string(b.slot));
            EXPECT_EQ(button.Tag, b.slot);
            EXPECT_EQ(button.Bounds(), bounds(b));
            EXPECT_EQ(button.Caption(), captions ? b.caption : L"");
        }
    };
    check("design", [](const Button& b) { return forms::Rect{b.designLeft, 2, 59, 61}; }, true);
    Form1().OnlyIcons1Click();
    check("icons", [](const Button& b) { return forms::Rect{b.slot * 56, 2, 55, 55}; }, false);
    Form1().ShowText1Click();
    check("text", [](const Button& b) { return forms::Rect{b.slot * 73, 2, 72, 75}; }, true);
}

TEST_F(MainWindowTest, StatusPanelZeroTakesTheSpareWidth) {
    Start();
    Form1().BoundsChangedByUser({0, 0, 1000, 600});
    const forms::StatusBar& bar = Form1().StatusBar1;
    EXPECT_EQ(bar.Panel(1).width, 110);
    EXPECT_EQ(bar.Panel(2).width, 115);
    EXPECT_EQ(bar.Panel(0).width, bar.Width() - 225);
    EXPECT_EQ(bar.Width(), Form1().ClientWidth());
    Form1().ProgressBar1.SetVisible(true);
    EXPECT_EQ(bar.Width(), Form1().ClientWidth() - 87);
    EXPECT_EQ(bar.Panel(0).width, bar.Width() - 225);
}

TEST_F(MainWindowTest, ProgramEntryShowsEscapingErrorsInTheExceptionBox) {
    fakes.registry.FailOpen = true;
    EXPECT_EQ(app::RunProgram(application, view, {}), 0);
    ASSERT_EQ(fakes.messages.Shown.size(), 1u);
    EXPECT_EQ(fakes.messages.Shown[0].text, L"Access is denied.");
    EXPECT_EQ(fakes.messages.Shown[0].caption, L"Ace Tidyhawk");
}

} // namespace

namespace {

class ToolbarTest : public ProgramTest {};

TEST_F(ToolbarTest, HelpOpensThePageBesideTheProgramOrTheWebPage) {
    StartAndSettle();
    Form1().SpeedButton4.Click();
    ASSERT_EQ(fakes.processes.Commands.size(), 1u);
    EXPECT_EQ(fakes.processes.Commands[0].first,
              "Explorer.exe https://www.ambervale.example/purgo/help.html");
    EXPECT_EQ(fakes.processes.Commands[0].second, platform::show::Maximized);

    fakes.files.AddFile(L"C:\\Program Files\\Tidyhawk\\help.html");
    ASSERT_TRUE(Form1().OnHelp);
    Form1().OnHelp(); // F1
    EXPECT_EQ(fakes.shell.Opened, (std::vector<std::wstring>{L"C:\\Program Files\\Tidyhawk\\help.html"}));
    EXPECT_EQ(fakes.processes.Commands.size(), 1u);

    Form1().SpeedButton7.Click();
    Form1().SpeedButton5.Click();
    program->AboutBox().Copyright.Click();
    ASSERT_EQ(fakes.processes.Commands.size(), 4u);
    EXPECT_EQ(fakes.processes.Commands[1].first, "Explorer.exe https://www.ambervale.example/tabulon/index.html");
    EXPECT_EQ(fakes.processes.Commands[2].first, "Explorer.exe https://www.ambervale.example/quillo/index.html");
    EXPECT_EQ(fakes.processes.Commands[3].first, "Explorer.exe https://www.ambervale.example/purgo/index.html");
}

TEST_F(ToolbarTest, AnalyzeForwardsToItsHandlerAndIsHarmlessWithoutOne) {
    StartAndSettle();
    Form1().SpeedButton8.Click();
    int analyses = 0;
    Form1().OnAnalyze = [&] { ++analyses; };
    Form1().SpeedButton8.Click();
    EXPECT_EQ(analyses, 1);
    EXPECT_TRUE(fakes.processes.Commands.empty());
    EXPECT_EQ(backend.ModalCount(), 0);
}

TEST_F(ToolbarTest, OptionsOpensTheFirstPageAndAboutShowsTheBox) {
    StartAndSettle();
    Form2().PageControl1.SetActivePageIndex(3);
    int shownPage = -1;
    backend.QueueModal([&](forms::Form&) { shownPage = Form2().PageControl1.ActivePageIndex(); });
    Form1().SpeedButton1.Click();
    EXPECT_EQ(shownPage, 0);
    const int modals = backend.ModalCount();
    Form1().SpeedButton2.Click();
    EXPECT_EQ(backend.ModalCount(), modals + 1);
    EXPECT_FALSE(program->AboutBox().Showing());
}

} // namespace
