// The real file, shell and system services, run under Windows or Wine. Each test that
// touches files works in a scratch folder of its own below the temporary folder and
// removes it afterwards. The tests build and examine their trees with raw calls in the
// \\?\ form, so the code under test is not checked against itself.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/win32/long_path.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/win32_platform.h"
#include "platform/win32/windows_api.h"
#include "raw_files.h"

// After windows.h, which it builds on.
#include <winioctl.h>

namespace platform::win32 {
namespace {

using testing_support::Exists;
using testing_support::MakeFolder;
using testing_support::Raw;
using testing_support::RemoveTree;
using testing_support::ScratchFolderTest;
using testing_support::WriteBytes;

std::map<std::wstring, FindData> Entries(FileSystem& files, const std::wstring& pattern) {
    std::map<std::wstring, FindData> entries;
    std::unique_ptr<DirectoryListing> listing = files.List(pattern);
    FindData entry;
    while (listing && listing->Next(entry))
        entries[entry.name] = entry;
    return entries;
}

std::vector<std::wstring> Names(const std::map<std::wstring, FindData>& entries) {
    std::vector<std::wstring> names;
    for (const auto& [name, entry] : entries)
        names.push_back(name);
    return names;
}

// A file of the given size that takes no room. False when the file system cannot make
// files sparse.
bool MakeSparseFile(const std::wstring& path, std::uint64_t size) {
    UniqueKernelObject file(
        NullIfInvalid(::CreateFileW(Raw(path).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                    CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr)));
    DWORD returned = 0;
    if (!file || !::DeviceIoControl(file.Get(), FSCTL_SET_SPARSE, nullptr, 0, nullptr, 0, &returned,
                                    nullptr))
        return false;
    LARGE_INTEGER end{};
    end.QuadPart = static_cast<LONGLONG>(size);
    return ::SetFilePointerEx(file.Get(), end, nullptr, FILE_BEGIN) && ::SetEndOfFile(file.Get());
}

// A folder whose parts are each `width` characters, reaching at least `length` in all.
std::wstring DeepPath(std::wstring path, std::size_t length, std::size_t width = 40) {
    for (int level = 0; path.size() < length; ++level)
        path += L"\\" + std::to_wstring(level) + std::wstring(width, L'd');
    return path;
}

bool MakeFolders(const std::wstring& root, const std::wstring& deep) {
    for (size_t end = deep.find(L'\\', root.size() + 1); end != std::wstring::npos;
         end = deep.find(L'\\', end + 1))
        if (!MakeFolder(deep.substr(0, end))) return false;
    return MakeFolder(deep);
}

using ListingTest = ScratchFolderTest;
using RemovalTest = ScratchFolderTest;
using LongPathTest = ScratchFolderTest;

TEST_F(ListingTest, NestedTreeListsEveryEntryWithAttributesAndFullSize) {
    ASSERT_TRUE(MakeFolder(In(L"sub")));
    ASSERT_TRUE(WriteBytes(In(L"sub\\inner.txt"), "abc"));
    ASSERT_TRUE(WriteBytes(In(L"empty.txt"), ""));
    ASSERT_TRUE(WriteBytes(In(L"hidden.txt"), "h"));
    ASSERT_TRUE(WriteBytes(In(L"system.txt"), "s"));
    ASSERT_TRUE(::SetFileAttributesW(Raw(In(L"hidden.txt")).c_str(), FILE_ATTRIBUTE_HIDDEN));
    ASSERT_TRUE(::SetFileAttributesW(Raw(In(L"system.txt")).c_str(),
                                     FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_HIDDEN));
    // Beyond 4 GiB the size needs both of its halves.
    std::uint64_t bigSize = (5ull << 30) + 7;
    if (!MakeSparseFile(In(L"big.bin"), bigSize)) {
        RemoveTree(In(L"big.bin"));
        bigSize = (6u << 20) + 7;
        ASSERT_TRUE(WriteBytes(In(L"big.bin"), std::string(bigSize, 'b')));
    }

    auto top = Entries(files_, In(L"*"));
    EXPECT_EQ(Names(top), (std::vector<std::wstring>{L".", L"..", L"big.bin", L"empty.txt",
                                                     L"hidden.txt", L"sub", L"system.txt"}));
    EXPECT_TRUE(top[L"."].IsDirectory());
    EXPECT_TRUE(top[L"sub"].IsDirectory());
    EXPECT_FALSE(top[L"sub"].IsLink());
    EXPECT_FALSE(top[L"big.bin"].IsDirectory());
    EXPECT_EQ(top[L"big.bin"].size, bigSize);
    EXPECT_EQ(top[L"empty.txt"].size, 0u);
    EXPECT_EQ(top[L"hidden.txt"].attributes & (attr::Hidden | attr::System), attr::Hidden);
    EXPECT_EQ(top[L"system.txt"].attributes & (attr::Hidden | attr::System),
              attr::Hidden | attr::System);

    auto inner = Entries(files_, In(L"sub\\*"));
    EXPECT_EQ(Names(inner), (std::vector<std::wstring>{L".", L"..", L"inner.txt"}));
    EXPECT_EQ(inner[L"inner.txt"].size, 3u);
    EXPECT_EQ(Names(Entries(files_, In(L"*.txt"))),
              (std::vector<std::wstring>{L"empty.txt", L"hidden.txt", L"system.txt"}));
}

TEST_F(ListingTest, MissingFolderCannotBeListed) {
    EXPECT_EQ(files_.List(In(L"missing\\*")), nullptr);
    EXPECT_EQ(files_.List(In(L"missing.txt\\*")), nullptr);
}

// A listing left open keeps its folder in use (Windows only marks the folder for
// removal, Wine refuses); released listings, read to the end or not, let it go at once.
TEST_F(ListingTest, ReleasedListingsLetTheirFolderGo) {
    const std::wstring folder = In(L"listed");
    ASSERT_TRUE(MakeFolder(folder));
    ASSERT_TRUE(WriteBytes(folder + L"\\file.txt", "x"));
    for (int read : {0, 1, 10}) {
        std::unique_ptr<DirectoryListing> listing = files_.List(folder + L"\\*");
        ASSERT_NE(listing, nullptr);
        FindData entry;
        for (int i = 0; i < read && listing->Next(entry); ++i) {
        }
    }
    ASSERT_TRUE(::DeleteFileW(Raw(folder + L"\\file.txt").c_str()));
    EXPECT_TRUE(files_.RemoveFolder(folder));
    EXPECT_FALSE(Exists(folder));
}

TEST_F(RemovalTest, ReadOnlyFileStaysUntilMadeNormal) {
    const std::wstring file = In(L"read-only.txt");
    ASSERT_TRUE(WriteBytes(file, "x"));
    ASSERT_TRUE(files_.SetAttributes(file, attr::ReadOnly | attr::Hidden));
    std::uint32_t attributes = 0;
    ASSERT_TRUE(files_.GetAttributes(file, attributes));
    EXPECT_EQ(attributes & (attr::ReadOnly | attr::Hidden), attr::ReadOnly | attr::Hidden);
    EXPECT_FALSE(files_.RemoveFile(file));
    EXPECT_TRUE(Exists(file));

    ASSERT_TRUE(files_.SetAttributes(file, attr::Normal));
    ASSERT_TRUE(files_.GetAttributes(file, attributes));
    EXPECT_EQ(attributes & (attr::ReadOnly | attr::Hidden), 0u);
    EXPECT_TRUE(files_.RemoveFile(file));
    EXPECT_FALSE(Exists(file));
    EXPECT_FALSE(files_.GetAttributes(file, attributes));
    EXPECT_FALSE(files_.RemoveFile(file));
    EXPECT_FALSE(files_.SetAttributes(file, attr::Normal));
}

TEST_F(RemovalTest, FileHeldOpenStaysAndKeepsItsFolder) {
    const std::wstring folder = In(L"busy");
    const std::wstring file = folder + L"\\open.txt";
    ASSERT_TRUE(MakeFolder(folder));
    ASSERT_TRUE(WriteBytes(file, "open"));
    ASSERT_TRUE(WriteBytes(folder + L"\\other.txt", "other"));
    // Opened the way most programs open files: others may read and write, not delete.
    UniqueKernelObject open(NullIfInvalid(
        ::CreateFileW(Raw(file).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)));
    ASSERT_TRUE(open);

    EXPECT_FALSE(files_.RemoveFile(file));
    EXPECT_NE(shell_.DeleteWithShell(folder, false), 0);
    EXPECT_TRUE(Exists(file));
    EXPECT_FALSE(files_.RemoveFolder(folder));

    open.Reset();
    EXPECT_TRUE(files_.RemoveFile(file));
}

TEST_F(RemovalTest, FolderGoesOnlyWhenEmpty) {
    const std::wstring folder = In(L"full");
    ASSERT_TRUE(MakeFolder(folder));
    ASSERT_TRUE(MakeFolder(folder + L"\\child"));
    EXPECT_FALSE(files_.RemoveFolder(folder));
    EXPECT_TRUE(files_.DirectoryExists(folder));
    EXPECT_FALSE(files_.RemoveFolder(folder + L"\\missing"));
    EXPECT_TRUE(files_.RemoveFolder(folder + L"\\child"));
    EXPECT_TRUE(files_.RemoveFolder(folder));
    EXPECT_FALSE(files_.DirectoryExists(folder));
}

TEST_F(RemovalTest, NamesEndingInDotOrSpaceReachThatItemNotItsNamesake) {
    // Such names can only be made through the long form, but some programs make them.
    for (const wchar_t* name : {L"twin", L"twin.", L"twin "})
        ASSERT_TRUE(WriteBytes(In(name), "t"));
    for (const wchar_t* name : {L"pair", L"pair."})
        ASSERT_TRUE(MakeFolder(In(name)));
    ASSERT_TRUE(::SetFileAttributesW(Raw(In(L"twin")).c_str(), FILE_ATTRIBUTE_HIDDEN));
    std::uint32_t attributes = 0;
    ASSERT_TRUE(files_.GetAttributes(In(L"twin."), attributes));
    EXPECT_EQ(attributes & attr::Hidden, 0u);
    EXPECT_TRUE(files_.RemoveFile(In(L"twin.")));
    EXPECT_TRUE(files_.RemoveFile(In(L"twin ")));
    EXPECT_TRUE(files_.RemoveFolder(In(L"pair.")));
    EXPECT_EQ(Names(Entries(files_, In(L"*"))),
              (std::vector<std::wstring>{L".", L"..", L"pair", L"twin"}));
}

// Under the long form a trailing dot belongs to the name, while Windows drops it from
// any other path: names ending in a dot show that a long path went through whole, and
// that the item asked for is the one reached, not its dotless namesake.
TEST_F(LongPathTest, TreeBeyondMaxPathIsMadeListedAndRemoved) {
    // One folder lands between the new-folder limit and MAX_PATH, where only folder
    // creation needs the long form.
    std::wstring path = DeepPath(root_, kMaxNewFolderPathLength - 42);
    path += L"\\" + std::wstring(kMaxNewFolderPathLength + 2 - path.size() - 1, L'm');
    ASSERT_EQ(path.size(), kMaxNewFolderPathLength + 2);
    const std::wstring deep = DeepPath(path, 2 * kMaxPathLength) + L"\\last.";
    std::vector<std::wstring> folders;
    for (size_t end = deep.find(L'\\', root_.size() + 1);; end = deep.find(L'\\', end + 1)) {
        folders.push_back(deep.substr(0, end));
        ASSERT_TRUE(files_.MakeDirectory(folders.back())) << folders.back().size();
        if (end == std::wstring::npos) break;
    }
    ASSERT_TRUE(Exists(deep));
    ASSERT_FALSE(Exists(deep.substr(0, deep.size() - 1)));

    const std::wstring file = deep + L"\\file.";
    ASSERT_TRUE(WriteBytes(file, "deep"));
    EXPECT_TRUE(files_.DirectoryExists(deep));
    EXPECT_TRUE(files_.FileExists(file));
    // The usual spellings still reach the file.
    EXPECT_TRUE(files_.FileExists(deep + L"/./x/../file."));
    auto entries = Entries(files_, deep + L"\\*");
    EXPECT_EQ(Names(entries), (std::vector<std::wstring>{L".", L"..", L"file."}));
    EXPECT_EQ(entries[L"file."].size, 4u);

    const std::wstring namesake = deep + L"\\file";
    ASSERT_TRUE(WriteBytes(namesake, "namesake"));
    ASSERT_TRUE(files_.SetAttributes(file, attr::ReadOnly));
    std::uint32_t attributes = 0;
    ASSERT_TRUE(::SetFileAttributesW(Raw(namesake).c_str(), FILE_ATTRIBUTE_HIDDEN));
    ASSERT_TRUE(files_.GetAttributes(file, attributes));
    EXPECT_EQ(attributes & (attr::ReadOnly | attr::Hidden), attr::ReadOnly);
    EXPECT_FALSE(files_.RemoveFile(file));
    ASSERT_TRUE(files_.SetAttributes(file, attr::Normal));
    EXPECT_TRUE(files_.RemoveFile(file));
    EXPECT_FALSE(Exists(file));
    EXPECT_TRUE(Exists(namesake));
    ASSERT_TRUE(::DeleteFileW(Raw(namesake).c_str()));

    for (auto folder = folders.rbegin(); folder != folders.rend(); ++folder)
        EXPECT_TRUE(files_.RemoveFolder(*folder)) << folder->size();
    EXPECT_FALSE(Exists(folders.front()));
}

TEST(LongPathFormTest, ShortPathsAreLeftForWindows) {
    const std::wstring edge = L"C:\\" + std::wstring(kMaxPathLength - 4, L'a');
    EXPECT_EQ(ApiPath(edge), edge);
    EXPECT_EQ(ApiPath(L"C:/Temp/./x"), L"C:/Temp/./x");
    EXPECT_EQ(ApiPath(L"\\\\server\\share\\x"), L"\\\\server\\share\\x");
}

TEST(LongPathFormTest, PathsOfMaxPathOrMoreGetTheLongFormWhole) {
    const std::wstring atLimit = L"C:\\" + std::wstring(kMaxPathLength - 3, L'a');
    EXPECT_EQ(ApiPath(atLimit), L"\\\\?\\" + atLimit);
    const std::wstring deep = DeepPath(L"D:", 5000);
    EXPECT_EQ(ApiPath(deep), L"\\\\?\\" + deep);
    const std::wstring tail = DeepPath(L"", 300);
    EXPECT_EQ(ApiPath(L"\\\\server\\share" + tail), L"\\\\?\\UNC\\server\\share" + tail);
    // Folder creation has the lower limit.
    const std::wstring folder = L"C:\\" + std::wstring(kMaxNewFolderPathLength - 3, L'f');
    EXPECT_EQ(ApiPath(folder), folder);
    EXPECT_EQ(ApiPath(folder, kMaxNewFolderPathLength), L"\\\\?\\" + folder);
}

TEST(LongPathFormTest, LongFormAndDeviceNamesAreNeverRewritten) {
    const std::wstring given = L"\\\\?\\C:\\" + DeepPath(L"x", 300) + L"\\.\\..\\a/b";
    EXPECT_EQ(ApiPath(given), given);
    EXPECT_EQ(FullPath(given), given);
    EXPECT_EQ(ApiPath(L"\\\\.\\PhysicalDrive0"), L"\\\\.\\PhysicalDrive0");
}

TEST(LongPathFormTest, LongPathsAreCleanedUpAsWindowsWould) {
    const std::wstring a(100, L'a'), b(100, L'b'), c(100, L'c');
    const std::wstring clean = L"\\\\?\\C:\\" + a + L"\\" + b + L"\\" + c;
    EXPECT_EQ(ApiPath(L"C:/" + a + L"/./" + b + L"//x\\..\\" + c + L"\\"), clean);
    EXPECT_EQ(ApiPath(L"C:\\..\\..\\" + a + L"\\" + b + L"\\" + c), clean);
    EXPECT_EQ(ApiPath(L"\\\\srv\\share\\..\\..\\" + a + L"\\" + b + L"\\" + c),
              L"\\\\?\\UNC\\srv\\share\\" + a + L"\\" + b + L"\\" + c);
    // Trailing dots and spaces belong to the name under the long form and stay.
    EXPECT_EQ(ApiPath(L"C:\\" + a + L"\\" + b + L"\\" + c + L"\\name. "), clean + L"\\name. ");
    // Once cleaned up, a path that fits needs no long form.
    EXPECT_EQ(ApiPath(L"C:\\" + a + L"\\..\\" + b + L"\\..\\" + c + L"\\x"), L"C:\\" + c + L"\\x");
}

TEST(LongPathFormTest, NamesEndingInDotOrSpaceTakeTheLongFormAtAnyLength) {
    EXPECT_EQ(ApiPath(L"C:\\dir\\name."), L"\\\\?\\C:\\dir\\name.");
    EXPECT_EQ(ApiPath(L"C:/dir /./x"), L"\\\\?\\C:\\dir \\x");
    EXPECT_EQ(ApiPath(L"\\\\srv\\share\\name "), L"\\\\?\\UNC\\srv\\share\\name ");
    // "." and ".." are steps, not names, and "*." is a pattern.
    EXPECT_EQ(ApiPath(L"C:\\dir\\..\\x\\."), L"C:\\dir\\..\\x\\.");
    EXPECT_EQ(ApiPath(L"C:\\dir\\*."), L"C:\\dir\\*.");
}

// Restores the current folder when the test ends.
class CurrentFolderRestorer {
public:
    CurrentFolderRestorer() : saved_(Win32FileSystem().CurrentDirectory()) {}
    ~CurrentFolderRestorer() { ::SetCurrentDirectoryW(saved_.c_str()); }
    CurrentFolderRestorer(const CurrentFolderRestorer&) = delete;
    CurrentFolderRestorer& operator=(const CurrentFolderRestorer&) = delete;

private:
    std::wstring saved_;
};

TEST(LongPathFormTest, RelativeLongPathsAreJoinedToTheCurrentFolder) {
    CurrentFolderRestorer restorer;
    ASSERT_TRUE(::SetCurrentDirectoryW(L"C:\\windows"));
    const std::wstring relative = DeepPath(L"x", 300);
    EXPECT_EQ(ApiPath(relative), L"\\\\?\\C:\\windows\\" + relative);
    EXPECT_EQ(ApiPath(L".\\" + relative), L"\\\\?\\C:\\windows\\" + relative);
    EXPECT_EQ(ApiPath(L"..\\" + relative), L"\\\\?\\C:\\" + relative);
    EXPECT_EQ(ApiPath(L"\\" + relative), L"\\\\?\\C:\\" + relative);
    EXPECT_EQ(ApiPath(L"C:" + relative), L"\\\\?\\C:\\windows\\" + relative);
    EXPECT_EQ(ApiPath(L"x.txt"), L"x.txt");
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

bool InTrash(const std::wstring& trash, const std::wstring& name) {
    Win32FileSystem files;
    return !trash.empty() && !Names(Entries(files, trash + L"\\" + name + L"*")).empty();
}

using ShellDeleteTest = ScratchFolderTest;

TEST_F(ShellDeleteTest, PermanentDeleteTakesTheWholeTreeAndNothingBeside) {
    const std::wstring tree = In(L"tree");
    ASSERT_TRUE(MakeFolder(tree));
    ASSERT_TRUE(MakeFolder(tree + L"\\sub"));
    ASSERT_TRUE(MakeFolder(tree + L"\\sub\\leaf"));
    ASSERT_TRUE(WriteBytes(tree + L"\\sub\\leaf\\a.txt", "a"));
    ASSERT_TRUE(WriteBytes(tree + L"\\hidden.txt", "h"));
    ASSERT_TRUE(::SetFileAttributesW(Raw(tree + L"\\hidden.txt").c_str(), FILE_ATTRIBUTE_HIDDEN));
    ASSERT_TRUE(MakeFolder(In(L"tree2")));
    ASSERT_TRUE(WriteBytes(In(L"tree.txt"), "beside"));

    EXPECT_EQ(shell_.DeleteWithShell(tree, false), 0);
    EXPECT_FALSE(Exists(tree));
    EXPECT_TRUE(Exists(In(L"tree2")));
    EXPECT_TRUE(Exists(In(L"tree.txt")));
    EXPECT_FALSE(InTrash(WineTrashFolder(), L"tree"));
    EXPECT_NE(shell_.DeleteWithShell(tree, false), 0) << "nothing left to delete";
}

TEST_F(ShellDeleteTest, RecycleBinTakesItemsFromTheirPlaceIntoTheTrash) {
    const std::wstring tag = std::to_wstring(::GetCurrentProcessId());
    const std::wstring file = In(L"tidyhawk-file-" + tag);
    const std::wstring folder = In(L"tidyhawk-folder-" + tag);
    ASSERT_TRUE(WriteBytes(file, "f"));
    ASSERT_TRUE(MakeFolder(folder));
    ASSERT_TRUE(WriteBytes(folder + L"\\inside.txt", "i"));
    EXPECT_EQ(shell_.DeleteWithShell(file, true), 0);
    EXPECT_EQ(shell_.DeleteWithShell(folder, true), 0);
    EXPECT_FALSE(Exists(file));
    EXPECT_FALSE(Exists(folder));

    const std::wstring trash = WineTrashFolder();
    if (trash.empty()) GTEST_SKIP() << "the recycle bin's folder is only known under Wine";
    EXPECT_TRUE(InTrash(trash, L"tidyhawk-file-" + tag));
    EXPECT_TRUE(InTrash(trash, L"tidyhawk-folder-" + tag));
}

TEST_F(ShellDeleteTest, PathsTooLongForTheShellFailAndDeleteNothing) {
    const std::wstring deep = DeepPath(root_, kMaxPathLength + 20);
    ASSERT_TRUE(MakeFolders(root_, deep));
    const std::wstring file = deep + L"\\kept.txt";
    ASSERT_TRUE(WriteBytes(file, "kept"));
    // Exactly at the limit, and one character short of it.
    const std::wstring nearFolder = DeepPath(root_, kMaxPathLength - 60);
    const std::wstring atLimit =
        nearFolder + L"\\" + std::wstring(kMaxPathLength - nearFolder.size() - 1, L'l');
    const std::wstring belowLimit = atLimit.substr(0, atLimit.size() - 1);
    ASSERT_TRUE(WriteBytes(atLimit, "at"));
    ASSERT_TRUE(WriteBytes(belowLimit, "below"));
    const std::wstring trash = WineTrashFolder();

    for (bool toRecycleBin : {false, true}) {
        EXPECT_NE(shell_.DeleteWithShell(file, toRecycleBin), 0);
        EXPECT_NE(shell_.DeleteWithShell(deep, toRecycleBin), 0);
        EXPECT_NE(shell_.DeleteWithShell(atLimit, toRecycleBin), 0);
        EXPECT_TRUE(Exists(file));
        EXPECT_TRUE(Exists(atLimit));
    }
    EXPECT_FALSE(InTrash(trash, L"kept.txt"));
    EXPECT_FALSE(InTrash(trash, std::wstring(30, L'l')));
    EXPECT_EQ(shell_.DeleteWithShell(belowLimit, false), 0);
    EXPECT_FALSE(Exists(belowLimit));
}

TEST_F(ShellDeleteTest, NamesTheShellWouldReadAsOthersAreRefused) {
    ASSERT_TRUE(WriteBytes(In(L"a.txt"), "a"));
    ASSERT_TRUE(WriteBytes(In(L"b.txt"), "b"));
    // Only the long form makes a name with a trailing dot; the shell would drop the dot.
    ASSERT_TRUE(WriteBytes(In(L"dotted."), "d"));
    ASSERT_TRUE(WriteBytes(In(L"dotted"), "plain"));
    for (bool toRecycleBin : {false, true}) {
        EXPECT_NE(shell_.DeleteWithShell(In(L"*.txt"), toRecycleBin), 0);
        EXPECT_NE(shell_.DeleteWithShell(In(L"?.txt"), toRecycleBin), 0);
        EXPECT_NE(shell_.DeleteWithShell(In(L"dotted."), toRecycleBin), 0);
        EXPECT_NE(shell_.DeleteWithShell(Raw(In(L"a.txt")), toRecycleBin), 0);
        EXPECT_NE(shell_.DeleteWithShell(L"", toRecycleBin), 0);
    }
    EXPECT_EQ(Names(Entries(files_, In(L"*"))),
              (std::vector<std::wstring>{L".", L"..", L"a.txt", L"b.txt", L"dotted", L"dotted."}));
}

TEST_F(ShellDeleteTest, RelativePathsMeanTheCurrentFolderAtTheCall) {
    CurrentFolderRestorer restorer;
    ASSERT_TRUE(MakeFolder(In(L"here")));
    ASSERT_TRUE(MakeFolder(In(L"beside")));
    ASSERT_TRUE(WriteBytes(In(L"here\\gone.txt"), "g"));
    ASSERT_TRUE(WriteBytes(In(L"here\\kept.txt"), "k"));
    ASSERT_TRUE(::SetCurrentDirectoryW(In(L"here").c_str()));
    EXPECT_EQ(shell_.DeleteWithShell(L".\\gone.txt", false), 0);
    EXPECT_EQ(shell_.DeleteWithShell(L"..\\beside/../beside", false), 0);
    EXPECT_FALSE(Exists(In(L"here\\gone.txt")));
    EXPECT_FALSE(Exists(In(L"beside")));
    EXPECT_TRUE(Exists(In(L"here\\kept.txt")));
}

// A junction at link leading to target, made the way Windows' own tools make them.
// False when the file system refuses junctions.
bool MakeJunction(const std::wstring& link, const std::wstring& target) {
    if (!MakeFolder(link)) return false;
    UniqueKernelObject folder(NullIfInvalid(
        ::CreateFileW(Raw(link).c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                      FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr)));
    if (!folder) return false;
    // The mount-point layout: tag, data length, reserved, then where the two names sit
    // in the text that follows, each name with its terminator.
    const std::wstring names = L"\\??\\" + target + L'\0' + target + L'\0';
    const WORD substituteBytes = static_cast<WORD>((target.size() + 4) * sizeof(wchar_t));
    const WORD printBytes = static_cast<WORD>(target.size() * sizeof(wchar_t));
    const WORD namesBytes = static_cast<WORD>(names.size() * sizeof(wchar_t));
    const WORD header[6] = {static_cast<WORD>(8 + namesBytes),
                            0,
                            0,
                            substituteBytes,
                            static_cast<WORD>(substituteBytes + sizeof(wchar_t)),
                            printBytes};
    const DWORD tag = IO_REPARSE_TAG_MOUNT_POINT;
    std::vector<BYTE> buffer(sizeof tag + sizeof header + namesBytes);
    std::memcpy(buffer.data(), &tag, sizeof tag);
    std::memcpy(buffer.data() + sizeof tag, header, sizeof header);
    std::memcpy(buffer.data() + sizeof tag + sizeof header, names.data(), namesBytes);
    DWORD returned = 0;
    return ::DeviceIoControl(folder.Get(), FSCTL_SET_REPARSE_POINT, buffer.data(),
                             static_cast<DWORD>(buffer.size()), nullptr, 0, &returned,
                             nullptr) != FALSE;
}

using JunctionTest = ScratchFolderTest;

TEST_F(JunctionTest, JunctionIsListedAsLinkAndGoesWithoutItsTarget) {
    const std::wstring target = In(L"target");
    const std::wstring link = In(L"link");
    ASSERT_TRUE(MakeFolder(target));
    ASSERT_TRUE(WriteBytes(target + L"\\kept.txt", "kept"));
    if (!MakeJunction(link, target))
        GTEST_SKIP() << "the file system refuses junctions (FSCTL_SET_REPARSE_POINT), error "
                     << ::GetLastError();
    ASSERT_TRUE(files_.FileExists(link + L"\\kept.txt")) << "the junction leads nowhere";

    auto entries = Entries(files_, In(L"*"));
    ASSERT_EQ(entries.count(L"link"), 1u);
    EXPECT_TRUE(entries[L"link"].IsLink());
    EXPECT_TRUE(entries[L"link"].IsDirectory());
    EXPECT_FALSE(entries[L"target"].IsLink());
    std::uint32_t attributes = 0;
    ASSERT_TRUE(files_.GetAttributes(link, attributes));
    EXPECT_NE(attributes & attr::ReparsePoint, 0u);

    EXPECT_TRUE(files_.RemoveFolder(link));
    EXPECT_FALSE(Exists(link));
    EXPECT_TRUE(Exists(target + L"\\kept.txt"));
}

TEST(ServiceControlTest, MissingServiceGivesNothing) {
    EXPECT_EQ(Win32ServiceControl().QueryState(L"Tidyhawk no such service"), std::nullopt);
    EXPECT_EQ(Win32ServiceControl().QueryState(L""), std::nullopt);
}

// The name of a running service, as the service manager lists it; empty when none is.
std::wstring SomeRunningService() {
    UniqueServiceHandle manager(::OpenSCManagerW(nullptr, nullptr, SC_MANAGER_ENUMERATE_SERVICE));
    DWORD needed = 0, count = 0, resume = 0;
    if (!manager) return {};
    ::EnumServicesStatusW(manager.Get(), SERVICE_WIN32, SERVICE_ACTIVE, nullptr, 0, &needed, &count,
                          &resume);
    std::vector<BYTE> buffer(needed);
    resume = 0;
    if (!::EnumServicesStatusW(manager.Get(), SERVICE_WIN32, SERVICE_ACTIVE,
                               reinterpret_cast<ENUM_SERVICE_STATUSW*>(buffer.data()), needed,
                               &needed, &count, &resume))
        return {};
    auto* services = reinterpret_cast<ENUM_SERVICE_STATUSW*>(buffer.data());
    for (DWORD i = 0; i < count; ++i)
        if (services[i].ServiceStatus.dwCurrentState == SERVICE_RUNNING)
            return services[i].lpServiceName;
    return {};
}

TEST(ServiceControlTest, RunningServiceReportsRunning) {
    const std::wstring name = SomeRunningService();
    if (name.empty()) GTEST_SKIP() << "no service runs here";
    EXPECT_EQ(Win32ServiceControl().QueryState(name), service_state::Running)
        << std::string(name.begin(), name.end());
}

TEST(SystemFoldersTest, TempFolderEndsInBackslashAndExists) {
    Win32FileSystem files;
    const std::wstring temp = files.TempFolder();
    ASSERT_FALSE(temp.empty());
    EXPECT_EQ(temp.back(), L'\\');
    EXPECT_TRUE(files.DirectoryExists(temp));
}

TEST(SystemFoldersTest, WindowsFolderHoldsTheSystemFolder) {
    Win32FileSystem files;
    const std::wstring windows = files.WindowsFolder();
    ASSERT_GE(windows.size(), 3u);
    EXPECT_NE(windows.back(), L'\\');
    EXPECT_TRUE(files.DirectoryExists(windows));
    EXPECT_TRUE(files.DirectoryExists(windows + L"\\System32"));
}

TEST(ProcessesTest, Wow64AnswerMatchesTheSystem) {
    BOOL wow64 = FALSE;
    ASSERT_TRUE(::IsWow64Process(::GetCurrentProcess(), &wow64));
    EXPECT_EQ(Win32Processes().UnderWow64(), wow64 != FALSE);
    // Only a 32-bit program on 64-bit Windows sees the real system folder by this name.
    Win32FileSystem files;
    EXPECT_EQ(files.DirectoryExists(files.WindowsFolder() + L"\\Sysnative"), wow64 != FALSE);
}

using RunTest = ScratchFolderTest;

TEST_F(RunTest, CommandLineReachesTheStartedProgram) {
    const std::wstring mark = In(L"ran.txt");
    const std::string command =
        "cmd.exe /c echo ran>\"" + std::string(mark.begin(), mark.end()) + "\"";
    EXPECT_GT(Win32Processes().Run(command, show::Hide), 31u);
    // The program is not waited for: give it ten seconds to write its mark and let go
    // of it, which the mark's removal shows.
    bool removed = false;
    for (int i = 0; i < 200 && !removed; ++i) {
        removed = ::DeleteFileW(Raw(mark).c_str()) != FALSE;
        if (!removed) ::Sleep(50);
    }
    EXPECT_TRUE(removed) << "the program left no mark";
    EXPECT_LE(Win32Processes().Run("tidyhawk-no-such-program.exe", show::Hide), 31u);
}

TEST(CursorTest, MovedCursorReportsItsNewPosition) {
    Win32Cursor cursor;
    const Point saved = cursor.Position();
    for (Point target : {Point{101, 203}, Point{7, 9}}) {
        cursor.MoveTo(target);
        const Point now = cursor.Position();
        EXPECT_EQ(now.x, target.x);
        EXPECT_EQ(now.y, target.y);
    }
    cursor.MoveTo(saved);
}

} // namespace
} // namespace platform::win32

namespace platform::win32 {
namespace {

using FinalPathTest = testing_support::ScratchFolderTest;

// Where an item really is: another letter case, "." and "..", a drive letter mapped onto
// a folder (as subst makes one) and a short 8.3 name, where the volume keeps them, all
// lead to the one stored path; the folder-and-file comparison ignores case by the file
// system's own rules, Cyrillic included.
TEST_F(FinalPathTest, EverySpellingOfAFolderLeadsToItsStoredPath) {
    const std::wstring folder = In(L"Mixed Case Folder");
    ASSERT_TRUE(testing_support::MakeFolder(folder));
    const std::optional<std::wstring> stored = files_.FinalPath(folder);
    ASSERT_TRUE(stored);
    EXPECT_TRUE(files_.SameIgnoringCase(*stored, folder)) << testing::PrintToString(*stored);
    EXPECT_EQ(stored, files_.FinalPath(In(L"MIXED CASE FOLDER")));
    EXPECT_EQ(stored, files_.FinalPath(In(L"Mixed Case Folder\\.\\x\\..\\")));
    EXPECT_FALSE(files_.FinalPath(In(L"missing")));

    wchar_t shortName[MAX_PATH] = {};
    if (::GetShortPathNameW(folder.c_str(), shortName, MAX_PATH) > 0 && folder != shortName) {
        EXPECT_EQ(stored, files_.FinalPath(shortName));
        EXPECT_EQ(folder, files_.LongPath(shortName));
    }
    EXPECT_EQ(In(L"missing\\x"), files_.LongPath(In(L"missing\\x"))) << "kept as given";

    // M: is mapped onto C:\mapped for the test run, as subst would map it.
    if (!files_.DirectoryExists(L"M:\\") || !files_.DirectoryExists(L"C:\\mapped")) {
        ADD_FAILURE() << "no drive M: mapped onto C:\\mapped";
    } else {
        ASSERT_TRUE(testing_support::MakeFolder(L"C:\\mapped\\Through A Letter"));
        // Windows names the folder on its own volume; Wine keeps the letter it was
        // reached by. Both give the names in their stored letter case.
        const std::optional<std::wstring> through = files_.FinalPath(L"M:\\through a letter\\");
        const std::wstring got = through.value_or(L"");
        EXPECT_TRUE(got == L"C:\\mapped\\Through A Letter" || got == L"M:\\Through A Letter")
            << testing::PrintToString(got);
        ::RemoveDirectoryW(L"C:\\mapped\\Through A Letter");
    }

    EXPECT_TRUE(files_.SameIgnoringCase(L"C:\\Данные\\Отчёт", L"c:\\данные\\ОТЧЁТ"));
    EXPECT_FALSE(files_.SameIgnoringCase(L"C:\\Data", L"C:\\Data2"));
}

} // namespace
} // namespace platform::win32
