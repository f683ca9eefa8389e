#include "engine_fixture.h"

namespace {

using platform::answer::No;
using platform::answer::Yes;

class RunTest : public EngineTest {};

TEST_F(RunTest, ConfirmationListsWhatTheRunWillDo) {
    Form2().Box(settings::Option::Displaybox).SetChecked(true);
    Form2().Box(settings::Option::Recycle).SetChecked(false);
    fakes.messages.Answers = {No};
    const int rowsBefore = Form1().ListView1.Count();
    CleanNow();
    ASSERT_EQ(fakes.messages.Shown.size(), 1u);
    EXPECT_EQ(fakes.messages.Shown[0].text,
              L"Your clean definitions are: \n\nDelete permanently(can not be restored!)\n"
              L"Search path: NONE\n\nDo you make sure the above definitions?");
    EXPECT_EQ(fakes.messages.Shown[0].caption, L"Clean Confirmation");
    EXPECT_EQ(fakes.messages.Shown[0].flags, 0x2024u);
    EXPECT_EQ(Form1().ListView1.Count(), rowsBefore) << "No leaves the window as it was";
    EXPECT_EQ(Form1().SpeedButton6.Caption(), L"Clean");
    EXPECT_FALSE(Form1().ProgressBar1.Visible());

    Form2().Box(settings::Option::Recycle).SetChecked(true);
    Form2().SearchPathList().Add(L"D:\\Data", true);
    Form2().SearchPathList().Add(L"D:\\Off", false);
    Form2().DeleteFolderList().Add(L"C:\\Old", true);
    Form1().Rows.FileTypesText = L"obj;gss";
    EXPECT_EQ(Run().ConfirmationText(),
              L"\nFile types: obj;gss\nSearch path: D:\\Data\nDelete folders: C:\\Old");
}

TEST_F(RunTest, TheCleanButtonMovesThePointerOffItself) {
    fakes.cursor.At = {100, 100};
    Form2().Box(settings::Option::Displaybox).SetChecked(false);
    Form1().SpeedButton6.Click();
    EXPECT_EQ(fakes.cursor.At.x, 160);
    EXPECT_EQ(fakes.cursor.At.y, 170);
    EXPECT_TRUE(Form1().Timer6.Enabled());
    backend.Advance(100);
    Form2().Box(settings::Option::Displaybox).SetChecked(true);
    fakes.messages.Answers = {No};
    Form1().SpeedButton6.Click();
    EXPECT_EQ(fakes.cursor.At.x, 340);
    EXPECT_EQ(fakes.cursor.At.y, 320);
}

TEST_F(RunTest, ARunEmptiesTheTemporaryFolderAndReturnsToIdle) {
    OnlyCategories({settings::Option::Tempfolder});
    fakes.files.AddFile(std::wstring(kTemp) + L"a.tmp");
    fakes.files.AddFile(std::wstring(kTemp) + L"sub\\b.tmp");
    fakes.files.AddFile(std::wstring(kTemp) + L".keep");
    fakes.locale.TimeOfDay = L"14:03:27";
    CleanNow();
    EXPECT_EQ(Rows(), (std::vector<std::wstring>{
                          L"14:03:27 Begin Clean Temporary Folder (" + std::wstring(kTemp) + L")",
                          L"14:03:27 Finished Clean Temporary Folder (" + std::wstring(kTemp) + L")",
                          L"14:03:27 No search path, click 'Option' to add",
                          L"14:03:27 Clean finished: 2 files or folders had been cleaned."}));
    EXPECT_EQ(fakes.files.Under(kTemp), (std::vector<std::wstring>{std::wstring(kTemp) + L".keep"}));
    EXPECT_EQ(Form1().ListView1.Columns()[0].caption, L"Clean Results:");
    EXPECT_FALSE(Form1().ProgressBar1.Visible());
    EXPECT_FALSE(Form1().Timer2.Enabled());
    EXPECT_EQ(Form1().SpeedButton6.Caption(), L"Clean");
    EXPECT_EQ(Form1().SpeedButton6.Hint(), L"Begin clean");
    EXPECT_FALSE(Form1().PopupMenu1.AutoPopup);
    EXPECT_TRUE(State().UserTargetsPhase) << "stays raised until the next run";
    EXPECT_FALSE(State().ItemRowsPhase);
}

TEST_F(RunTest, StopYesDuringTheTemporaryFolderSkipsTheRest) {
    OnlyCategories({settings::Option::Tempfolder, settings::Option::Thumbs});
    for (int i = 0; i < 20; ++i) fakes.files.AddFile(std::wstring(kTemp) + L"f" + std::to_wstring(i));
    fakes.files.AddFile(std::wstring(kLocal) + L"\\Microsoft\\Windows\\Explorer\\thumbcache_32.db");
    int removals = 0;
    fakes.files.BeforeRemove = [&](const std::wstring&) {
        if (++removals == 5) {
            EXPECT_EQ(Form1().SpeedButton6.Caption(), L"Stop");
            Form1().SpeedButton6.Click(); // the user presses Stop
            backend.PumpAdvanceMs = 100;
        }
    };
    fakes.messages.Answers = {Yes};
    CleanNow();
    backend.PumpAdvanceMs = 0;
    ASSERT_EQ(fakes.messages.Shown.size(), 1u);
    EXPECT_EQ(fakes.messages.Shown[0].text, L"Do you want to stop clean?");
    EXPECT_EQ(fakes.messages.Shown[0].caption, L"Stop Confirmation");
    EXPECT_TRUE(State().StopRequested);
    EXPECT_EQ(fakes.files.Removed.size(), 5u) << "nothing after the entry in hand";
    EXPECT_TRUE(AnyRowContains(L"Begin Clean Temporary Folder"));
    EXPECT_FALSE(AnyRowContains(L"Finished"));
    EXPECT_TRUE(Exists(std::wstring(kLocal) + L"\\Microsoft\\Windows\\Explorer\\thumbcache_32.db"));
    EXPECT_FALSE(Form1().ProgressBar1.Visible()) << "the run still winds up";
}

TEST_F(RunTest, StopNoLetsTheRunGoOnAndTheClockResume) {
    OnlyCategories({settings::Option::Tempfolder});
    for (int i = 0; i < 10; ++i) fakes.files.AddFile(std::wstring(kTemp) + L"f" + std::to_wstring(i));
    bool clockAfterNo = false;
    int removals = 0;
    fakes.files.BeforeRemove = [&](const std::wstring&) {
        ++removals;
        if (removals == 3) {
            Form1().SpeedButton6.Click();
            backend.PumpAdvanceMs = 100;
        }
        if (removals == 6) clockAfterNo = Form1().Timer2.Enabled();
    };
    fakes.messages.Answers = {No};
    CleanNow();
    backend.PumpAdvanceMs = 0;
    EXPECT_EQ(fakes.messages.Shown.size(), 1u);
    EXPECT_FALSE(State().StopRequested);
    EXPECT_TRUE(clockAfterNo);
    EXPECT_TRUE(fakes.files.Under(kTemp).empty());
    EXPECT_TRUE(AnyRowContains(L"Finished"));
}

TEST_F(RunTest, ApplicationCachesRunBetweenTheWindowsLocationsAndTheUsersTargets) {
    OnlyCategories({settings::Option::WMPdatabase, settings::Option::ChromeCache});
    const std::wstring chrome = std::wstring(kLocal) + L"\\Google\\Chrome\\User Data\\";
    fakes.files.AddFile(chrome + L"Default\\Cache\\data_0");
    fakes.files.AddFile(chrome + L"Default\\Preferences");
    fakes.files.AddFile(std::wstring(kLocal) + L"\\Microsoft\\Media Player\\a.wmdb");
    CleanNow();
    EXPECT_FALSE(Exists(chrome + L"Default\\Cache\\data_0"));
    EXPECT_TRUE(Exists(chrome + L"Default\\Preferences"));
    const std::vector<std::wstring> rows = Rows();
    auto at = [&](const std::wstring& text) {
        for (size_t i = 0; i < rows.size(); ++i)
            if (rows[i].find(text) != std::wstring::npos) return static_cast<int>(i);
        return -1;
    };
    EXPECT_LT(at(L"Windows Media Player Database"), at(L"Google Chrome Cache"));
    EXPECT_LT(at(L"Google Chrome Cache"), at(L"No search path"));
    EXPECT_TRUE(fakes.shell.RecycleBin.empty()) << "caches go permanently";
}

TEST_F(RunTest, ClockTexts) {
    EXPECT_EQ(engine::CleanRun::ElapsedText(59), L"59s");
    EXPECT_EQ(engine::CleanRun::ElapsedText(60), L"1m 0s");
    EXPECT_EQ(engine::CleanRun::ElapsedText(185), L"3m 5s");
    EXPECT_EQ(engine::CleanRun::ElapsedText(3599), L"59m 59s");
    EXPECT_EQ(engine::CleanRun::ElapsedText(3600), L"1h 0m");
    EXPECT_EQ(engine::CleanRun::ElapsedText(3720), L"1h 2m");

    State().ElapsedSeconds = 58;
    Form1().ProgressBar1.SetPosition(495);
    Run().ClockTick();
    EXPECT_EQ(Form1().StatusBar1.Panel(2).text, L"Past: 59s");
    EXPECT_EQ(Form1().ProgressBar1.Position(), 0) << "the clock's step wraps too";
    State().ItemRowsPhase = true;
    Run().ClockTick();
    EXPECT_EQ(Form1().StatusBar1.Panel(2).text, L"Past: 1m 0s");
    EXPECT_EQ(Form1().ProgressBar1.Position(), 0) << "no step while items are listed";
}

TEST_F(RunTest, AutomaticStartAsksLikeTheButton) {
    program.reset();
    SetDword(L"Autobegin", 1);
    SetDword(L"Displaybox", 1);
    fakes.messages.Answers = {No};
    StartAndSettle();
    backend.Advance(100);
    ASSERT_EQ(fakes.messages.Shown.size(), 1u);
    EXPECT_EQ(fakes.messages.Shown[0].caption, L"Clean Confirmation");
}

} // namespace
