// The settings store and the main window's start-up against the real registry, shell and
// file system. The windows stay headless: only the services are real here.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/main_window.h"
#include "app/program.h"
#include "forms/headless/headless_backend.h"
#include "platform/win32/win32_platform.h"
#include "settings/option_set.h"
#include "settings/settings_store.h"

namespace {

using platform::RegistryRoot;

class RealSettingsTest : public ::testing::Test {
protected:
    void SetUp() override { services.registry.DeleteKeyTree(RegistryRoot::CurrentUser, settings::SettingsKey); }
    void TearDown() override {
        program.reset();
        services.registry.DeleteKeyTree(RegistryRoot::CurrentUser, settings::SettingsKey);
    }
    std::unique_ptr<platform::RegistryKey> Key() {
        return services.registry.OpenKey(RegistryRoot::CurrentUser, settings::SettingsKey);
    }
    void Start() {
        program = std::make_unique<app::Program>(application, view, app::StartRequest{});
        program->Form1().Show();
        backend.Advance(250);
    }

    platform::win32::Win32Services services;
    platform::Services view = services.View();
    forms::HeadlessBackend backend;
    forms::Application application{backend, services.messages};
    std::unique_ptr<app::Program> program;
};

TEST_F(RealSettingsTest, FirstStartMakesTheDataFolderUnderApplicationData) {
    Start();
    std::optional<std::wstring> appData = services.shell.SpecialFolder(platform::csidl::AppData);
    ASSERT_TRUE(appData);
    const std::wstring expected = *appData + L"\\Ambervale\\Tidyhawk\\";
    EXPECT_EQ(program->Form1().DataFolder, expected);
    EXPECT_TRUE(services.files.DirectoryExists(expected));
    EXPECT_TRUE(services.registry.KeyExists(RegistryRoot::CurrentUser, settings::SettingsKey));
    EXPECT_FALSE(Key()->ValueExists(L"Tempfolder"));
}

TEST_F(RealSettingsTest, OptionsAndListsRoundTrip) {
    Start();
    TForm2& form = program->Form2();
    form.Box(settings::Option::Tempfolder).SetChecked(false);
    form.Box(settings::Option::Zerofile).SetChecked(true);
    form.Edit4.SetText(L"obj;gss;pih");
    form.Edit1.SetText(L"Thumbs.db;\u00e9t\u00e9.txt");
    form.UpDown1.SetPosition(45);
    form.SearchPathList().Add(L"D:\\Photos", true);
    form.SearchPathList().Add(L"C:\\Temp files", false);
    form.DeleteFileList().Add(L"C:\\\u65e5\u672c\\a.log", true);
    form.Store.SaveOptions();
    form.Store.SaveLists();

    auto key = Key();
    EXPECT_EQ(key->ReadInteger(L"Pathnum"), 2);
    EXPECT_EQ(key->ReadString(L"Pathb0"), L"C:\\Temp files");
    EXPECT_EQ(key->ReadString(L"Patha1"), L"D:\\Photos");
    EXPECT_FALSE(key->ReadBool(L"Tempfolder"));
    key.reset();

    program.reset();
    Start();
    TForm2& again = program->Form2();
    EXPECT_FALSE(again.Box(settings::Option::Tempfolder).Checked());
    EXPECT_TRUE(again.Box(settings::Option::Zerofile).Checked());
    EXPECT_EQ(again.Edit4.Text(), L"obj;gss;pih");
    EXPECT_EQ(again.Edit1.Text(), L"Thumbs.db;\u00e9t\u00e9.txt");
    EXPECT_EQ(again.UpDown1.Position(), 45);
    ASSERT_EQ(again.SearchPathList().Count(), 2);
    EXPECT_EQ(again.SearchPathList().Item(0).caption, L"C:\\Temp files");
    EXPECT_FALSE(again.SearchPathList().Item(0).checked);
    ASSERT_EQ(again.DeleteFileList().Count(), 1);
    EXPECT_EQ(again.DeleteFileList().Item(0).caption, L"C:\\\u65e5\u672c\\a.log");
}

TEST_F(RealSettingsTest, WrongTypedValuesStopTheLoadOnTheRealRegistry) {
    {
        auto key = Key();
        key->WriteBool(L"Tempfolder", false);
        key->WriteString(L"Interfolder", L"0");
        key->WriteBool(L"Recycle", false);
        key->WriteInteger(L"Foldernum", 1);
        key->WriteString(L"Foldera0", L"C:\\Junk");
    }
    Start();
    TForm2& form = program->Form2();
    EXPECT_FALSE(form.Box(settings::Option::Tempfolder).Checked());
    EXPECT_TRUE(form.Box(settings::Option::Interfolder).Checked());
    EXPECT_TRUE(form.Box(settings::Option::Recycle).Checked());
    EXPECT_EQ(form.DeleteFolderList().Count(), 0);
}

} // namespace
