#include "program_fixture.h"
#include "settings/option_table.h"

namespace {

using platform::fake::ValueType;

class SettingsStoreTest : public ProgramTest {
protected:
    void Load() { Form2().Store.LoadSettings(); }
    std::vector<std::pair<std::wstring, bool>> Items(forms::ListView& list) {
        std::vector<std::pair<std::wstring, bool>> out;
        for (int i = 0; i < list.Count(); ++i) out.push_back({list.Item(i).caption, list.Item(i).checked});
        return out;
    }
    using Items_t = std::vector<std::pair<std::wstring, bool>>;
};

TEST_F(SettingsStoreTest, EmptyKeyKeepsInitialStatesAndWritesNothing) {
    Start();
    Load();
    for (const settings::BoolOption& o : settings::BoolOptions())
        EXPECT_EQ(Form2().Box(o.id).Checked(), o.initial) << o.name;
    EXPECT_EQ(Form2().UpDown1.Position(), 10);
    EXPECT_EQ(Form2().Edit2.Text(), L"10");
    EXPECT_EQ(Form1().Run.State.TotalDeleted, 0);
    EXPECT_EQ(Form2().SearchPathList().Count() + Form2().ExcludePathList().Count() +
                  Form2().DeleteFolderList().Count() + Form2().DeleteFileList().Count(),
              0);
    EXPECT_TRUE(fakes.registry.KeyExists(platform::RegistryRoot::CurrentUser, kKey));
    EXPECT_EQ(fakes.registry.ValueCount(platform::RegistryRoot::CurrentUser, kKey), 0);
    EXPECT_EQ(fakes.registry.OpenKeysNow, 0);
}

TEST_F(SettingsStoreTest, ListEncodingsWithGapsBothValuesAndItemsBeyondTheCount) {
    SetDword(L"Pathnum", 3);
    SetString(L"Patha0", L"D:\\Data");
    SetString(L"Pathb2", L"C:\\Old");
    SetString(L"Patha3", L"E:\\Beyond");
    SetDword(L"Foldernum", 2);
    SetString(L"Foldera1", L"C:\\Both");
    SetString(L"Folderb1", L"C:\\Both too");
    SetString(L"Filea0", L"C:\\no count\\file.txt");
    Start();
    Load();
    EXPECT_EQ(Items(Form2().SearchPathList()), (Items_t{{L"C:\\Old", false}, {L"D:\\Data", true}}));
    EXPECT_EQ(Items(Form2().DeleteFolderList()),
              (Items_t{{L"C:\\Both", true}, {L"C:\\Both too", false}}));
    EXPECT_EQ(Form2().DeleteFileList().Count(), 0);

    // A damaged count is read only as far as the key holds values.
    SetDword(L"Pathexnum", 0x7FFFFFFF);
    SetString(L"Pathexa0", L"D:\\Keep");
    const int before = fakes.registry.Lookups;
    Load();
    EXPECT_EQ(Items(Form2().ExcludePathList()), (Items_t{{L"D:\\Keep", true}}));
    EXPECT_LT(fakes.registry.Lookups - before, 500);
}

TEST_F(SettingsStoreTest, WrongTypedValueStopsTheLoadWhereItStands) {
    SetDword(L"Tempfolder", 0);
    SetDword(L"Interfolder", 0);
    SetString(L"Recycle", L"no");
    SetDword(L"Thumbs", 0);
    SetDword(L"Delfilenum", 77);
    SetDword(L"Pathnum", 1);
    SetString(L"Patha0", L"C:\\Search");
    Start();
    Load();
    EXPECT_FALSE(Form2().Box(settings::Option::Tempfolder).Checked());
    EXPECT_FALSE(Form2().Box(settings::Option::Interfolder).Checked());
    EXPECT_TRUE(Form2().Box(settings::Option::Recycle).Checked());
    EXPECT_TRUE(Form2().Box(settings::Option::Thumbs).Checked())
        << "values after the damaged one are not applied";
    EXPECT_EQ(Form1().Run.State.TotalDeleted, 0);
    EXPECT_EQ(Form2().SearchPathList().Count(), 0);
    EXPECT_EQ(fakes.registry.OpenKeysNow, 0);
}

TEST_F(SettingsStoreTest, LogdayStoredAsTextLeavesEveryListEmpty) {
    SetString(L"Ext", L"obj;gss");
    SetString(L"Logday", L"30");
    SetDword(L"Foldernum", 1);
    SetString(L"Foldera0", L"C:\\Junk");
    Start();
    Load();
    EXPECT_EQ(Form2().Edit4.Text(), L"obj;gss");
    EXPECT_EQ(Form2().UpDown1.Position(), 10);
    EXPECT_EQ(Form2().DeleteFolderList().Count(), 0);
}

TEST_F(SettingsStoreTest, NumbersOutOfRangeAreKeptWithinBounds) {
    SetDword(L"Logday", 0);
    Start();
    Load();
    EXPECT_EQ(Form2().UpDown1.Position(), 1);
    SetDword(L"Logday", 99999);
    Load();
    EXPECT_EQ(Form2().UpDown1.Position(), 32000);
    EXPECT_EQ(Form2().Edit2.Text(), L"32000");
    SetDword(L"Logday", 0xFFFFFFFF); // -1 as a signed number
    Load();
    EXPECT_EQ(Form2().UpDown1.Position(), 1);
}

TEST_F(SettingsStoreTest, HugeListCountDoesNotStallTheLoad) {
    SetDword(L"Filenum", 0x7FFFFFFF);
    SetString(L"Filea0", L"C:\\a.txt");
    SetDword(L"Pathexnum", 0x80000000);
    Start();
    Load();
    EXPECT_EQ(Form2().DeleteFileList().Count(), 1);
    EXPECT_EQ(Form2().ExcludePathList().Count(), 0);
}

TEST_F(SettingsStoreTest, LoadFiresTheClickRulesInStoredOrder) {
    // Emptyrecycle loads before ShowEmptyrecycle, and both before Autoclose.
    SetDword(L"Emptyrecycle", 1);
    SetDword(L"ShowEmptyrecycle", 1);
    SetDword(L"Autoclose", 1);
    SetDword(L"Recycle", 0);
    SetDword(L"DataStore", 0);
    Start();
    Load();
    EXPECT_FALSE(Form2().Box(settings::Option::Emptyrecycle).Checked());
    EXPECT_TRUE(Form2().Box(settings::Option::ShowEmptyrecycle).Checked());
    EXPECT_TRUE(Form2().Box(settings::Option::Autoclose).Checked());
    EXPECT_FALSE(Form2().Box(settings::Option::Recycle).Checked())
        << "a hidden dialog asks nothing";
    EXPECT_TRUE(fakes.messages.Shown.empty());

    fakes.registry.SetDword(kKey, L"Emptyrecycle", 1);
    fakes.registry.SetDword(kKey, L"ShowEmptyrecycle", 0);
    Load();
    EXPECT_TRUE(Form2().Box(settings::Option::Emptyrecycle).Checked());
    EXPECT_FALSE(Form2().Box(settings::Option::ShowEmptyrecycle).Checked());
}

TEST_F(SettingsStoreTest, SaveOptionsWritesEveryOptionThenTheVerbStep) {
    Start();
    bool verbApplied = false;
    Form2().Store.ApplyContextMenu = [&] {
        verbApplied = true;
        EXPECT_EQ(fakes.registry.OpenKeysNow, 0) << "the key is released before the verb step";
    };
    Form2().Edit1.SetText(L" a.txt ;b ");
    Form2().Box(settings::Option::FFunsafeurls).SetChecked(false);
    Form2().Store.SaveOptions();
    EXPECT_TRUE(verbApplied);
    EXPECT_EQ(fakes.registry.ValueCount(platform::RegistryRoot::CurrentUser, kKey), 45);
    EXPECT_EQ(Stored(L"FilesName")->text, L" a.txt ;b ");
    EXPECT_EQ(Stored(L"Ext")->type, ValueType::String);
    EXPECT_EQ(Stored(L"Logday")->number, 10u);
    EXPECT_EQ(Stored(L"FFunsafeurls")->number, 0u);
    EXPECT_EQ(Stored(L"Flaxhcookies")->number, 1u);
    for (const settings::BoolOption& o : settings::BoolOptions())
        EXPECT_EQ(Stored(o.name)->type, ValueType::Dword) << o.name;
}

TEST_F(SettingsStoreTest, SaveErrorsReachTheCallerAndSkipTheRest) {
    Start();
    bool verbApplied = false;
    Form2().Store.ApplyContextMenu = [&] { verbApplied = true; };
    fakes.registry.FailWritesAfter = 3;
    EXPECT_THROW(Form2().Store.SaveOptions(), platform::Error);
    EXPECT_FALSE(verbApplied);
    EXPECT_EQ(fakes.registry.ValueCount(platform::RegistryRoot::CurrentUser, kKey), 3);
    fakes.registry.FailOpen = true;
    EXPECT_THROW(Form2().Store.SaveLists(), platform::Error);
    EXPECT_EQ(fakes.registry.OpenKeysNow, 0);
}

TEST_F(SettingsStoreTest, SaveListsRenumbersInCaptionOrder) {
    SetDword(L"Pathnum", 2);
    SetString(L"Patha0", L"D:\\Photos");
    SetString(L"Pathb1", L"C:\\Temp");
    Start();
    Load();
    Form2().Store.SaveLists();
    EXPECT_EQ(Stored(L"Pathb0")->text, L"C:\\Temp");
    EXPECT_EQ(Stored(L"Patha1")->text, L"D:\\Photos");
    EXPECT_FALSE(Stored(L"Patha0"));
    EXPECT_FALSE(Stored(L"Pathb1"));
    EXPECT_EQ(Stored(L"Pathnum")->number, 2u);
    EXPECT_EQ(Stored(L"Foldernum")->number, 0u);

    // Unticking replaces the active value of that index by the inactive one.
    Form2().SearchPathList().SetChecked(1, false);
    Form2().Store.SaveLists();
    EXPECT_EQ(Stored(L"Pathb1")->text, L"D:\\Photos");
    EXPECT_FALSE(Stored(L"Patha1"));
}

TEST_F(SettingsStoreTest, SaveListsRemovesStaleValuesUpToTheFirstGap) {
    SetDword(L"Foldernum", 5);
    for (int i = 0; i < 5; ++i) SetString((L"Foldera" + std::to_wstring(i)).c_str(), L"C:\\F" + std::to_wstring(i));
    SetString(L"Folderb3", L"C:\\Fz both at three");
    SetString(L"Foldera6", L"C:\\after the gap");
    Start();
    Load();
    ASSERT_EQ(Form2().DeleteFolderList().Count(), 6);
    for (int i = 5; i >= 2; --i) Form2().DeleteFolderList().Delete(i);
    Form2().Store.SaveLists();
    EXPECT_EQ(Stored(L"Foldernum")->number, 2u);
    EXPECT_EQ(Stored(L"Foldera0")->text, L"C:\\F0");
    EXPECT_EQ(Stored(L"Foldera1")->text, L"C:\\F1");
    for (const wchar_t* gone : {L"Foldera2", L"Foldera3", L"Foldera4"}) EXPECT_FALSE(Stored(gone)) << gone;
    // Of a pair only the active value goes; the inactive one lies beyond the count.
    EXPECT_TRUE(Stored(L"Folderb3"));
    EXPECT_TRUE(Stored(L"Foldera6"));
}

} // namespace
