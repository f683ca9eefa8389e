// File content, recycle bin, ANSI text, program identity, cursor and sound services, run
// under Windows or Wine. File tests work in a scratch folder of their own below the
// temporary folder and check what they find with raw calls in the \\?\ form, so the code
// under test is not checked against itself.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/win32/unique_handle.h"
#include "platform/win32/win32_platform.h"
#include "platform/win32/windows_api.h"
#include "raw_files.h"

namespace platform::win32 {
namespace {

using testing_support::Exists;
using testing_support::Raw;
using testing_support::WriteBytes;

// The whole file, or "<unreadable>" when it cannot be opened.
std::string ReadRaw(const std::wstring& path) {
    UniqueKernelObject file(NullIfInvalid(
        ::CreateFileW(Raw(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)));
    if (!file) return "<unreadable>";
    std::string bytes;
    char chunk[4096];
    DWORD read = 0;
    while (::ReadFile(file.Get(), chunk, sizeof chunk, &read, nullptr) && read > 0)
        bytes.append(chunk, read);
    return bytes;
}

// The names in a folder, "." and ".." left out; a missing folder has none.
std::vector<std::wstring> NamesIn(const std::wstring& folder) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found{};
    UniqueFind find(NullIfInvalid(::FindFirstFileW(Raw(folder + L"\\*").c_str(), &found)));
    for (bool more = bool(find); more; more = ::FindNextFileW(find.Get(), &found)) {
        std::wstring name = found.cFileName;
        if (name != L"." && name != L"..") names.push_back(name);
    }
    return names;
}

// Folders below root, each name 40 characters, until the path reaches length.
std::wstring MakeDeepFolders(const std::wstring& root, std::size_t length) {
    std::wstring path = root;
    for (int level = 0; path.size() < length; ++level) {
        path += L"\\" + std::to_wstring(level) + std::wstring(40, L'd');
        if (!::CreateDirectoryW(Raw(path).c_str(), nullptr)) return {};
    }
    return path;
}

// Text with what text-mode handling or a C string would lose: NULs, CR LF, lone CR and
// LF, bytes above 127, and a Ctrl+Z that once meant the end of a file.
std::string BinaryText() {
    const char bytes[] = "first\r\nsecond\0third\r\rfourth\n\n\x1a\xff\xfe\x80\x00 end\r\n";
    return std::string(bytes, sizeof bytes - 1);
}

using ContentTest = testing_support::ScratchFolderTest;
using FileContentTest = ContentTest;
using SafeReplaceTest = ContentTest;

TEST_F(FileContentTest, BinaryContentSurvivesTheRoundTripExactly) {
    const std::wstring log = In(L"clean.log");
    ASSERT_TRUE(
        WriteBytes(log, "old content, longer than what replaces it " + std::string(500, 'o')));
    const std::string content = BinaryText();
    ASSERT_TRUE(files_.ReplaceWithBytes(log, content));
    EXPECT_EQ(ReadRaw(log), content);
    std::string read = "stale";
    ASSERT_TRUE(files_.ReadBytes(log, read));
    EXPECT_EQ(read, content);
    EXPECT_EQ(NamesIn(root_), std::vector<std::wstring>{L"clean.log"}) << "temporary file left";

    ASSERT_TRUE(files_.ReplaceWithBytes(log, ""));
    EXPECT_EQ(ReadRaw(log), "");
    read = "stale";
    EXPECT_TRUE(files_.ReadBytes(log, read));
    EXPECT_EQ(read, "");
}

TEST_F(FileContentTest, NewFilesAreMadeAndLargeOnesComeWhole) {
    // Several read and write chunks long, and not a whole number of them.
    std::string content((3u << 20) + 5, '\0');
    for (std::size_t i = 0; i < content.size(); ++i)
        content[i] = static_cast<char>(i * 7 % 251);
    const std::wstring file = In(L"new.bin");
    ASSERT_TRUE(files_.ReplaceWithBytes(file, content));
    EXPECT_EQ(ReadRaw(file), content);
    std::string read;
    ASSERT_TRUE(files_.ReadBytes(file, read));
    EXPECT_EQ(read.size(), content.size());
    EXPECT_TRUE(read == content);
}

TEST_F(FileContentTest, MissingFilesFoldersAndHugeFilesAreNotRead) {
    std::string read = "stale";
    EXPECT_FALSE(files_.ReadBytes(In(L"missing.log"), read));
    EXPECT_EQ(read, "");
    read = "stale";
    EXPECT_FALSE(files_.ReadBytes(root_, read));
    EXPECT_EQ(read, "");

    // Past the limit by one byte; made by moving the end, so it takes no room to speak of.
    const std::wstring huge = In(L"huge.bin");
    {
        UniqueKernelObject file(
            NullIfInvalid(::CreateFileW(Raw(huge).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr)));
        ASSERT_TRUE(file);
        LARGE_INTEGER end{};
        end.QuadPart = (256ll << 20) + 1;
        ASSERT_TRUE(::SetFilePointerEx(file.Get(), end, nullptr, FILE_BEGIN));
        ASSERT_TRUE(::SetEndOfFile(file.Get()));
    }
    read = "stale";
    EXPECT_FALSE(files_.ReadBytes(huge, read));
    EXPECT_EQ(read, "");
}

TEST_F(FileContentTest, LongPathsAndTrailingDotsReachTheNamedFile) {
    const std::wstring deep = MakeDeepFolders(root_, MAX_PATH + 40);
    ASSERT_FALSE(deep.empty());
    // Only the long form keeps the dot; elsewhere "log." would mean "log".
    const std::wstring dotted = deep + L"\\log.";
    ASSERT_TRUE(WriteBytes(deep + L"\\log", "namesake"));
    ASSERT_TRUE(files_.ReplaceWithBytes(dotted, BinaryText()));
    EXPECT_EQ(ReadRaw(dotted), BinaryText());
    EXPECT_EQ(ReadRaw(deep + L"\\log"), "namesake");
    std::string read;
    ASSERT_TRUE(files_.ReadBytes(dotted, read));
    EXPECT_EQ(read, BinaryText());
    EXPECT_EQ(NamesIn(deep).size(), 2u) << "temporary file left";
}

TEST_F(SafeReplaceTest, FileOpenWithoutDeleteSharingKeepsItsOldContent) {
    const std::wstring log = In(L"busy.log");
    ASSERT_TRUE(WriteBytes(log, "old\r\ncontent"));
    {
        // Held the way a program writing its log holds it: others may read and write,
        // not delete or rename.
        UniqueKernelObject open(NullIfInvalid(::CreateFileW(
            Raw(log).c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)));
        ASSERT_TRUE(open);
        std::string read;
        EXPECT_TRUE(files_.ReadBytes(log, read)) << "reading must share with the holder";
        EXPECT_EQ(read, "old\r\ncontent");
        EXPECT_FALSE(files_.ReplaceWithBytes(log, "new"));
        EXPECT_EQ(ReadRaw(log), "old\r\ncontent");
        EXPECT_EQ(NamesIn(root_), std::vector<std::wstring>{L"busy.log"}) << "temporary file left";
    }
    EXPECT_TRUE(files_.ReplaceWithBytes(log, "new"));
    EXPECT_EQ(ReadRaw(log), "new");
}

TEST_F(SafeReplaceTest, ReadOnlyFilesAndMissingFoldersRefuseTheWrite) {
    const std::wstring log = In(L"read-only.log");
    ASSERT_TRUE(WriteBytes(log, "kept"));
    ASSERT_TRUE(::SetFileAttributesW(Raw(log).c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_FALSE(files_.ReplaceWithBytes(log, "new"));
    EXPECT_EQ(ReadRaw(log), "kept");
    EXPECT_EQ(NamesIn(root_), std::vector<std::wstring>{L"read-only.log"}) << "temporary file left";

    EXPECT_FALSE(files_.ReplaceWithBytes(In(L"missing\\new.log"), "new"));
    EXPECT_FALSE(Exists(In(L"missing")));
    // A folder cannot be replaced by a file.
    ASSERT_TRUE(::CreateDirectoryW(Raw(In(L"folder")).c_str(), nullptr));
    EXPECT_FALSE(files_.ReplaceWithBytes(In(L"folder"), "new"));
    EXPECT_TRUE(NamesIn(In(L"folder")).empty());
    EXPECT_EQ(NamesIn(root_).size(), 2u) << "temporary file left";
}

TEST_F(SafeReplaceTest, AMoveReplacesAnOlderFileButNeverAReadOnlyOne) {
    const std::wstring log = In(L"logs.log"), old = In(L"logs.old.log");
    ASSERT_TRUE(WriteBytes(log, "large log"));
    ASSERT_TRUE(WriteBytes(old, "older"));
    EXPECT_EQ(files_.FileSize(log), std::optional<std::uint64_t>(9));
    ASSERT_TRUE(files_.MoveReplacing(log, old));
    EXPECT_FALSE(Exists(log));
    EXPECT_EQ(files_.FileSize(log), std::nullopt);
    EXPECT_EQ(ReadRaw(old), "large log");

    ASSERT_TRUE(WriteBytes(log, "newer"));
    ASSERT_TRUE(::SetFileAttributesW(Raw(old).c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_FALSE(files_.MoveReplacing(log, old));
    EXPECT_EQ(ReadRaw(log), "newer");
    EXPECT_EQ(ReadRaw(old), "large log");
}

// Wine keeps its recycle bin in the Unix side's XDG trash. Its folder of items as a
// Windows path; empty when this is not Wine or the trash folder is not known.
std::wstring WineTrashFolder() {
    char unixPath[4096] = {};
    DWORD length = ::GetEnvironmentVariableA("XDG_DATA_HOME", unixPath, sizeof unixPath);
    HMODULE kernel = ::GetModuleHandleW(L"kernel32.dll");
    FARPROC found = kernel ? ::GetProcAddress(kernel, "wine_get_dos_file_name") : nullptr;
    if (length == 0 || length >= sizeof unixPath || !found) return {};
    using DosName = WCHAR*(CDECL*)(const char*);
    auto dosName = reinterpret_cast<DosName>(reinterpret_cast<void (*)()>(found));
    struct HeapRelease {
        void operator()(WCHAR* text) const { ::HeapFree(::GetProcessHeap(), 0, text); }
    };
    std::unique_ptr<WCHAR, HeapRelease> folder(dosName(unixPath));
    return folder ? std::wstring(folder.get()) + L"\\Trash\\files" : std::wstring();
}

using RecycleBinTest = ContentTest;

TEST_F(RecycleBinTest, EmptyingTakesRecycledItemsAway) {
    // Emptying the bin is not undone: only a bin of this test run's own may be emptied,
    // which the Wine runner's private trash folder is.
    const std::wstring trash = WineTrashFolder();
    if (trash.empty()) GTEST_SKIP() << "would empty the user's own recycle bin";
    const std::wstring name = L"tidyhawk-recycled-" + std::to_wstring(::GetCurrentProcessId());
    ASSERT_TRUE(WriteBytes(In(name), "recycled"));
    ASSERT_EQ(shell_.DeleteWithShell(In(name), true), 0);
    ASSERT_FALSE(NamesIn(trash).empty()) << "the item did not reach the recycle bin";

    EXPECT_TRUE(shell_.EmptyRecycleBins(nullptr));
    EXPECT_TRUE(NamesIn(trash).empty());
    EXPECT_FALSE(Exists(In(name)));
}

TEST(ShellOpenTest, MissingDocumentsDoNotOpen) {
    Win32Shell shell;
    EXPECT_FALSE(shell.OpenDocument(L"C:\\tidyhawk-no-such-folder\\clean.log"));
    EXPECT_FALSE(shell.OpenDocument(L""));
}

// The code page the tests below know the bytes of; Wine's default for English.
constexpr UINT kWestern = 1252;

TEST(AnsiTextTest, PlainTextConvertsByteForByte) {
    Win32Locale locale;
    std::string bytes = "stale";
    ASSERT_TRUE(locale.ToAnsi(L"Tidyhawk 1.0\r\n\t~", bytes));
    EXPECT_EQ(bytes, "Tidyhawk 1.0\r\n\t~");
    EXPECT_EQ(locale.FromAnsi(bytes), L"Tidyhawk 1.0\r\n\t~");
    // An embedded NUL is text like any other character here.
    ASSERT_TRUE(locale.ToAnsi(std::wstring(L"a\0b", 3), bytes));
    EXPECT_EQ(bytes, std::string("a\0b", 3));
    bytes = "stale";
    EXPECT_TRUE(locale.ToAnsi(L"", bytes));
    EXPECT_EQ(bytes, "");
    EXPECT_EQ(locale.FromAnsi(""), L"");
}

TEST(AnsiTextTest, WesternLettersTakeTheirCodePageBytes) {
    if (::GetACP() != kWestern) GTEST_SKIP() << "the ANSI code page is " << ::GetACP();
    Win32Locale locale;
    std::string bytes;
    ASSERT_TRUE(locale.ToAnsi(L"\u00e9", bytes));
    EXPECT_EQ(bytes, "\xe9");
    ASSERT_TRUE(locale.ToAnsi(L"Gr\u00fc\u00dfe \u2013 5 \u20ac", bytes));
    EXPECT_EQ(bytes, std::string("Gr\xfc\xdf") + "e \x96 5 \x80");
    EXPECT_EQ(locale.FromAnsi(bytes), L"Gr\u00fc\u00dfe \u2013 5 \u20ac");
}

TEST(AnsiTextTest, CharactersOutsideTheCodePageAreRefusedNotReplaced) {
    if (::GetACP() != kWestern) GTEST_SKIP() << "the ANSI code page is " << ::GetACP();
    Win32Locale locale;
    std::string bytes = "stale";
    EXPECT_FALSE(locale.ToAnsi(L"\u4e2d", bytes));
    EXPECT_EQ(bytes, "");
    EXPECT_FALSE(locale.ToAnsi(L"log \u4e2d.txt", bytes));
    // Look-alikes a best fit would put in their place: "A" for A-macron, "8" for the
    // infinity sign; the text would no longer be the same.
    EXPECT_FALSE(locale.ToAnsi(L"\u0100", bytes));
    EXPECT_FALSE(locale.ToAnsi(L"\u221e", bytes));
}

TEST(AnsiTextTest, EveryByteComesBackUnchanged) {
    if (::GetACP() != kWestern) GTEST_SKIP() << "the ANSI code page is " << ::GetACP();
    Win32Locale locale;
    std::string all;
    for (int byte = 1; byte < 256; ++byte)
        all.push_back(static_cast<char>(byte));
    const std::wstring text = locale.FromAnsi(all);
    EXPECT_EQ(text.size(), all.size());
    std::string back;
    ASSERT_TRUE(locale.ToAnsi(text, back));
    EXPECT_EQ(back, all);
}

TEST(ProgramIdentityTest, UserNameIsKnown) {
    const std::wstring name = Win32Processes().UserName();
    ASSERT_FALSE(name.empty());
    EXPECT_EQ(name.find(L'\0'), std::wstring::npos);
    wchar_t fromEnvironment[512] = {};
    DWORD length = ::GetEnvironmentVariableW(L"USERNAME", fromEnvironment, 512);
    if (length > 0 && length < 512) {
        EXPECT_EQ(::lstrcmpiW(name.c_str(), fromEnvironment), 0);
    }
}

TEST(ProgramIdentityTest, ProgramPathNamesThisTestProgram) {
    const std::wstring path = Win32Processes().ProgramPath();
    const std::wstring expectedName = L"\\win32_tests.exe";
    ASSERT_GT(path.size(), expectedName.size());
    EXPECT_EQ(
        ::lstrcmpiW(path.substr(path.size() - expectedName.size()).c_str(), expectedName.c_str()),
        0);
    EXPECT_EQ(path.find(L'\0'), std::wstring::npos);
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(attributes & FILE_ATTRIBUTE_DIRECTORY, 0u);
}

TEST(BusyCursorTest, HourglassThenArrow) {
    Win32Cursor cursor;
    cursor.ShowBusy(true);
    EXPECT_EQ(::GetCursor(), ::LoadCursorW(nullptr, IDC_WAIT));
    cursor.ShowBusy(false);
    EXPECT_EQ(::GetCursor(), ::LoadCursorW(nullptr, IDC_ARROW));
}

// A valid sound of the given length: 16-bit mono PCM silence.
std::string SilentWave(unsigned milliseconds) {
    const std::uint32_t rate = 22050, bytesPerFrame = 2;
    const std::uint32_t dataBytes = rate * milliseconds / 1000 * bytesPerFrame;
    std::string wave;
    auto put = [&wave](std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            wave.push_back(static_cast<char>((value >> (8 * i)) & 0xff));
    };
    wave += "RIFF";
    put(36 + dataBytes, 4);
    wave += "WAVEfmt ";
    put(16, 4);                   // format block size
    put(1, 2);                    // PCM
    put(1, 2);                    // channels
    put(rate, 4);                 // frames per second
    put(rate * bytesPerFrame, 4); // bytes per second
    put(bytesPerFrame, 2);        // block alignment
    put(16, 2);                   // bits per sample
    wave += "data";
    put(dataBytes, 4);
    wave.append(dataBytes, '\0');
    return wave;
}

using SoundTest = ContentTest;

// Played synchronously, a sound holds the caller up for its length at most: one that
// cannot play, or a machine without sound, must not hold it up at all.
TEST_F(SoundTest, PlayReturnsForMissingAndShortSounds) {
    const std::wstring shortSound = In(L"short.wav");
    ASSERT_TRUE(WriteBytes(shortSound, SilentWave(100)));
    Win32Sound sound;
    const ULONGLONG start = ::GetTickCount64();
    sound.Play(In(L"missing.wav"));
    sound.Play(L"tidyhawk-no-such-sound");
    sound.Play(L"");
    sound.Play(shortSound);
    EXPECT_LT(::GetTickCount64() - start, 3000u);
}

} // namespace
} // namespace platform::win32
