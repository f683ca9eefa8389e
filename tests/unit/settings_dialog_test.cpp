#include <algorithm>
#include <functional>

#include "program_fixture.h"

namespace {

using platform::RegistryRoot;
namespace answer = platform::answer;

class SettingsDialogTest : public ProgramTest {
protected:
    // Shows the dialog modally; `inside` is what the user does while it is open.
    int WhileShown(std::function<void(TForm2&)> inside) {
        backend.QueueModal([this, inside](forms::Form&) { inside(Form2()); });
        return Form2().ShowModal();
    }
    std::vector<std::pair<std::wstring, bool>> Items(const forms::ListView& list) {
        std::vector<std::pair<std::wstring, bool>> out;
        for (int i = 0; i < list.Count(); ++i)
            out.push_back({list.Item(i).caption, list.Item(i).checked});
        return out;
    }
    int BoxesWithText(const std::wstring& text) {
        int n = 0;
        for (const auto& box : fakes.messages.Shown)
            n += box.text == text;
        return n;
    }
    using Rows = std::vector<std::pair<std::wstring, bool>>;
    static constexpr const wchar_t* kRecycleQuestion =
        L"Do you want to delete permanently(can not be restored) when find in search path?";
    static constexpr const wchar_t* kDefaultQuestion =
        L"Do you restore ALL settings to default values now?";
};

TEST_F(SettingsDialogTest, OpeningCommitsAllOptionValuesButNoLists) {
    StartAndSettle();
    Form2().DialogAccepted = true;
    int valuesWhileOpen = -1;
    WhileShown([&](TForm2& form) {
        valuesWhileOpen = fakes.registry.ValueCount(RegistryRoot::CurrentUser, kKey);
        EXPECT_FALSE(form.DialogAccepted);
    });
    EXPECT_EQ(valuesWhileOpen, 45) << "42 check boxes, two texts and Logday";
    EXPECT_FALSE(Stored(L"Pathnum"));
}

TEST_F(SettingsDialogTest, FailedSaveOnOpeningShowsTheErrorAndTheDialogStillCloses) {
    StartAndSettle();
    fakes.registry.FailWritesAfter = 0;
    bool modalInside = false;
    backend.QueueModal([&](forms::Form& form) {
        modalInside = form.Modal() && form.Showing();
        Form2().Button4.Click();
    });
    Form1().SpeedButton1.Click();
    EXPECT_EQ(backend.ModalCount(), 1);
    EXPECT_TRUE(modalInside);
    EXPECT_FALSE(Form2().Showing());
    EXPECT_FALSE(Form2().Modal());
    ASSERT_EQ(fakes.messages.Shown.size(), 1u);
    EXPECT_EQ(fakes.messages.Shown[0].text, L"Access is denied.");
    EXPECT_EQ(fakes.messages.Shown[0].flags, 0x10u) << "OK, stop";
}

TEST_F(SettingsDialogTest, RecycleQuestionIsAskedOnlyWhileTheDialogShows) {
    StartAndSettle();
    Form2().Box(settings::Option::Recycle).SetChecked(false);
    EXPECT_TRUE(fakes.messages.Shown.empty()) << "hidden: a load asks nothing";
    Form2().Box(settings::Option::Recycle).SetChecked(true);

    fakes.messages.Answers = {answer::No};
    WhileShown([](TForm2& form) { form.Box(settings::Option::Recycle).Click(); });
    ASSERT_EQ(fakes.messages.Shown.size(), 1u);
    EXPECT_EQ(fakes.messages.Shown[0].text, kRecycleQuestion);
    EXPECT_EQ(fakes.messages.Shown[0].flags, 0x2124u) << "Yes/No, question, task-modal, No";
    EXPECT_TRUE(Form2().Box(settings::Option::Recycle).Checked());
}

TEST_F(SettingsDialogTest, CancelReloadsTheListsFromTheRegistry) {
    SetDword(L"Pathnum", 1);
    SetString(L"Patha0", L"D:\\Photos");
    StartAndSettle();
    const int result = WhileShown([](TForm2& form) {
        form.SearchPathList().SetChecked(0, false);
        form.Button4.Click();
    });
    EXPECT_EQ(result, forms::mr::Cancel);
    EXPECT_EQ(Items(Form2().SearchPathList()), (Rows{{L"D:\\Photos", true}}));
    EXPECT_FALSE(Stored(L"Pathb0"));
}

TEST_F(SettingsDialogTest, RevertAsksTheRecycleQuestionAndNoKeepsTheBoxOn) {
    SetDword(L"Recycle", 0);
    StartAndSettle();
    fakes.messages.Answers = {answer::No};
    WhileShown([](TForm2& form) {
        form.Box(settings::Option::Recycle).Click();
    }); // on: no question, then Cancel
    EXPECT_EQ(BoxesWithText(kRecycleQuestion), 1);
    EXPECT_TRUE(Form2().Box(settings::Option::Recycle).Checked());
    EXPECT_EQ(Stored(L"Recycle")->number, 0u);
}

TEST_F(SettingsDialogTest, AddButtonsUseTheirTitlesAndSkipExactDuplicates) {
    StartAndSettle();
    fakes.dialogs.Folders = {L"C:\\Data", L"C:\\Data", L"c:\\data", L"", L"E:\\Old", L"D:\\Keep"};
    for (int i = 0; i < 4; ++i)
        Form2().Button6.Click();
    Form2().Button1.Click();
    Form2().Button12.Click();
    EXPECT_EQ(Items(Form2().SearchPathList()), (Rows{{L"c:\\data", true}, {L"C:\\Data", true}}));
    EXPECT_EQ(Items(Form2().DeleteFolderList()), (Rows{{L"E:\\Old", true}}));
    EXPECT_EQ(Items(Form2().ExcludePathList()), (Rows{{L"D:\\Keep", true}}));
    EXPECT_EQ(fakes.dialogs.FolderTitles,
              (std::vector<std::wstring>{L"Add a path", L"Add a path", L"Add a path", L"Add a path",
                                         L"Add a folder", L"Exclude a path"}));
}

TEST_F(SettingsDialogTest, AddFilesChecksEachNameAgainstEarlierOnesToo) {
    StartAndSettle();
    Form2().DeleteFileList().Add(L"C:\\a.txt", false);
    fakes.dialogs.FileSets = {{L"C:\\b.txt", L"C:\\a.txt", L"C:\\b.txt", L"C:\\A.txt"}};
    Form2().Button14.Click();
    Form2().Button14.Click(); // cancelled
    EXPECT_EQ(Items(Form2().DeleteFileList()),
              (Rows{{L"C:\\a.txt", false}, {L"C:\\A.txt", true}, {L"C:\\b.txt", true}}));
    EXPECT_EQ(fakes.dialogs.FileDialogsShown, 2);
}

TEST_F(SettingsDialogTest, DeleteFollowsTheSelectionAndRemovesEverySelectedRow) {
    StartAndSettle();
    forms::ListView& list = Form2().SearchPathList();
    for (auto path : {L"A:\\", L"B:\\", L"C:\\", L"D:\\"})
        list.Add(path, true);
    EXPECT_FALSE(Form2().Button7.Enabled());
    list.SetSelected(1, true);
    EXPECT_TRUE(Form2().Button7.Enabled());
    list.SetSelected(1, false);
    list.Click();
    EXPECT_FALSE(Form2().Button7.Enabled()) << "a click with nothing selected";

    for (int i : {0, 2, 3})
        list.SetSelected(i, true);
    list.Click();
    EXPECT_TRUE(Form2().Button7.Enabled());
    Form2().Button7.Click();
    EXPECT_EQ(Items(list), (Rows{{L"B:\\", true}}));
    EXPECT_FALSE(Form2().Button7.Enabled());
}

// What the compiler cannot see in the option table: a rank left out or given twice, a
// row whose place no page makes boxes for, a category without its work.
TEST_F(SettingsDialogTest, EveryOptionRowHasItsBoxAndOneRankInEachOrder) {
    Start();
    const std::vector<settings::BoolOption>& rows = settings::BoolOptions();
    ASSERT_EQ(rows.size(), settings::kOptionCount);
    std::vector<const forms::CheckBox*> boxes;
    std::function<void(const forms::Control&)> collect = [&](const forms::Control& c) {
        if (auto* box = dynamic_cast<const forms::CheckBox*>(&c)) boxes.push_back(box);
        for (const forms::Control* child : c.Children())
            collect(*child);
    };
    collect(Form2());
    EXPECT_EQ(boxes.size(), rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const settings::BoolOption& o = rows[i];
        EXPECT_EQ(static_cast<std::size_t>(o.id), i) << o.name << " stands out of the enum's order";
        const std::wstring name = L"CheckBox" + std::to_wstring(o.number);
        EXPECT_EQ(std::count_if(boxes.begin(), boxes.end(),
                                [&](const forms::CheckBox* b) { return b->Name() == name; }),
                  1)
            << o.name;
        EXPECT_EQ(settings::FindOption(o.name), &o);
        EXPECT_EQ(o.run.rank > 0, o.run.work != nullptr) << o.name;
    }
    // Each order ranks its rows 1, 2, 3, ... with no gap and no rank twice.
    auto ranks = [](const std::vector<const settings::BoolOption*>& order, auto rank) {
        std::vector<int> out;
        for (const settings::BoolOption* o : order)
            out.push_back(rank(*o));
        return out;
    };
    auto counting = [](std::size_t n) {
        std::vector<int> out(n);
        for (std::size_t i = 0; i < n; ++i)
            out[i] = static_cast<int>(i) + 1;
        return out;
    };
    EXPECT_EQ(ranks(settings::LoadOrder(), [](auto& o) { return o.loadRank; }),
              counting(rows.size()));
    EXPECT_EQ(ranks(settings::SaveOrder(), [](auto& o) { return o.saveRank; }),
              counting(rows.size()));
    const auto& summary = settings::SummaryOrder();
    EXPECT_EQ(ranks(summary, [](auto& o) { return o.summaryRank; }), counting(summary.size()));
    const auto& run = settings::RunOrder();
    EXPECT_EQ(ranks(run, [](auto& o) { return o.run.rank; }), counting(run.size()));
    std::vector<int> numbers = ranks(settings::DefaultOrder(), [](auto& o) { return o.number; });
    EXPECT_EQ(std::adjacent_find(numbers.begin(), numbers.end()), numbers.end());
}

class DefaultButtonTest : public SettingsDialogTest {
protected:
    DefaultButtonTest() {
        SetDword(L"Logday", 45);
        SetString(L"FilesName", L"thumbs.db");
        SetString(L"Ext", L"obj");
        SetDword(L"Pathnum", 2);
        SetString(L"Patha0", L"D:\\Photos");
        SetString(L"Pathb1", L"E:\\Music");
        SetDword(L"Foldernum", 1);
        SetString(L"Foldera0", L"C:\\Junk");
        SetDword(L"Filenum", 1);
        SetString(L"Fileb0", L"C:\\x.log");
        SetDword(L"Pathexnum", 1);
        SetString(L"Pathexa0", L"D:\\Photos\\Keep");
        SetDword(L"Emptyrecycle", 1);
        SetDword(L"ShowEmptyrecycle", 0);
    }
};

TEST_F(DefaultButtonTest, NoAnswerChangesNothing) {
    StartAndSettle();
    fakes.messages.Answers = {answer::No};
    Form2().Button5.Click();
    EXPECT_EQ(fakes.messages.Shown.at(0).text, kDefaultQuestion);
    EXPECT_EQ(fakes.messages.Shown.at(0).flags, 0x2024u) << "Yes/No, question, task-modal, Yes";
    EXPECT_TRUE(Form2().Box(settings::Option::Emptyrecycle).Checked());
    EXPECT_EQ(Form2().Edit1.Text(), L"thumbs.db");
    EXPECT_EQ(Form2().SearchPathList().Count(), 2);
}

TEST_F(DefaultButtonTest, DefaultThenOkStoresTheDefaultsAndEmptiesTheLists) {
    StartAndSettle();
    fakes.messages.Answers = {answer::Yes};
    int accepted = 0;
    Form2().OnAccepted = [&] { ++accepted; };
    const int result = WhileShown([](TForm2& form) {
        form.Button5.Click();
        EXPECT_FALSE(form.Box(settings::Option::Emptyrecycle).Checked()) << "Emptyrecycle";
        EXPECT_TRUE(form.Box(settings::Option::Autoclose).Checked()) << "Autoclose";
        EXPECT_FALSE(form.Box(settings::Option::ShowEmptyrecycle).Checked()) << "ShowEmptyrecycle";
        form.Button3.Click();
    });
    EXPECT_EQ(result, forms::mr::Ok);
    EXPECT_EQ(accepted, 1);
    for (const settings::BoolOption& o : settings::BoolOptions())
        EXPECT_EQ(Stored(o.name)->number, o.defaultValue ? 1u : 0u) << o.name;
    EXPECT_EQ(Stored(L"FilesName")->text, L"");
    EXPECT_EQ(Stored(L"Ext")->text, L"");
    EXPECT_EQ(Stored(L"Logday")->number, 45u);
    for (auto count : {L"Pathnum", L"Foldernum", L"Filenum", L"Pathexnum"})
        EXPECT_EQ(Stored(count)->number, 0u) << count;
    for (auto item : {L"Patha0", L"Pathb1", L"Foldera0", L"Fileb0", L"Pathexa0"})
        EXPECT_FALSE(Stored(item)) << item;
}

TEST_F(DefaultButtonTest, DefaultThenCancelBringsTheStoredStateBack) {
    SetDword(L"Recycle", 0);
    StartAndSettle();
    std::vector<bool> before;
    for (const settings::BoolOption& o : settings::BoolOptions())
        before.push_back(Form2().Box(o.id).Checked());
    fakes.messages.Answers = {answer::Yes, answer::Yes};
    WhileShown([](TForm2& form) { form.Button5.Click(); });
    ASSERT_EQ(fakes.messages.Shown.size(), 2u);
    EXPECT_EQ(fakes.messages.Shown[1].text, kRecycleQuestion) << "asked by the revert";
    std::vector<bool> after;
    for (const settings::BoolOption& o : settings::BoolOptions())
        after.push_back(Form2().Box(o.id).Checked());
    EXPECT_EQ(after, before);
    EXPECT_EQ(Form2().Edit1.Text(), L"thumbs.db");
    EXPECT_EQ(Form2().SearchPathList().Count(), 2);
    EXPECT_EQ(Form2().DeleteFileList().Count(), 1);
}

TEST_F(DefaultButtonTest, DataStoreTurnedBackOnAsksAndNoLeavesItOff) {
    SetDword(L"DataStore", 0);
    StartAndSettle();
    fakes.messages.Answers = {answer::Yes, answer::No};
    WhileShown([](TForm2& form) {
        form.Button5.Click();
        EXPECT_FALSE(form.Box(settings::Option::DataStore).Checked());
    });
    EXPECT_EQ(BoxesWithText(L"Do you want to delete Windows Update History?"), 1);
}

class OkButtonTest : public SettingsDialogTest {
protected:
    void WithLog(bool logsOn) {
        StartAndSettle();
        fakes.files.AddFile(Form2().LogPath);
        Form2().Box(settings::Option::Logs).SetChecked(logsOn);
        WhileShown([](TForm2& form) {
            form.Button3Click(); // the action alone, as the folder offer may call it
            EXPECT_NE(form.ModalResult(), forms::mr::None) << "the action closes the dialog";
        });
    }
};

TEST_F(OkButtonTest, LogIsDeletedOnlyWhenLogsAreOff) {
    WithLog(false);
    EXPECT_FALSE(fakes.files.FileExists(Form2().LogPath));
    program.reset();
    WithLog(true);
    EXPECT_TRUE(fakes.files.FileExists(Form2().LogPath));
}

TEST_F(OkButtonTest, WorksWhileHiddenAndTheDialogStillOpensAfterwards) {
    StartAndSettle();
    Form2().SearchPathList().Add(L"D:\\Offer", true);
    bool listsSavedFirst = false;
    Form2().OnAccepted = [&] { listsSavedFirst = Stored(L"Patha0").has_value(); };
    Form2().Button3.Click();
    EXPECT_TRUE(listsSavedFirst);
    EXPECT_FALSE(Form2().Showing());

    const int result = WhileShown([](TForm2& form) { form.Button4.Click(); });
    EXPECT_EQ(result, forms::mr::Cancel);
    EXPECT_EQ(Items(Form2().SearchPathList()), (Rows{{L"D:\\Offer", true}}));
}

TEST_F(OkButtonTest, FailedSaveStillClosesWithoutRevertAndSkipsTheRest) {
    StartAndSettle();
    fakes.files.AddFile(Form2().LogPath);
    bool accepted = false;
    Form2().OnAccepted = [&] { accepted = true; };
    const int result = WhileShown([&](TForm2& form) {
        form.Box(settings::Option::Tempfolder).Click();
        fakes.registry.FailWritesAfter = 0;
        EXPECT_ANY_THROW(form.Button3.Click());
        fakes.registry.FailWritesAfter.reset();
    });
    EXPECT_EQ(result, forms::mr::Ok);
    EXPECT_FALSE(Form2().Box(settings::Option::Tempfolder).Checked()) << "not reverted";
    EXPECT_FALSE(accepted);
    EXPECT_TRUE(fakes.files.FileExists(Form2().LogPath));
}

TEST_F(SettingsDialogTest, HelpAsksTheMainWindowAndKeepsTheDialogOpen) {
    StartAndSettle();
    int helps = 0;
    Form2().OnHelpButton = [&] { ++helps; };
    WhileShown([](TForm2& form) {
        form.Button9.Click();
        EXPECT_EQ(form.ModalResult(), forms::mr::None);
    });
    EXPECT_EQ(helps, 1);
}

TEST_F(SettingsDialogTest, RowIconsAreLookedUpOnceAndNeverStayZero) {
    StartAndSettle();
    fakes.dialogs.Icons[L"C:\\"] = 8;
    forms::ListView& search = Form2().SearchPathList();
    search.Add(L"C:\\", true);
    search.Add(L"Q:\\gone", true);
    Form2().DeleteFileList().Add(L"C:\\", true);
    for (int round = 0; round < 2; ++round) {
        search.RequestImage(0);
        search.RequestImage(1);
    }
    Form2().DeleteFileList().RequestImage(0);
    EXPECT_EQ(search.Item(0).imageIndex, 8);
    EXPECT_EQ(search.Item(1).imageIndex, 1);
    EXPECT_EQ(Form2().DeleteFileList().Item(0).imageIndex, 8);
    EXPECT_EQ(fakes.dialogs.IconLookups,
              (std::vector<std::wstring>{L"C:\\", L"Q:\\gone", L"C:\\"}));
}

} // namespace
