#include <utility>

#include "program_fixture.h"
#include "settings/settings_summary.h"

namespace {

using Row = std::pair<std::wstring, int>; // caption, image
using Rows_t = std::vector<Row>;

class SettingsSummaryTest : public ProgramTest {
protected:
    SettingsSummaryTest() { Start(); }

    void Build() {
        settings::BuildSettingsSummary(Form1().Rows, Form2(), Form1().StatusBar1,
                                       Form1().UiText.Lines());
    }
    forms::ListView& List() { return Form1().ListView1; }
    Rows_t Shown() {
        Rows_t out;
        for (int i = 0; i < List().Count(); ++i)
            out.push_back({List().Item(i).caption, List().Item(i).imageIndex});
        return out;
    }
    // Every boolean option off except Recycle, then the named ones on.
    void OnlyOptions(std::initializer_list<const wchar_t*> on) {
        for (const settings::BoolOption& o : settings::BoolOptions())
            Form2().Box(o.id).SetChecked(std::wstring(o.name) == L"Recycle");
        for (const wchar_t* name : on)
            Form2().Box(settings::FindOption(name)->id).SetChecked(true);
    }
    static void Fill(forms::ListView& list,
                     std::initializer_list<std::pair<const wchar_t*, bool>> items) {
        for (const auto& item : items)
            list.Add(item.first, item.second);
    }
    // The user's settings of a typical machine, with every kind of row present.
    void TypicalSettings() {
        OnlyOptions({L"Logfile", L"Acdsee", L"Tempfolder", L"DataStore", L"Empfolder", L"Picthumb",
                     L"Flashcache"});
        Form2().Box(settings::Option::Recycle).SetChecked(false);
        Form2().Edit4.SetText(L"*.dmp;*.old");
        Form2().Edit1.SetText(L"thumbs.db");
        Fill(Form2().SearchPathList(), {{L"D:\\Data", true},
                                        {L"C:\\Temp", true},
                                        {L"E:\\Off", false},
                                        {L"F:\\tmp", true},
                                        {L"G:\\Windows\\Temp", true}});
        Fill(Form2().ExcludePathList(), {{L"D:\\Data\\Keep", true}});
        Fill(Form2().DeleteFolderList(), {{L"C:\\Junk", false}});
        Fill(Form2().DeleteFileList(), {{L"C:\\a.txt", true}});
    }
    int PageFor(const std::wstring& caption, int current = 0) {
        int index = List().FindCaption(caption);
        EXPECT_GE(index, 0) << "no row " << std::string(caption.begin(), caption.end());
        return settings::ChooseSettingsPage(List(), index, current);
    }
};

// --- The rows of the summary -------------------------------------------------------

TEST_F(SettingsSummaryTest, TypicalSettingsGiveEverySectionInOrder) {
    TypicalSettings();
    Build();
    EXPECT_EQ(Shown(), (Rows_t{
                           {L"  Delete permanently(can not be restored!)", 4},
                           {L"Clean file types: *.dmp;*.old", 4},
                           {L"Clean files: thumbs.db", 4},
                           {L"Search path: ", 0},
                           {L"  C:\\Temp", 4},
                           {L"  D:\\Data", 4},
                           {L"  F:\\tmp", 4},
                           {L"  G:\\Windows\\Temp", 4},
                           {L"Exclude path:", 0},
                           {L"  D:\\Data\\Keep", 1},
                           {L"Delete files:", 0},
                           {L"  C:\\a.txt", 4},
                           {L"Other folders or files to clean:", 0},
                           {L"  Temporary folder", 0},
                           {L"  Delete empty folder", 0},
                           {L"  Windows update temporary file", 0},
                           {L"  Acdsee database", 0},
                           {L"  Log files (*.log)", 0},
                       }));
    EXPECT_EQ(List().Columns().at(0).caption, L"Now Settings");
}

TEST_F(SettingsSummaryTest, RebuildReplacesRowsAndResetsListStatusAndCopies) {
    TypicalSettings();
    Form1().StatusBar1.SetPanelText(1, L"Deleted 12");
    Form1().StatusBar1.SetPanelText(2, L"3 MB");
    Form1().Rows.SummaryShown = false;
    Build();
    size_t first = Shown().size();
    Form2().Edit4.SetText(L"");
    Form2().Edit1.SetText(L"desktop.ini");
    Build();
    EXPECT_EQ(Shown().size(), first - 1); // the file types row went, nothing doubled
    EXPECT_TRUE(Form1().Rows.SummaryShown);
    EXPECT_EQ(Form1().Rows.FileTypesText, L"");
    EXPECT_EQ(Form1().Rows.FileNamesText, L"desktop.ini");
    Form2().Edit1.SetText(L"typed after the summary");
    EXPECT_EQ(Form1().Rows.FileNamesText, L"desktop.ini"); // a copy, not the live edit
    EXPECT_EQ(Form1().StatusBar1.Panel(0).text, L"Double click setting to change");
    EXPECT_EQ(Form1().StatusBar1.Panel(1).text, L"");
    EXPECT_EQ(Form1().StatusBar1.Panel(2).text, L"");
}

TEST_F(SettingsSummaryTest, NoCheckedSearchPathSaysNoneAfterTwoSpaces) {
    OnlyOptions({L"Tempfolder"});
    Fill(Form2().SearchPathList(), {{L"D:\\Off", false}});
    Build();
    EXPECT_EQ(Shown(), (Rows_t{{L"Search path:  NONE", 0},
                               {L"Other folders or files to clean:", 0},
                               {L"  Temporary folder", 0}}));
}

TEST_F(SettingsSummaryTest, ListsWithOnlyUncheckedEntriesLoseTheirHeaders) {
    OnlyOptions({});
    Fill(Form2().SearchPathList(), {{L"D:\\Data", true}});
    Fill(Form2().ExcludePathList(), {{L"D:\\Data\\Keep", false}, {L"D:\\Data\\Old", false}});
    Fill(Form2().DeleteFolderList(), {{L"C:\\Junk", false}});
    Fill(Form2().DeleteFileList(), {{L"C:\\a.txt", false}});
    Build();
    EXPECT_EQ(Shown(), (Rows_t{{L"Search path: ", 0},
                               {L"  D:\\Data", 4},
                               {L"Other folders or files to clean:", 0}}));
}

TEST_F(SettingsSummaryTest, OptionsThatAreNoCategoryNeverShow) {
    OnlyOptions({L"Delfolder", L"Picthumb", L"Flashcache", L"Flaxhcookies", L"Display", L"Savepos",
                 L"Autobegin", L"Contextmenu", L"Logs"});
    Build();
    EXPECT_EQ(Shown().back(), (Row{L"Other folders or files to clean:", 0}));
}

TEST_F(SettingsSummaryTest, CategoriesFollowTheRunOrderNotTheCheckBoxOrder) {
    OnlyOptions({L"Tempfile", L"Zerofile", L"Winsxs", L"WMPcache", L"Interfolder"});
    Build();
    Rows_t rows = Shown();
    ASSERT_GE(rows.size(), 5u);
    Rows_t tail(rows.end() - 5, rows.end());
    EXPECT_EQ(tail, (Rows_t{{L"  IE Temporary folder", 0},
                            {L"  Windows Media Player Cache", 0},
                            {L"  Backup and Cache folder in 'winsxs'", 0},
                            {L"  0 size file", 0},
                            {L"  Temporary files (*.~xy, ~xy.*)", 0}}));
}

TEST_F(SettingsSummaryTest, RecycleOffPutsTheIndentedWarningFirst) {
    OnlyOptions({});
    Form2().Box(settings::Option::Recycle).SetChecked(false);
    Build();
    EXPECT_EQ(Shown().front(), (Row{L"  Delete permanently(can not be restored!)", 4}));
    Form2().Box(settings::Option::Recycle).SetChecked(true);
    Build();
    EXPECT_EQ(Shown().front(), (Row{L"Search path:  NONE", 0}));
}

// --- Choosing the dialog page --------------------------------------------------------

TEST_F(SettingsSummaryTest, RowsOfTheUsersOwnSettingsOpenTheirPages) {
    TypicalSettings();
    Build();
    EXPECT_EQ(PageFor(L"  Delete permanently(can not be restored!)"), settings::page::Specific);
    EXPECT_EQ(PageFor(L"Clean file types: *.dmp;*.old"), settings::page::Filters);
    EXPECT_EQ(PageFor(L"Clean files: thumbs.db"), settings::page::Filters);
    EXPECT_EQ(PageFor(L"Search path: "), settings::page::Paths);
    EXPECT_EQ(PageFor(L"  D:\\Data"), settings::page::Paths);
    EXPECT_EQ(PageFor(L"  D:\\Data\\Keep"), settings::page::Paths);
    EXPECT_EQ(PageFor(L"Delete files:"), settings::page::Specific);
    EXPECT_EQ(PageFor(L"  C:\\a.txt"), settings::page::Specific);
}

TEST_F(SettingsSummaryTest, KeyWordsInAPathOverrideItsSection) {
    TypicalSettings();
    Build();
    EXPECT_EQ(PageFor(L"  G:\\Windows\\Temp"), settings::page::Clean);
    EXPECT_EQ(PageFor(L"  F:\\tmp"), settings::page::Filters);
    // "Temp" alone only proposes the Filters page; the section header still decides.
    EXPECT_EQ(PageFor(L"  C:\\Temp"), settings::page::Paths);
}

TEST_F(SettingsSummaryTest, CategoryRowsOpenThePageTheirWordsPointTo) {
    TypicalSettings();
    Build();
    EXPECT_EQ(PageFor(L"  Temporary folder", 2), settings::page::Filters);
    EXPECT_EQ(PageFor(L"  Delete empty folder"), settings::page::Specific);
    EXPECT_EQ(PageFor(L"  Log files (*.log)"), settings::page::Filters);
    EXPECT_EQ(PageFor(L"  Windows update temporary file"), settings::page::Clean);
    EXPECT_EQ(PageFor(L"  Acdsee database"), settings::page::Clean);
}

TEST_F(SettingsSummaryTest, ARowBelowAWindowsRowOpensTheCleanPage) {
    OnlyOptions({L"Errorreport", L"ChromeCache", L"Zerofile"});
    Build();
    EXPECT_EQ(PageFor(L"  Windows error report"), settings::page::Clean);
    EXPECT_EQ(PageFor(L"  Google Chrome Cache"), settings::page::Clean);
    EXPECT_EQ(PageFor(L"  0 size file"), settings::page::Filters);
    OnlyOptions({L"ChromeCache"});
    Build();
    EXPECT_EQ(PageFor(L"  Google Chrome Cache"), settings::page::Filters); // via the header
}

TEST_F(SettingsSummaryTest, WithoutAnyKeyWordThePageStaysOrTempDecides) {
    List().Clear();
    List().Add(L"Temp stuff");
    List().Add(L"plain");
    EXPECT_EQ(settings::ChooseSettingsPage(List(), 1, 3), 3);
    EXPECT_EQ(settings::ChooseSettingsPage(List(), 0, 3), settings::page::Filters);
}

TEST_F(SettingsSummaryTest, NoSelectionChoosesNoPage) {
    TypicalSettings();
    Build();
    EXPECT_EQ(settings::FirstSelectedRow(List()), -1);
    EXPECT_EQ(settings::ChooseSettingsPage(List(), -1, 2), -1);
    List().SetSelected(4, true);
    EXPECT_EQ(settings::FirstSelectedRow(List()), 4);
}

// --- The list's context menu ---------------------------------------------------------

TEST_F(SettingsSummaryTest, ModifyIsEnabledExactlyWhileARowIsSelectedAtOpening) {
    TypicalSettings();
    Build();
    forms::MenuItem& modify = Form1().Modify1;
    int clicks = 0;
    modify.OnClick = [&] { ++clicks; };

    settings::PopupMenuOpened(List(), modify); // right click below the last row
    EXPECT_FALSE(modify.Enabled);
    List().SetSelected(2, true);
    modify.Click(); // a later double click still finds it disabled
    EXPECT_EQ(clicks, 0);

    settings::PopupMenuOpened(List(), modify);
    EXPECT_TRUE(modify.Enabled);
    modify.Click();
    EXPECT_EQ(clicks, 1);
}

} // namespace
