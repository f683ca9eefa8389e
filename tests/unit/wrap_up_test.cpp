#include "engine/log_encoding.h"
#include "engine/wrap_up.h"
#include "engine_fixture.h"

namespace {

namespace mb = platform::mb;
using platform::answer::No;
using platform::answer::Yes;
using Lines = std::vector<std::wstring>;

constexpr unsigned kQuestionFlags = mb::YesNo | mb::IconQuestion | mb::DefButton2 | mb::TaskModal;
constexpr unsigned kInformationFlags = mb::Ok | mb::IconInformation | mb::TaskModal;
const std::wstring kFinished = L"18:00:05 Clean finished: 7 files or folders had been cleaned.";
const std::wstring kBinsRow = L"18:00:05 Finished clear all recycle bins";

// The end of a run, entered directly after a run's rows are in the list.
class WrapUpTest : public EngineTest {
protected:
    WrapUpTest() {
        OnlyCategories({});
        Form2().LogPath = Form1().DataFolder + L"logs.log";
        Form1().Rows.List().Clear();
        Form1().Rows.AddResultRow(L"18:00:01 Begin Clean Temporary Folder", 1);
        fakes.locale.TimeOfDay = L"18:00:05";
        fakes.shell.RecycleBin = {L"C:\\old.txt"};
        State().Deleted.Items = 7;
        State().ItemRowsPhase = true;
    }

    bool Finish() {
        engine::WrapUp wrapUp(engine::RunView{application, Form1().StatusBar1, Form1().ProgressBar1,
                                              Form1().Rows, Form1().UiText.Lines()},
                              State(), Form2(), view);
        return wrapUp.Run();
    }
    // Sets an option past the dialog's rules, which keep some of these apart; settings
    // stored by other versions need not follow them.
    void SetOption(settings::Option which, bool on) {
        forms::CheckBox& option = Form2().Box(which);
        std::function<void()> rule = std::move(option.OnClick);
        option.OnClick = nullptr;
        option.SetChecked(on);
        option.OnClick = std::move(rule);
    }
    Lines LogLines() {
        return engine::DecodeLog(fakes.files.Content(Form2().LogPath), fakes.locale).lines;
    }
    const std::wstring& Log() { return Form2().LogPath; }
};

// --- Summary, status and boxes --------------------------------------------------------

TEST_F(WrapUpTest, AFinishedRunReportsItsCount) {
    SetOption(settings::Option::Displayresultsbox, true);
    EXPECT_FALSE(Finish());
    EXPECT_EQ(Rows(), (Lines{L"18:00:01 Begin Clean Temporary Folder", kFinished}));
    EXPECT_EQ(Form1().ListView1.Item(1).imageIndex, 1);
    EXPECT_EQ(Form1().ListView1.LastMadeVisible(), 0) << "the summary is added, not scrolled to";
    EXPECT_EQ(Form1().StatusBar1.Panel(0).text, L" Cleaned over.");
    EXPECT_FALSE(State().ItemRowsPhase);
    ASSERT_EQ(fakes.messages.Shown.size(), 1u);
    EXPECT_EQ(fakes.messages.Shown[0].text, L"7 files or folders had been deleted.");
    EXPECT_EQ(fakes.messages.Shown[0].caption, L"Information");
    EXPECT_EQ(fakes.messages.Shown[0].flags, kInformationFlags);
    EXPECT_EQ(fakes.shell.EmptyCount, 0);
}

TEST_F(WrapUpTest, AStoppedRunSaysSoAndNeverEmptiesTheBinsOrCloses) {
    State().StopRequested = true;
    for (auto box :
         {settings::Option::Displayresultsbox, settings::Option::ShowEmptyrecycle,
          settings::Option::Emptyrecycle, settings::Option::Autoclose, settings::Option::Logs})
        SetOption(box, true);
    EXPECT_FALSE(Finish());
    EXPECT_EQ(Rows().back(), L"18:00:05 User stopped: 7 files or folders had been cleaned.");
    EXPECT_EQ(Form1().StatusBar1.Panel(0).text, L" Clean stopped.");
    ASSERT_EQ(fakes.messages.Shown.size(), 1u) << "no question whose Yes would do nothing";
    EXPECT_EQ(fakes.messages.Shown[0].caption, L"Information");
    EXPECT_EQ(fakes.messages.Shown[0].text, L"7 files or folders had been deleted.");
    EXPECT_EQ(fakes.shell.EmptyCount, 0);
    EXPECT_TRUE(fakes.cursor.Busy.empty());
    EXPECT_TRUE(fakes.files.FileExists(Log())) << "a stopped run is logged too";
    EXPECT_EQ(fakes.sound.Played.size(), 1u);
}

TEST_F(WrapUpTest, NoBoxWhenBothBoxOptionsAreOffOrOnlyAPointlessQuestionIsLeft) {
    Finish();
    EXPECT_TRUE(fakes.messages.Shown.empty());
    State().StopRequested = true;
    SetOption(settings::Option::ShowEmptyrecycle, true);
    Finish();
    EXPECT_TRUE(fakes.messages.Shown.empty());
}

// --- Recycle bins ---------------------------------------------------------------------

TEST_F(WrapUpTest, YesToTheQuestionEmptiesTheBinsUnderTheHourglass) {
    SetOption(settings::Option::ShowEmptyrecycle, true);
    fakes.messages.Answers = {Yes};
    Finish();
    ASSERT_EQ(fakes.messages.Shown.size(), 1u);
    EXPECT_EQ(fakes.messages.Shown[0].text, L"\nDo you empty Recycle bins now?");
    EXPECT_EQ(fakes.messages.Shown[0].caption, L"Clear Confirmation");
    EXPECT_EQ(fakes.messages.Shown[0].flags, kQuestionFlags);
    EXPECT_EQ(fakes.messages.Shown[0].flags, 0x2124u);
    EXPECT_EQ(fakes.shell.EmptyCount, 1);
    EXPECT_TRUE(fakes.shell.RecycleBin.empty());
    EXPECT_EQ(fakes.cursor.Busy, (std::vector<bool>{true, false}));
    EXPECT_EQ(Rows(), (Lines{L"18:00:01 Begin Clean Temporary Folder", kFinished, kBinsRow}));
    EXPECT_EQ(Form1().ListView1.Item(2).imageIndex, 1);
}

TEST_F(WrapUpTest, TheQuestionFollowsTheResultsText) {
    SetOption(settings::Option::Displayresultsbox, true);
    SetOption(settings::Option::ShowEmptyrecycle, true);
    fakes.messages.Answers = {No};
    Finish();
    ASSERT_EQ(fakes.messages.Shown.size(), 1u);
    EXPECT_EQ(fakes.messages.Shown[0].text,
              L"7 files or folders had been deleted.\nDo you empty Recycle bins now?");
    EXPECT_EQ(fakes.shell.EmptyCount, 0);
    EXPECT_EQ(fakes.shell.RecycleBin.size(), 1u);
    EXPECT_TRUE(fakes.cursor.Busy.empty());
}

TEST_F(WrapUpTest, AutomaticEmptyingIgnoresANo) {
    SetOption(settings::Option::Emptyrecycle, true);
    SetOption(settings::Option::ShowEmptyrecycle, true);
    fakes.messages.Answers = {No};
    Finish();
    EXPECT_EQ(fakes.shell.EmptyCount, 1);
    EXPECT_EQ(Rows().back(), kBinsRow);
}

TEST_F(WrapUpTest, TheShellEmptiesTheBinsOverTheMainWindow) {
    SetOption(settings::Option::Emptyrecycle, true);
    Finish();
    ASSERT_EQ(fakes.shell.EmptyCount, 1);
    EXPECT_NE(fakes.shell.EmptyOwner, nullptr);
    EXPECT_EQ(fakes.shell.EmptyOwner, backend.NativeWindow(Form1()));
}

TEST_F(WrapUpTest, BinsThatCannotBeEmptiedAddNoRowButTheCursorComesBack) {
    SetOption(settings::Option::Emptyrecycle, true);
    fakes.shell.EmptyFails = true;
    Finish();
    EXPECT_EQ(fakes.shell.EmptyCount, 1);
    EXPECT_EQ(Rows().back(), kFinished);
    EXPECT_EQ(fakes.cursor.Busy, (std::vector<bool>{true, false}));
}

// --- Log ------------------------------------------------------------------------------

TEST_F(WrapUpTest, TheLogBlockIsTheRunsRowsEndingWithTheBinsRow) {
    SetOption(settings::Option::Logs, true);
    SetOption(settings::Option::Emptyrecycle, true);
    Finish();
    EXPECT_EQ(LogLines(), (Lines{L"", L"12/9/2026", L"18:00:01 Begin Clean Temporary Folder",
                                 kFinished, kBinsRow}));
}

TEST_F(WrapUpTest, NoLogWhenLogsIsOff) {
    Finish();
    EXPECT_FALSE(fakes.files.Exists(Log()));
    fakes.files.SetContent(Log(), "\r\n1/1/2020\r\nold\r\n\r\n1/1/2019\r\nolder\r\n");
    Finish();
    EXPECT_EQ(fakes.files.Content(Log()), "\r\n1/1/2020\r\nold\r\n\r\n1/1/2019\r\nolder\r\n");
}

TEST_F(WrapUpTest, RunsStayInTheLogForTheDaysOfTheOption) {
    SetOption(settings::Option::Logs, true);
    const std::string old = "\r\n12/8/2026\r\nyesterday\r\n\r\n11/19/2026\r\ntwenty days ago\r\n";
    fakes.files.SetContent(Log(), old);
    Form2().UpDown1.SetPosition(20);
    Finish();
    EXPECT_EQ(LogLines().back(), L"twenty days ago");
    fakes.files.SetContent(Log(), old);
    Form2().UpDown1.SetPosition(19);
    Finish();
    EXPECT_EQ(LogLines().back(), L"yesterday");
}

TEST_F(WrapUpTest, AnUnreadableLogIsLeftAloneAndTheRunStillEnds) {
    SetOption(settings::Option::Logs, true);
    SetOption(settings::Option::Autoclose, true);
    fakes.files.SetContent(Log(), "\r\n12/8/2026\r\nhistory\r\n");
    fakes.files.DenyReading(Log());
    EXPECT_TRUE(Finish());
    EXPECT_EQ(fakes.files.Content(Log()), "\r\n12/8/2026\r\nhistory\r\n");
    EXPECT_EQ(fakes.sound.Played.size(), 1u);
}

// --- Sound, total and closing ---------------------------------------------------------

TEST_F(WrapUpTest, TheEndSoundBesideTheProgramIsPlayedByItsPath) {
    Finish();
    EXPECT_EQ(fakes.sound.Played, Lines{L"end.wav"});
    fakes.files.AddFile(L"C:\\Program Files\\Tidyhawk\\end.wav");
    Finish();
    EXPECT_EQ(fakes.sound.Played.back(), L"C:\\Program Files\\Tidyhawk\\end.wav");
}

TEST_F(WrapUpTest, TheTotalIsSavedAfterEveryRun) {
    Form1().Run.State.TotalDeleted = 1234;
    State().StopRequested = true;
    Finish();
    ASSERT_TRUE(Stored(L"Delfilenum"));
    EXPECT_EQ(Stored(L"Delfilenum")->number, 1234u);
    fakes.registry.FailOpen = true;
    Form1().Run.State.TotalDeleted = 1500;
    EXPECT_NO_THROW(Finish());
    EXPECT_EQ(Stored(L"Delfilenum")->number, 1234u);
}

TEST_F(WrapUpTest, OnlyAFinishedRunClosesTheProgram) {
    EXPECT_FALSE(Finish());
    SetOption(settings::Option::Autoclose, true);
    EXPECT_TRUE(Finish());
    State().StopRequested = true;
    EXPECT_FALSE(Finish());
}

// --- The log buttons ------------------------------------------------------------------

TEST_F(WrapUpTest, ClearLogAsksFirst) {
    fakes.files.SetContent(Log(), "\r\n12/8/2026\r\nhistory\r\n");
    Form2().Button8.OnClick = [this] { Form2().Button8Click(); };
    fakes.messages.Answers = {No, Yes, Yes};
    Form2().Button8.Click();
    ASSERT_EQ(fakes.messages.Shown.size(), 1u);
    EXPECT_EQ(fakes.messages.Shown[0].text, L"Do you want to clean log?");
    EXPECT_EQ(fakes.messages.Shown[0].caption, L"Clean Confirmation");
    EXPECT_EQ(fakes.messages.Shown[0].flags, kQuestionFlags);
    EXPECT_TRUE(fakes.files.Exists(Log()));
    Form2().Button8.Click();
    EXPECT_FALSE(fakes.files.Exists(Log()));
    Form2().Button8.Click();
    EXPECT_EQ(fakes.messages.Shown.size(), 3u) << "a missing log is no error";
}

TEST_F(WrapUpTest, ViewLogOpensTheFileOrSaysThereIsNone) {
    Form2().Button10Click();
    EXPECT_TRUE(fakes.shell.Opened.empty());
    ASSERT_EQ(fakes.messages.Shown.size(), 1u);
    EXPECT_EQ(fakes.messages.Shown[0].text, L"No Log file!");
    EXPECT_EQ(fakes.messages.Shown[0].caption, L"Information");
    EXPECT_EQ(fakes.messages.Shown[0].flags, 0x2040u) << "OK, information, task-modal";
    fakes.files.SetContent(Log(), "\r\n12/8/2026\r\nhistory\r\n");
    Form2().Button10Click();
    EXPECT_EQ(fakes.shell.Opened, Lines{Log()});
    EXPECT_EQ(fakes.messages.Shown.size(), 1u);
}

} // namespace
