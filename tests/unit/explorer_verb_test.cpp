#include "program_fixture.h"
#include "settings/explorer_verb.h"

namespace {

using platform::RegistryRoot;

class ExplorerVerbTest : public ProgramTest {
protected:
    std::optional<platform::fake::StoredValue> Command(const wchar_t* verb) {
        return fakes.registry.Get(RegistryRoot::CurrentUser, std::wstring(verb) + L"\\command", L"");
    }
};

TEST_F(ExplorerVerbTest, OpeningTheDialogWritesTheQuotedVerbForTheUser) {
    StartAndSettle();
    fakes.registry.SetString(L"Software\\Classes\\Drive\\shell\\find\\command", L"", L"search");
    backend.QueueModal([](forms::Form& f) { f.Close(); });
    Form2().ShowModal();
    const std::wstring expected =
        L"\"C:\\Program Files\\Tidyhawk\\WindowsTidyhawk.exe\" \"%1\"";
    ASSERT_TRUE(Command(settings::kDriveVerb));
    EXPECT_EQ(Command(settings::kDriveVerb)->text, expected);
    EXPECT_EQ(Command(settings::kFolderVerb)->text, expected);
    EXPECT_EQ(fakes.registry.ValueCount(RegistryRoot::CurrentUser, settings::kDriveVerb), 0);
    EXPECT_FALSE(fakes.registry.KeyExists(RegistryRoot::ClassesRoot, L"Drive\\shell\\Run Tidyhawk"))
        << "nothing is written machine-wide";

    // Off and OK: both verbs go with their commands; the other verbs stay.
    fakes.registry.Set(RegistryRoot::LocalMachine, settings::kFolderVerb, L"", {});
    backend.QueueModal([&](forms::Form&) {
        Form2().Box(settings::Option::Contextmenu).SetChecked(false);
        Form2().Button3.Click();
    });
    Form2().ShowModal();
    EXPECT_FALSE(fakes.registry.KeyExists(RegistryRoot::CurrentUser, settings::kDriveVerb));
    EXPECT_FALSE(fakes.registry.KeyExists(RegistryRoot::CurrentUser, settings::kFolderVerb));
    EXPECT_FALSE(fakes.registry.KeyExists(RegistryRoot::LocalMachine, settings::kFolderVerb));
    EXPECT_TRUE(fakes.registry.Get(L"Software\\Classes\\Drive\\shell\\find\\command", L""));
}

TEST_F(ExplorerVerbTest, TheOfferAddsAndStoresTheFolderOnYes) {
    fakes.files.AddDirectory(L"D:\\Photos");
    fakes.messages.Answers = {platform::answer::Yes};
    StartAndSettle({L"D:/Photos/./", L"ignored"}); // offered and stored in its normal form
    ASSERT_EQ(fakes.messages.Shown.size(), 1u);
    EXPECT_EQ(fakes.messages.Shown[0].text, L"Do you want to add 'D:\\Photos' to search path?");
    EXPECT_EQ(fakes.messages.Shown[0].caption, L"Add path");
    EXPECT_EQ(fakes.messages.Shown[0].flags, 0x2024u);
    ASSERT_EQ(Form2().SearchPathList().Count(), 1);
    EXPECT_TRUE(Form2().SearchPathList().Item(0).checked);
    EXPECT_EQ(Stored(L"Patha0")->text, L"D:\\Photos");
    EXPECT_TRUE(Stored(L"Tempfolder")) << "the options are stored too";
    EXPECT_TRUE(Form1().Rows.SummaryShown);
    bool listed = false;
    for (int i = 0; i < Form1().ListView1.Count(); ++i)
        listed = listed || Form1().ListView1.Item(i).caption == L"  D:\\Photos";
    EXPECT_TRUE(listed) << "the summary shows the new search path";
    EXPECT_TRUE(Form1().StartupFinished);
}

TEST_F(ExplorerVerbTest, NoOfferForNoOrAListedOrAMissingFolder) {
    fakes.files.AddDirectory(L"D:\\Photos");
    fakes.messages.Answers = {platform::answer::No};
    StartAndSettle({L"D:\\Photos"});
    EXPECT_EQ(fakes.messages.Shown.size(), 1u);
    EXPECT_EQ(Form2().SearchPathList().Count(), 0);
    EXPECT_FALSE(Stored(L"Pathnum")) << "nothing stored after No";
    program.reset();

    fakes.registry.SetDword(kKey, L"Pathnum", 1);
    fakes.registry.SetString(kKey, L"Patha0", L"d:\\PHOTOS");
    SetDword(L"Autobegin", 1);
    StartAndSettle({L"D:\\Photos\\..\\Photos\\"});
    EXPECT_EQ(fakes.messages.Shown.size(), 1u) << "already listed, in another case and spelling";
    EXPECT_TRUE(Form1().Timer6.Enabled()) << "the automatic run still starts";
    program.reset();

    fakes.files.AddFile(L"D:\\Photos\\a.jpg");
    SetDword(L"Autobegin", 0);
    for (const wchar_t* arg : {L"D:\\Photos\\a.jpg", L"D:\\Missing", L"", L"Photos"}) {
        StartAndSettle({arg});
        EXPECT_EQ(fakes.messages.Shown.size(), 1u) << arg;
        program.reset();
    }
}

} // namespace
