// The real Windows services, run under Windows or Wine. Message boxes are left out:
// they wait for a person.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/paths.h"
#include "platform/win32/short_date_pattern.h"
#include "platform/win32/system_library.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/windows_api.h"
#include "platform/win32/win32_platform.h"

// After windows.h, which they build on.
#include <commdlg.h>
#include <mmsystem.h>
#include <shlwapi.h>

namespace platform::win32 {
namespace {

constexpr RegistryRoot kUser = RegistryRoot::CurrentUser;
const std::wstring kScratchParent = L"Software\\Tidyhawk test scratch";

std::wstring ProcessScratchKey() {
    return kScratchParent + L"\\" + std::to_wstring(::GetCurrentProcessId());
}

// Every registry test works below its own key, removed again when the test ends; the
// suite then removes its process key and, when no other run uses it, the parent.
class RegistryTest : public testing::Test {
protected:
    static void TearDownTestSuite() {
        Win32Registry().DeleteKeyTree(kUser, ProcessScratchKey());
        ::RegDeleteKeyW(HKEY_CURRENT_USER, kScratchParent.c_str()); // Only when empty.
    }
    void SetUp() override {
        const auto* info = testing::UnitTest::GetInstance()->current_test_info();
        std::string name = info->name();
        path_ = ProcessScratchKey() + L"\\" + std::wstring(name.begin(), name.end());
        key_ = registry_.OpenKey(kUser, path_);
    }
    void TearDown() override {
        key_.reset();
        registry_.DeleteKeyTree(kUser, path_);
    }

    Win32Registry registry_;
    std::wstring path_;
    std::unique_ptr<RegistryKey> key_;
};

TEST_F(RegistryTest, OpenKeyCreatesMissingParents) {
    std::wstring deep = path_ + L"\\One\\Two\\Three";
    ASSERT_FALSE(registry_.KeyExists(kUser, path_ + L"\\One"));
    ASSERT_NE(registry_.OpenKey(kUser, deep), nullptr);
    EXPECT_TRUE(registry_.KeyExists(kUser, path_ + L"\\One"));
    EXPECT_TRUE(registry_.KeyExists(kUser, deep));
}

TEST_F(RegistryTest, NumbersAndFlagsRoundTrip) {
    key_->WriteBool(L"On", true);
    key_->WriteBool(L"Off", false);
    key_->WriteInteger(L"Min", INT32_MIN);
    key_->WriteInteger(L"Max", INT32_MAX);
    key_->WriteInteger(L"Minus", -1);
    EXPECT_TRUE(key_->ReadBool(L"On"));
    EXPECT_FALSE(key_->ReadBool(L"Off"));
    EXPECT_EQ(key_->ReadInteger(L"Min"), INT32_MIN);
    EXPECT_EQ(key_->ReadInteger(L"Max"), INT32_MAX);
    EXPECT_EQ(key_->ReadInteger(L"Minus"), -1);
    // Flags are stored as 0 and 1, and any other number still reads as set.
    EXPECT_EQ(key_->ReadInteger(L"On"), 1);
    key_->WriteInteger(L"Seven", 7);
    EXPECT_TRUE(key_->ReadBool(L"Seven"));
}

TEST_F(RegistryTest, TextsOfAnyLengthAndAlphabetRoundTrip) {
    std::wstring longText;
    for (int i = 0; i < 5000; ++i) longText += static_cast<wchar_t>(L'A' + i % 26);
    const std::wstring unicode = L"Grüße, Привет, 日本語 ✓";
    const std::wstring inner(L"before\0after", 12);
    key_->WriteString(L"Long", longText);
    key_->WriteString(L"Empty", L"");
    key_->WriteString(L"Ünïcødé Имя", unicode);
    key_->WriteString(L"Inner", inner);
    EXPECT_EQ(key_->ReadString(L"Long"), longText);
    EXPECT_EQ(key_->ReadString(L"Empty"), L"");
    EXPECT_EQ(key_->ReadString(L"Ünïcødé Имя"), unicode);
    EXPECT_EQ(key_->ReadString(L"Inner"), inner);
    // A path with a NUL inside reads back whole, so it is refused rather than taken as
    // the shorter path the file calls would see.
    const std::wstring path(L"C:\\Docs\\thesis.docx\0x", 21);
    key_->WriteString(L"Path", path);
    EXPECT_EQ(key_->ReadString(L"Path"), path);
    EXPECT_FALSE(platform::NormalizePath(key_->ReadString(L"Path")));
}

TEST_F(RegistryTest, ExpandableTextReadsAsStoredAndRawBytesAreNoNumber) {
    // The service writes neither type, so they are stored directly.
    UniqueHkey raw;
    ASSERT_EQ(::RegOpenKeyExW(HKEY_CURRENT_USER, path_.c_str(), 0, KEY_SET_VALUE, raw.Put()), 0);
    const wchar_t expandable[] = L"%TEMP%\\x";
    const BYTE bytes[4] = {1, 0, 0, 0};
    ::RegSetValueExW(raw.Get(), L"Expand", 0, REG_EXPAND_SZ,
                     reinterpret_cast<const BYTE*>(expandable), sizeof expandable);
    ::RegSetValueExW(raw.Get(), L"Binary", 0, REG_BINARY, bytes, sizeof bytes);
    EXPECT_EQ(key_->ReadString(L"Expand"), L"%TEMP%\\x");
    // Four bytes look like a DWORD, but the stored type decides.
    EXPECT_THROW(key_->ReadInteger(L"Binary"), RegistryTypeError);
    EXPECT_THROW(key_->ReadString(L"Binary"), RegistryTypeError);
}

TEST_F(RegistryTest, WrongTypeRaisesTypeErrorNamingTheValue) {
    key_->WriteString(L"Text", L"12");
    key_->WriteInteger(L"Number", 12);
    EXPECT_THROW(key_->ReadInteger(L"Text"), RegistryTypeError);
    EXPECT_THROW(key_->ReadBool(L"Text"), RegistryTypeError);
    EXPECT_THROW(key_->ReadString(L"Number"), RegistryTypeError);
    try {
        key_->ReadInteger(L"Text");
        FAIL() << "no error";
    } catch (const RegistryTypeError& e) {
        EXPECT_EQ(e.Message(), L"Invalid data type for 'Text'");
    }
}

TEST_F(RegistryTest, MissingValuesRaiseErrorsAndCanBeAskedFor) {
    EXPECT_FALSE(key_->ValueExists(L"Nothing"));
    EXPECT_THROW(key_->ReadInteger(L"Nothing"), Error);
    EXPECT_THROW(key_->ReadBool(L"Nothing"), Error);
    try {
        key_->ReadString(L"Nothing");
        FAIL() << "no error";
    } catch (const RegistryTypeError&) {
        FAIL() << "a missing value is not a type mismatch";
    } catch (const Error& e) {
        EXPECT_FALSE(e.Message().empty());
    }
}

TEST_F(RegistryTest, DeleteValueRemovesOnlyThatValue) {
    key_->WriteInteger(L"Gone", 1);
    key_->WriteInteger(L"Kept", 2);
    EXPECT_TRUE(key_->ValueExists(L"Gone"));
    EXPECT_TRUE(key_->DeleteValue(L"Gone"));
    EXPECT_FALSE(key_->ValueExists(L"Gone"));
    EXPECT_FALSE(key_->DeleteValue(L"Gone"));
    EXPECT_EQ(key_->ReadInteger(L"Kept"), 2);
}

TEST_F(RegistryTest, SubkeyNamesListsDirectChildrenOnly) {
    EXPECT_TRUE(key_->SubkeyNames().empty());
    for (const wchar_t* name : {L"Beta", L"Alpha", L"Ключ 日本"})
        registry_.OpenKey(kUser, path_ + L"\\" + name);
    registry_.OpenKey(kUser, path_ + L"\\Alpha\\Grandchild");
    std::vector<std::wstring> names = key_->SubkeyNames();
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::wstring>{L"Alpha", L"Beta", L"Ключ 日本"}));
}

TEST_F(RegistryTest, DeleteKeyTreeRemovesKeyWithEverythingBelow) {
    std::wstring tree = path_ + L"\\Tree";
    registry_.OpenKey(kUser, tree + L"\\Child\\Leaf")->WriteString(L"v", L"x");
    registry_.OpenKey(kUser, tree)->WriteInteger(L"n", 1);
    EXPECT_TRUE(registry_.DeleteKeyTree(kUser, tree));
    EXPECT_FALSE(registry_.KeyExists(kUser, tree));
    EXPECT_FALSE(registry_.KeyExists(kUser, tree + L"\\Child"));
    EXPECT_TRUE(registry_.KeyExists(kUser, path_));
    EXPECT_FALSE(registry_.DeleteKeyTree(kUser, tree));
}

TEST_F(RegistryTest, ExistingKeyOpensForReadingOnly) {
    EXPECT_EQ(registry_.OpenExistingKey(kUser, path_ + L"\\Absent"), nullptr);
    EXPECT_FALSE(registry_.KeyExists(kUser, path_ + L"\\Absent"));
    key_->WriteString(L"Name", L"Wert ü");
    std::unique_ptr<RegistryKey> reader = registry_.OpenExistingKey(kUser, path_);
    ASSERT_NE(reader, nullptr);
    EXPECT_EQ(reader->ReadString(L"Name"), L"Wert ü");
    EXPECT_THROW(reader->WriteString(L"Name", L"other"), Error);
    EXPECT_EQ(key_->ReadString(L"Name"), L"Wert ü");
}

TEST_F(RegistryTest, OpenKeyFailureCarriesTheSystemText) {
    // Key names are limited to 255 characters.
    try {
        registry_.OpenKey(kUser, path_ + L"\\" + std::wstring(300, L'k'));
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_FALSE(e.Message().empty());
        EXPECT_NE(e.Message().back(), L'\n');
    }
}

// A folder below the temporary folder, removed with its contents afterwards.
class FileSystemTest : public testing::Test {
protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH + 1] = {};
        ASSERT_GT(::GetTempPathW(MAX_PATH + 1, temp), 0u);
        root_ = std::wstring(temp) + L"tidyhawk-fs-" + std::to_wstring(::GetCurrentProcessId());
        ::GetCurrentDirectoryW(MAX_PATH, saved_);
    }
    void TearDown() override {
        ::SetCurrentDirectoryW(saved_);
        ::DeleteFileW((root_ + L"\\file.txt").c_str());
        ::RemoveDirectoryW((root_ + L"\\Ünïcødé").c_str());
        ::RemoveDirectoryW(root_.c_str());
    }

    Win32FileSystem files_;
    std::wstring root_;
    wchar_t saved_[MAX_PATH] = {};
};

TEST_F(FileSystemTest, CreatedFolderExistsAndIsNoFile) {
    ASSERT_FALSE(files_.DirectoryExists(root_));
    EXPECT_TRUE(files_.MakeDirectory(root_));
    EXPECT_TRUE(files_.DirectoryExists(root_));
    EXPECT_FALSE(files_.FileExists(root_));
    EXPECT_FALSE(files_.MakeDirectory(root_)); // Already there.
    EXPECT_TRUE(files_.MakeDirectory(root_ + L"\\Ünïcødé"));
    EXPECT_TRUE(files_.DirectoryExists(root_ + L"\\Ünïcødé"));
}

TEST_F(FileSystemTest, FileExistsAndIsNoFolder) {
    ASSERT_TRUE(files_.MakeDirectory(root_));
    std::wstring file = root_ + L"\\file.txt";
    EXPECT_FALSE(files_.FileExists(file));
    ASSERT_TRUE(std::ofstream(file.c_str()) << "x");
    EXPECT_TRUE(files_.FileExists(file));
    EXPECT_FALSE(files_.DirectoryExists(file));
}

TEST_F(FileSystemTest, FolderNeedsItsParent) {
    EXPECT_FALSE(files_.MakeDirectory(root_ + L"\\missing\\child"));
    EXPECT_FALSE(files_.DirectoryExists(root_ + L"\\missing"));
}

TEST_F(FileSystemTest, CurrentDirectoryFollowsChangesWithoutTrailingBackslash) {
    ASSERT_TRUE(files_.MakeDirectory(root_));
    ASSERT_TRUE(files_.MakeDirectory(root_ + L"\\Ünïcødé"));
    ASSERT_TRUE(::SetCurrentDirectoryW((root_ + L"\\Ünïcødé").c_str()));
    std::wstring current = files_.CurrentDirectory();
    EXPECT_EQ(::lstrcmpiW(current.c_str(), (root_ + L"\\Ünïcødé").c_str()), 0) << current;
    ASSERT_TRUE(::SetCurrentDirectoryW(L"C:\\"));
    EXPECT_EQ(files_.CurrentDirectory(), L"C:\\");
}

TEST(ShellTest, ApplicationDataFoldersExist) {
    Win32Shell shell;
    Win32FileSystem files;
    for (int folder : {csidl::AppData, csidl::LocalAppData}) {
        std::optional<std::wstring> path = shell.SpecialFolder(folder);
        ASSERT_TRUE(path.has_value()) << folder;
        EXPECT_TRUE(files.DirectoryExists(*path)) << folder;
        EXPECT_NE(path->back(), L'\\');
    }
}

TEST(ShellTest, FoldersWithoutPathGiveNothing) {
    Win32Shell shell;
    EXPECT_EQ(shell.SpecialFolder(0x0011), std::nullopt); // My Computer: no file-system path.
    EXPECT_EQ(shell.SpecialFolder(0x7ff), std::nullopt);  // No such folder.
}

// Writes a date into a numeric date picture the way the regional settings would, but
// without the date checks Windows applies, so the tests can type impossible dates in
// the user's own format.
std::wstring TypeInPicture(const std::wstring& picture, int day, int month, int year) {
    std::wstring text;
    for (size_t i = 0; i < picture.size();) {
        wchar_t c = picture[i];
        if (c == L'\'') { // Quoted text is copied without its quotes.
            size_t end = picture.find(L'\'', i + 1);
            end = end == std::wstring::npos ? picture.size() : end;
            text += picture.substr(i + 1, end - i - 1);
            i = end + 1;
            continue;
        }
        size_t run = 1;
        while (i + run < picture.size() && picture[i + run] == c) ++run;
        std::wstring number;
        if (c == L'd') number = std::to_wstring(day);
        if (c == L'M') number = std::to_wstring(month);
        if (c == L'y') number = std::to_wstring(run <= 2 ? year % 100 : year);
        if (number.empty()) {
            text.append(run, c);
        } else {
            if (number.size() < 2 && (run == 2 || c == L'y')) number.insert(0, 1, L'0');
            text += number;
        }
        i += run;
    }
    return text;
}

std::wstring UserShortDatePicture() {
    wchar_t picture[100] = {};
    ::GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, picture, 100);
    return picture;
}

TEST(LocaleTest, ShortDatesReadBackAsWritten) {
    Win32Locale locale;
    for (Date date : {Date{2024, 2, 29}, Date{2023, 12, 31}, Date{2000, 1, 1},
                      Date{1950, 10, 9}, Date{2049, 7, 4}}) {
        std::wstring text = locale.ShortDateText(date);
        ASSERT_FALSE(text.empty());
        std::optional<Date> back = locale.ParseShortDate(text);
        ASSERT_TRUE(back.has_value()) << text;
        EXPECT_EQ(*back, date) << text;
    }
}

TEST(LocaleTest, GarbageAndImpossibleDatesAreRejected) {
    Win32Locale locale;
    std::wstring picture = UserShortDatePicture();
    ASSERT_FALSE(picture.empty());
    std::wstring valid = TypeInPicture(picture, 28, 2, 2023);
    ASSERT_EQ(locale.ParseShortDate(valid), (Date{2023, 2, 28})) << picture;
    EXPECT_EQ(locale.ParseShortDate(TypeInPicture(picture, 31, 2, 2023)), std::nullopt);
    EXPECT_EQ(locale.ParseShortDate(TypeInPicture(picture, 29, 2, 2023)), std::nullopt);
    EXPECT_EQ(locale.ParseShortDate(TypeInPicture(picture, 1, 13, 2023)), std::nullopt);
    for (const wchar_t* garbage : {L"", L"garbage", L"12", L"1/2/3/4/5", L"x1.1.2020"})
        EXPECT_EQ(locale.ParseShortDate(garbage), std::nullopt) << garbage;
    EXPECT_EQ(locale.ParseShortDate(valid + L"x"), std::nullopt);
}

TEST(LocaleTest, TodayAndTimeOfDayAreShowable) {
    Win32Locale locale;
    Date today = locale.Today();
    EXPECT_EQ(locale.ParseShortDate(locale.ShortDateText(today)), today);
    std::wstring time = locale.TimeOfDayText();
    EXPECT_NE(time.find_first_of(L"0123456789"), std::wstring::npos) << time;
    EXPECT_EQ(locale.ShortDateText(Date{2023, 2, 31}), L"");
}

TEST(LocaleTest, CompareIgnoresCaseOrderLikeTheUserSees) {
    Win32Locale locale;
    EXPECT_LT(locale.Compare(L"a", L"B"), 0); // A code-point order would put "B" first.
    EXPECT_LT(locale.Compare(L"B", L"c"), 0);
    EXPECT_LT(locale.Compare(L"a", L"c"), 0);
    EXPECT_GT(locale.Compare(L"c", L"a"), 0);
    EXPECT_EQ(locale.Compare(L"same", L"same"), 0);
}

using Parsed = std::optional<Date>;

TEST(DatePictureTest, ReadsCommonPicturesWithOrWithoutLeadingZeros) {
    EXPECT_EQ(ParseDateWithPattern(L"dd.MM.yyyy", L"29.02.2024"), (Date{2024, 2, 29}));
    EXPECT_EQ(ParseDateWithPattern(L"dd.MM.yyyy", L"9.2.2024"), (Date{2024, 2, 9}));
    EXPECT_EQ(ParseDateWithPattern(L"M/d/yyyy", L"12/31/1999"), (Date{1999, 12, 31}));
    EXPECT_EQ(ParseDateWithPattern(L"M/d/yyyy", L"01/05/2020"), (Date{2020, 1, 5}));
    EXPECT_EQ(ParseDateWithPattern(L"yyyy-MM-dd", L" 2024-12-31 "), (Date{2024, 12, 31}));
    EXPECT_EQ(ParseDateWithPattern(L"yyyyMMdd", L"20240229"), (Date{2024, 2, 29}));
    EXPECT_EQ(ParseDateWithPattern(L"yyyyMMdd", L"2024229"), Parsed{});
    EXPECT_EQ(ParseDateWithPattern(L"yyMMdd", L"240229"), (Date{2024, 2, 29}));
}

TEST(DatePictureTest, ShortYearsLandInTheCenturyAroundNow) {
    EXPECT_EQ(ParseDateWithPattern(L"d/M/yy", L"5/6/49"), (Date{2049, 6, 5}));
    EXPECT_EQ(ParseDateWithPattern(L"d/M/yy", L"5/6/50"), (Date{1950, 6, 5}));
    EXPECT_EQ(ParseDateWithPattern(L"d/M/yy", L"5/6/00"), (Date{2000, 6, 5}));
    EXPECT_EQ(ParseDateWithPattern(L"d/M/y", L"5/6/7"), (Date{2007, 6, 5}));
    EXPECT_EQ(ParseDateWithPattern(L"d/M/yy", L"5/6/2024"), (Date{2024, 6, 5}));
    EXPECT_EQ(ParseDateWithPattern(L"d/M/yy", L"5/6/202"), Parsed{});
}

TEST(DatePictureTest, SeparatorsAndQuotedTextMustMatch) {
    EXPECT_EQ(ParseDateWithPattern(L"d. M. yyyy", L"5. 6. 2024"), (Date{2024, 6, 5}));
    EXPECT_EQ(ParseDateWithPattern(L"d. M. yyyy", L"5.6.2024"), (Date{2024, 6, 5}));
    EXPECT_EQ(ParseDateWithPattern(L"dd.MM.yyyy 'г.'", L"05.06.2024 г."), (Date{2024, 6, 5}));
    EXPECT_EQ(ParseDateWithPattern(L"yyyy'年'M'月'd'日'", L"2024年2月29日"), (Date{2024, 2, 29}));
    EXPECT_EQ(ParseDateWithPattern(L"d 'o''' M yyyy", L"5 o' 6 2024"), (Date{2024, 6, 5}));
    EXPECT_EQ(ParseDateWithPattern(L"yyyy-MM-dd", L"2024/12/31"), Parsed{});
    EXPECT_EQ(ParseDateWithPattern(L"yyyy-MM-dd", L"2024-12-31x"), Parsed{});
    EXPECT_EQ(ParseDateWithPattern(L"yyyy-MM-dd", L"2024-123-1"), Parsed{});
    EXPECT_EQ(ParseDateWithPattern(L"yyyy-MM-dd", L"-2024-12-31"), Parsed{});
}

TEST(DatePictureTest, CalendarRulesApply) {
    EXPECT_EQ(ParseDateWithPattern(L"d/M/yyyy", L"29/2/2000"), (Date{2000, 2, 29}));
    EXPECT_EQ(ParseDateWithPattern(L"d/M/yyyy", L"29/2/1900"), Parsed{});
    EXPECT_EQ(ParseDateWithPattern(L"d/M/yyyy", L"29/2/2023"), Parsed{});
    EXPECT_EQ(ParseDateWithPattern(L"d/M/yyyy", L"31/4/2024"), Parsed{});
    EXPECT_EQ(ParseDateWithPattern(L"d/M/yyyy", L"0/4/2024"), Parsed{});
    EXPECT_EQ(ParseDateWithPattern(L"d/M/yyyy", L"1/0/2024"), Parsed{});
    EXPECT_EQ(ParseDateWithPattern(L"d/M/yyyy", L"1/1/1600"), Parsed{});
}

TEST(DatePictureTest, PicturesWithNamesOrMissingPartsReadNothing) {
    EXPECT_EQ(ParseDateWithPattern(L"d MMMM yyyy", L"5 June 2024"), Parsed{});
    EXPECT_EQ(ParseDateWithPattern(L"dddd d/M/yyyy", L"Monday 5/6/2024"), Parsed{});
    EXPECT_EQ(ParseDateWithPattern(L"dd/MM", L"05/06"), Parsed{});
    EXPECT_EQ(ParseDateWithPattern(L"", L""), Parsed{});
}

TEST(DesktopTest, RectanglesOnTheScreenAreFoundAndFarAwayOnesAreNot) {
    Win32Desktop desktop;
    EXPECT_TRUE(desktop.IsOnAnyMonitor(ScreenRect{0, 0, 100, 100}));
    EXPECT_TRUE(desktop.IsOnAnyMonitor(ScreenRect{-50, -50, 50, 50}));
    EXPECT_FALSE(desktop.IsOnAnyMonitor(ScreenRect{-30000, -30000, -29000, -29000}));
}

// The mark is a named mutex: taken elsewhere while another mark of the name lives,
// free again once the last one is gone.
TEST(InstancesWin32Test, AMarkSeesAnotherOfTheSameNameUntilItIsGone) {
    Win32Instances instances;
    const std::wstring name = L"Tidyhawk.Test.Mark." + std::to_wstring(::GetCurrentProcessId());
    {
        const std::unique_ptr<RunningMark> first = instances.Mark(name);
        EXPECT_FALSE(first->TakenElsewhere());
        EXPECT_TRUE(instances.Mark(name)->TakenElsewhere());
        EXPECT_FALSE(instances.Mark(name + L".other")->TakenElsewhere());
    }
    EXPECT_FALSE(instances.Mark(name)->TakenElsewhere());
}

TEST(SystemLibraryTest, FunctionsComeFromTheSystemFolderAndUnknownOnesAreNull) {
    auto* format =
        SystemLibrary(L"shlwapi.dll").Find<decltype(::StrFormatByteSizeW)>("StrFormatByteSizeW");
    ASSERT_NE(format, nullptr);
    wchar_t text[64] = L"";
    ASSERT_NE(format(1024, text, 64), nullptr);
    EXPECT_NE(std::wstring(text), L"");

    HMODULE module = nullptr;
    ASSERT_TRUE(::GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                                         GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                                     reinterpret_cast<LPCWSTR>(format), &module));
    wchar_t path[MAX_PATH], system[MAX_PATH];
    ASSERT_GT(::GetModuleFileNameW(module, path, MAX_PATH), 0u);
    ASSERT_GT(::GetSystemDirectoryW(system, MAX_PATH), 0u);
    EXPECT_EQ(::CompareStringOrdinal(path, -1, (std::wstring(system) + L"\\shlwapi.dll").c_str(),
                                     -1, TRUE),
              CSTR_EQUAL);

    EXPECT_EQ(SystemLibrary(L"shlwapi.dll").Find<void()>("TidyhawkNoSuchFunction"), nullptr);
    EXPECT_EQ(SystemLibrary(L"tidyhawk-no-such-library.dll").Find<void()>("Anything"), nullptr);
    EXPECT_NE(MultimediaLibrary().Find<decltype(::PlaySoundW)>("PlaySoundW"), nullptr);
    EXPECT_NE(CommonDialogLibrary().Find<decltype(::GetOpenFileNameW)>("GetOpenFileNameW"),
              nullptr);
}

} // namespace
} // namespace platform::win32
