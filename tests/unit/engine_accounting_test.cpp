#include "engine/measuring_action.h"
#include "engine_fixture.h"

namespace {

namespace attr = platform::attr;
using engine::Accounting;
using engine::Top;

class AccountingTest : public EngineTest {
protected:
    AccountingTest() : measuring(Walkers().Display(), State(), Walkers().Rules(), fakes.files) {
        fakes.files.BeforeRemove = [this](const std::wstring&) { ++removalsTried; };
    }

    void ExpectAccounting(const Accounting& got, const Accounting& want, const char* what) {
        EXPECT_EQ(got.Items, want.Items) << what;
        EXPECT_EQ(got.PermanentBytes, want.PermanentBytes) << what;
        EXPECT_EQ(got.RecycledBytes, want.RecycledBytes) << what;
    }
    std::vector<std::wstring> Everything() {
        std::vector<std::wstring> all = fakes.files.Under(L"C:\\");
        for (const std::wstring& d : fakes.files.Under(L"D:\\"))
            all.push_back(d);
        return all;
    }
    std::uint32_t Attributes(const std::wstring& path) {
        std::uint32_t a = 0;
        fakes.files.GetAttributes(path, a);
        return a;
    }
    // What a measuring pass may never do: delete, try to, change attributes, call the
    // shell or count into the run.
    void ExpectUntouched(const std::vector<std::wstring>& before) {
        EXPECT_EQ(Everything(), before);
        EXPECT_EQ(removalsTried, 0);
        EXPECT_TRUE(fakes.files.Removed.empty());
        EXPECT_TRUE(fakes.shell.Calls.empty());
        EXPECT_EQ(State().Deleted.Items, 0);
    }

    engine::MeasuringAction measuring;
    int removalsTried = 0;
};

// A read-only file goes (its attribute reset), a link goes as a link and holds nothing,
// a folder holds what its files hold, and a file held open stays and counts nothing.
TEST_F(AccountingTest, DeletionsCountTheirBytesPermanentOrRecycledAndAMeasureMatchesThem) {
    const std::wstring dir = L"C:\\Junk";
    struct Case {
        bool usersTargets;
        Accounting measured; // the held file among them: it would go
        Accounting deleted;  // what went around it: the folders holding it stay
    };
    const Case cases[] = {
        {false, {4, 82, 0}, {5, 75, 0}},
        {true, {4, 0, 82}, {5, 0, 75}},
    };
    fakes.files.AddFile(L"D:\\Precious\\thesis.doc", 1000);
    for (const Case& c : cases) {
        fakes.files.AddFile(dir + L"\\a.txt", 10);
        fakes.files.AddFile(dir + L"\\ro.bin", 5, attr::ReadOnly);
        fakes.files.AddFile(dir + L"\\sub\\b.txt", 20);
        fakes.files.AddFile(dir + L"\\sub\\deeper\\c.txt", 40);
        fakes.files.AddFile(dir + L"\\sub\\deeper\\held.db", 7);
        fakes.files.Lock(dir + L"\\sub\\deeper\\held.db");
        fakes.files.AddJunction(dir + L"\\docs", L"D:\\Precious");
        State().UserTargetsPhase = c.usersTargets;
        State().ItemRowsPhase = c.usersTargets;
        State().Deleted = Accounting{};
        measuring.Reset();
        const int rows = Form1().ListView1.Count();

        const std::vector<std::wstring> before = Everything();
        {
            engine::Primitives::ActionScope scope(Walkers(), measuring);
            EXPECT_TRUE(Walkers().DeleteFolderTree(dir + L"\\", Top::Keep));
        }
        ExpectUntouched(before);
        EXPECT_NE(Attributes(dir + L"\\ro.bin") & attr::ReadOnly, 0u);
        EXPECT_EQ(Form1().ListView1.Count(), rows) << "measuring lists nothing";
        ExpectAccounting(measuring.Measured(), c.measured,
                         c.usersTargets ? "measured, recycled" : "measured");

        EXPECT_FALSE(Walkers().DeleteFolderTree(dir + L"\\", Top::Keep));
        ExpectAccounting(State().Deleted, c.deleted, c.usersTargets ? "recycled" : "deleted");
        EXPECT_EQ(fakes.files.Under(dir),
                  (std::vector<std::wstring>{dir + L"\\sub", dir + L"\\sub\\deeper",
                                             dir + L"\\sub\\deeper\\held.db"}));
        const Accounting& m = measuring.Measured();
        EXPECT_EQ(m.PermanentBytes + m.RecycledBytes,
                  State().Deleted.PermanentBytes + State().Deleted.RecycledBytes + 7)
            << "what would go is what went and the held file";
        fakes.files.Removed.clear();
        fakes.shell.Calls.clear();
        removalsTried = 0;
    }
}

// Every kind of deletion a clean makes, in one run measured first and then cleaned:
// a kept temporary folder with a link, the hotfix leftovers (attributes cleared, one
// counted single file), the user's folder (recycled, itself kept by a dot entry though
// it was to go) and a search path (a junk file and an empty folder).
TEST_F(AccountingTest, AMeasuringRunMeasuresExactlyWhatTheCleanThenDeletes) {
    const std::wstring temp = kTemp;
    const std::wstring win = L"C:\\Windows\\";
    fakes.files.AddFile(temp + L"a.tmp", 100);
    fakes.files.AddFile(temp + L"sub\\b", 200);
    fakes.files.AddFile(temp + L"sub\\deeper\\c", 300);
    fakes.files.AddFile(L"D:\\Precious\\thesis.doc", 1000);
    fakes.files.AddJunction(temp + L"docs", L"D:\\Precious");
    fakes.files.AddFile(win + L"$NtUninstallKB1$\\spuninst.exe", 400, attr::ReadOnly);
    fakes.files.AddFile(win + L"KB1.log", 60, attr::ReadOnly);
    fakes.files.AddFile(L"C:\\Mine\\m1", 70);
    fakes.files.AddFile(L"C:\\Mine\\msub\\m2", 80);
    fakes.files.AddFile(L"C:\\Mine\\.keep", 9);
    fakes.files.AddFile(L"C:\\Scan\\old.tmp", 30);
    fakes.files.AddFile(L"C:\\Scan\\keep.txt", 5);
    fakes.files.AddDirectory(L"C:\\Scan\\empty");
    OnlyCategories({settings::Option::Tempfolder, settings::Option::Hotfix,
                    settings::Option::Delfolder, settings::Option::Oldfile,
                    settings::Option::Empfolder});
    Form2().DeleteFolderList().Add(L"C:\\Mine", true);
    Form2().SearchPathList().Add(L"C:\\Scan", true);

    const std::vector<std::wstring> before = Everything();
    {
        engine::Primitives::ActionScope scope(Walkers(), measuring);
        CleanNow();
    }
    ExpectUntouched(before);
    EXPECT_NE(Attributes(win + L"KB1.log") & attr::ReadOnly, 0u) << "attributes stay as they are";
    // Permanent: a.tmp, sub whole, the link, the uninstall folder whole, KB1.log.
    // Recycled: m1, msub whole, old.tmp, the empty folder; the user's folder stays.
    ExpectAccounting(measuring.Measured(), {9, 100 + 500 + 400 + 60, 70 + 80 + 30}, "measured");

    CleanNow();
    ExpectAccounting(State().Deleted, measuring.Measured(), "deleted");
    EXPECT_EQ(fakes.files.Under(L"C:\\Mine"), std::vector<std::wstring>{L"C:\\Mine\\.keep"});
}

} // namespace
