#include "engine_fixture.h"

namespace {

using settings::Option;
using platform::service_state::Running;

// An analysis: the same run as a clean, measuring instead of deleting.
class AnalysisTest : public EngineTest {
protected:
    AnalysisTest() {
        for (const settings::BoolOption& o : settings::BoolOptions())
            Form2().Box(o.id).SetChecked(true);
        Form2().Box(Option::Displaybox).SetChecked(false);
        Form2().LogPath = Form1().DataFolder + L"logs.log";
        fakes.locale.TimeOfDay = L"09:15:00";
        fakes.serviceControl.Set(L"WSearch", Running);
        fakes.serviceControl.Set(L"wuauserv", Running);
        const std::wstring temp = kTemp;
        fakes.files.AddFile(temp + L"a.tmp", 1000);
        fakes.files.AddFile(temp + L"sub\\b.tmp", 2000);
        fakes.files.AddFile(std::wstring(kLocal) + L"\\Google\\Chrome\\User Data\\Default\\Cache\\data_1", 300);
        fakes.files.AddFile(L"C:\\Windows\\KB1.log", 40, platform::attr::ReadOnly);
        fakes.files.AddFile(kSearchIndex + std::wstring(L"Windows.edb"), 500);
        fakes.files.AddFile(L"C:\\Mine\\m1", 70);
        fakes.files.AddFile(L"C:\\Scan\\old.tmp", 30);
        fakes.files.AddFile(L"C:\\Scan\\keep.txt", 5);
        Form2().DeleteFolderList().Add(L"C:\\Mine", true);
        Form2().SearchPathList().Add(L"C:\\Scan", true);
        Form2().Box(Option::Recycle).SetChecked(false);
    }
    static constexpr const wchar_t* kSearchIndex =
        L"C:\\ProgramData\\Microsoft\\Search\\Data\\Applications\\Windows\\";

    void AnalyzeNow() {
        Form1().SpeedButton8.Click();
        backend.Advance(100);
    }
    std::vector<std::pair<std::wstring, std::uint32_t>> Tree() {
        std::vector<std::pair<std::wstring, std::uint32_t>> all;
        for (const std::wstring& p : fakes.files.Under(L"C:\\")) {
            std::uint32_t a = 0;
            fakes.files.GetAttributes(p, a);
            all.emplace_back(p, a);
        }
        return all;
    }
};

// Every category on, every kind of target present, and every option that would make a
// clean talk, log, empty the bins or close: the analysis does none of it.
TEST_F(AnalysisTest, MeasuresEveryCategoryTouchingNothingAndTheCleanThenFreesExactlyThat) {
    const auto tree = Tree();
    const int writes = fakes.registry.Writes;
    const int total = State().TotalDeleted;
    AnalyzeNow();
    EXPECT_EQ(Tree(), tree) << "nothing deleted, no attribute changed";
    EXPECT_TRUE(fakes.files.Removed.empty());
    EXPECT_TRUE(fakes.shell.Calls.empty());
    EXPECT_TRUE(fakes.processes.Commands.empty()) << "no service stopped or started";
    EXPECT_EQ(fakes.registry.Writes, writes);
    EXPECT_FALSE(fakes.files.Exists(Form2().LogPath));
    EXPECT_TRUE(fakes.sound.Played.empty());
    EXPECT_TRUE(fakes.messages.Shown.empty());
    EXPECT_EQ(fakes.shell.EmptyCount, 0);
    EXPECT_FALSE(application.Terminated()) << "Autoclose is for a clean";
    EXPECT_EQ(State().TotalDeleted, total);
    EXPECT_FALSE(Form1().Timer9.Enabled()) << "no wait for the search service";

    const std::vector<std::wstring> rows = Rows();
    EXPECT_EQ(Form1().ListView1.Columns()[0].caption, L"Analysis Results:");
    EXPECT_NE(std::find(rows.begin(), rows.end(),
                        L"09:15:00 Temporary folder: 2 files or folders, 2.92 KB (3,000 bytes)"),
              rows.end());
    EXPECT_NE(std::find(rows.begin(), rows.end(),
                        L"09:15:00 Delete folders: C:\\Mine: 2 files or folders, 70 bytes"),
              rows.end());
    EXPECT_NE(std::find(rows.begin(), rows.end(),
                        L"09:15:00 Search path: C:\\Scan: 1 files or folders, 30 bytes"),
              rows.end());
    EXPECT_NE(std::find(rows.begin(), rows.end(), L"C:\\Scan\\old.tmp  30 bytes"), rows.end())
        << "with Display on, the user's items are listed with their sizes";
    EXPECT_FALSE(AnyRowContains(L"Begin Clean Temporary Folder")) << "no clean's status rows";
    const std::wstring closing = rows.back();
    EXPECT_EQ(closing.rfind(L"09:15:00 Analysis finished: ", 0), 0u) << closing;
    EXPECT_NE(closing.find(L" can be freed."), std::wstring::npos);
    EXPECT_EQ(Form1().StatusBar1.Panel(0).text, L"Analysis finished.");
    EXPECT_EQ(Form1().SpeedButton8.Caption(), L"Analyze");
    EXPECT_TRUE(Form1().SpeedButton6.Enabled());
    const engine::Accounting measured = Run().Measured();

    CleanNow();
    // The search index goes once its service has stopped, after the run.
    fakes.serviceControl.Set(L"WSearch", platform::service_state::Stopped);
    backend.Advance(1000);
    EXPECT_EQ(State().Deleted.Items, measured.Items);
    EXPECT_EQ(State().Deleted.PermanentBytes, measured.PermanentBytes);
    EXPECT_EQ(State().Deleted.RecycledBytes, measured.RecycledBytes);
    EXPECT_FALSE(fakes.files.Exists(L"C:\\Scan\\old.tmp"));
    EXPECT_EQ(Form1().ListView1.Columns()[0].caption, L"Clean Results:");
}

// While an analysis runs, its button is Stop and Clean waits; Stop asks its own question.
TEST_F(AnalysisTest, StopAsksAboutTheAnalysisAndCleanWaitsMeanwhile) {
    fakes.messages.Answers = {platform::answer::Yes};
    bool cleanEnabled = true;
    std::wstring caption;
    fakes.files.BeforeList = [&](const std::wstring&) {
        if (!caption.empty()) return;
        caption = Form1().SpeedButton8.Caption();
        cleanEnabled = Form1().SpeedButton6.Enabled();
        Form1().SpeedButton8.Click();
    };
    AnalyzeNow();
    EXPECT_EQ(caption, L"Stop");
    EXPECT_FALSE(cleanEnabled);
    ASSERT_EQ(fakes.messages.Shown.size(), 1u);
    EXPECT_EQ(fakes.messages.Shown[0].text, L"Do you want to stop the analysis?");
    EXPECT_EQ(Rows().back().rfind(L"09:15:00 Analysis stopped: ", 0), 0u) << Rows().back();
    EXPECT_EQ(Form1().StatusBar1.Panel(0).text, L"Analysis stopped.");
    EXPECT_EQ(Form1().SpeedButton8.Caption(), L"Analyze");
}

} // namespace
