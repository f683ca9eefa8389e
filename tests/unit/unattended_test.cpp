#include "engine/log_encoding.h"
#include "program_fixture.h"

namespace {

using app::StartMode;

// A clean started with /clean over settings that ask every question there is.
class UnattendedTest : public ProgramTest {
protected:
    static constexpr const wchar_t* kTemp = L"C:\\Users\\ann\\AppData\\Local\\Temp\\";

    UnattendedTest() {
        fakes.files.AddDirectory(kTemp);
        fakes.files.AddDirectory(L"C:\\Windows");
        fakes.files.AddFile(std::wstring(kTemp) + L"a.tmp");
        fakes.files.AddFile(std::wstring(kTemp) + L"sub\\b.tmp");
        fakes.files.AddDirectory(L"D:\\Photos");
        for (const wchar_t* on : {L"Displaybox", L"Displayresultsbox", L"ShowEmptyrecycle", L"Logs"})
            SetDword(on, 1);
        SetDword(L"Autoclose", 0);
    }

    // Start-up chain, then the run its last step arms.
    void CleanUnattended() {
        StartAndSettle({L"D:\\Photos"}, StartMode::Clean);
        backend.Advance(100);
    }
    std::vector<std::wstring> LogLines() {
        return engine::DecodeLog(fakes.files.Content(Form2().LogPath), fakes.locale).lines;
    }
};

TEST_F(UnattendedTest, CleansWithoutABoxWritesTheLogAndCloses) {
    CleanUnattended();
    EXPECT_TRUE(fakes.messages.Shown.empty()) << fakes.messages.Shown.front().caption;
    EXPECT_EQ(fakes.files.Under(kTemp), std::vector<std::wstring>{});
    EXPECT_EQ(Form2().SearchPathList().Count(), 0) << "the folder is not offered";
    EXPECT_EQ(fakes.shell.EmptyCount, 0) << "the bins only with option Emptyrecycle";
    EXPECT_EQ(Form1().GetWindowState(), forms::WindowState::Minimized);
    EXPECT_FALSE(Form1().Showing());
    EXPECT_TRUE(application.Terminated());
    EXPECT_EQ(program->ExitCode(), app::exit_code::Done);
    const std::vector<std::wstring> log = LogLines();
    ASSERT_GE(log.size(), 3u);
    EXPECT_NE(log.end()[-3].find(L"2 files or folders had been cleaned"), std::wstring::npos)
        << log.end()[-3];
    EXPECT_NE(log.end()[-2].find(L"Space freed: 2 bytes"), std::wstring::npos) << log.end()[-2];
    EXPECT_NE(log.back().find(L"Drive C: free space grew by 2 bytes"), std::wstring::npos)
        << log.back();
}

TEST_F(UnattendedTest, AFileThatStaysEndsWithOneAndTheBinsFollowTheOption) {
    const std::wstring held = std::wstring(kTemp) + L"sub\\held.tmp";
    fakes.files.AddFile(held);
    fakes.files.Lock(held);
    SetDword(L"ShowEmptyrecycle", 0); // the two options exclude each other
    SetDword(L"Emptyrecycle", 1);
    CleanUnattended();
    EXPECT_TRUE(fakes.messages.Shown.empty());
    EXPECT_EQ(fakes.files.Under(kTemp), (std::vector<std::wstring>{std::wstring(kTemp) + L"sub", held}));
    EXPECT_EQ(fakes.shell.EmptyCount, 1);
    EXPECT_TRUE(application.Terminated());
    EXPECT_EQ(program->ExitCode(), app::exit_code::SomethingStayed);
}

// Program entry: the usage box, a second instance, and an error nobody could answer.
TEST_F(UnattendedTest, ProgramEntryAnswersWithTheUsageBoxOrStepsAside) {
    EXPECT_EQ(app::RunProgram(application, view, {L"/?"}), app::exit_code::Done);
    EXPECT_EQ(app::RunProgram(application, view, {L"/clean", L"-Bogus"}),
              app::exit_code::BadCommandLine);
    ASSERT_EQ(fakes.messages.Shown.size(), 2u);
    EXPECT_EQ(fakes.messages.Shown[0].text, app::kUsageText);
    EXPECT_EQ(fakes.messages.Shown[0].caption, L"Ace Tidyhawk");
    EXPECT_EQ(fakes.messages.Shown[1].text,
              L"Unknown switch: -Bogus\n\n" + std::wstring(app::kUsageText));
    EXPECT_TRUE(fakes.instances.Taken.empty()) << "no window was started";

    {
        const auto running = fakes.instances.Mark(app::kRunningMarkName);
        EXPECT_EQ(app::RunProgram(application, view, {L"/clean"}), app::exit_code::Done);
        EXPECT_FALSE(fakes.files.Exists(std::wstring(kAppData) + L"\\Ambervale"))
            << "a second instance builds no window";
    }
    fakes.registry.FailOpen = true;
    EXPECT_EQ(app::RunProgram(application, view, {L"/clean"}), app::exit_code::SomethingStayed);
    EXPECT_EQ(fakes.messages.Shown.size(), 2u) << "no exception box";
    EXPECT_EQ(app::RunProgram(application, view, {}), app::exit_code::Done);
    EXPECT_EQ(fakes.messages.Shown.size(), 3u) << "the exception box of a watched start";
}

} // namespace
