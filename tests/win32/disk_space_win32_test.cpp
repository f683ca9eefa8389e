// The drives' free space, the recycle bins and the size texts, through the real calls.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

#include "engine/size_text.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/win32_platform.h"
#include "platform/win32/windows_api.h"

namespace platform::win32 {
namespace {

constexpr std::uint64_t kMB = std::uint64_t{1} << 20;

// Bytes that no file system stores in less room than they take (zeros might be packed),
// written through one handle and flushed, so the volume has given the room on return.
bool WriteFileOf(const std::wstring& path, std::uint64_t size) {
    UniqueKernelObject file(NullIfInvalid(::CreateFileW(
        path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr)));
    if (!file) return false;
    std::string chunk(kMB, '\0');
    std::uint32_t seed = 12345;
    for (char& c : chunk) {
        seed = seed * 1103515245u + 12345u;
        c = static_cast<char>(seed >> 24);
    }
    for (std::uint64_t done = 0; done < size; done += chunk.size()) {
        DWORD written = 0;
        if (!::WriteFile(file.Get(), chunk.data(), static_cast<DWORD>(chunk.size()), &written,
                         nullptr) ||
            written != chunk.size())
            return false;
    }
    return ::FlushFileBuffers(file.Get()) != FALSE;
}

std::wstring ScratchFile(const std::wstring& name) {
    return Win32FileSystem().TempFolder() + L"tidyhawk-" + name + L"-" +
           std::to_wstring(::GetCurrentProcessId()) + L".bin";
}

std::int64_t Signed(std::uint64_t n) {
    return static_cast<std::int64_t>(n);
}

TEST(DiskSpaceWin32Test, FreeSpaceFollowsAFileWrittenAndRemoved) {
    Win32DiskSpace space;
    const std::wstring file = ScratchFile(L"free-space");
    constexpr std::uint64_t kSize = 64 * kMB;
    const std::optional<std::uint64_t> before = space.FreeBytes(L"C:\\");
    ASSERT_TRUE(before);
    ASSERT_GT(*before, 2 * kSize);
    ASSERT_TRUE(WriteFileOf(file, kSize));
    const std::optional<std::uint64_t> written = space.FreeBytes(file); // a file on the drive
    ::DeleteFileW(file.c_str());
    const std::optional<std::uint64_t> after = space.FreeBytes(L"C:\\");
    ASSERT_TRUE(written);
    ASSERT_TRUE(after);
    // Clusters round the file up, and other programs write to the same volume meanwhile:
    // the figures get a few megabytes either way.
    const std::int64_t slack = Signed(8 * kMB);
    EXPECT_NEAR(Signed(*before) - Signed(*written), Signed(kSize), slack);
    EXPECT_NEAR(Signed(*after), Signed(*before), slack);
    EXPECT_FALSE(space.FreeBytes(L"Q:\\No drive here\\")) << "a drive that is not there";
}

TEST(DiskSpaceWin32Test, RecycleBinsCountAnItemMovedThere) {
    Win32DiskSpace space;
    const std::optional<RecycleBinContents> before = space.RecycleBins();
    ASSERT_TRUE(before);
    const std::wstring file = ScratchFile(L"recycled");
    constexpr std::uint64_t kSize = 3 * kMB;
    ASSERT_TRUE(WriteFileOf(file, kSize));
    ASSERT_EQ(Win32Shell().DeleteWithShell(file, true), 0);
    const std::optional<RecycleBinContents> after = space.RecycleBins();
    ASSERT_TRUE(after);
    EXPECT_EQ(after->items, before->items + 1);
    EXPECT_EQ(after->bytes, before->bytes + kSize);
}

TEST(ByteTextWin32Test, SizesReadAsExplorerShowsThemInEnglish) {
    Win32Locale locale;
    EXPECT_EQ(locale.ShortByteSize(512), L"512 bytes");
    EXPECT_EQ(locale.ShortByteSize(1536), L"1.50 KB");
    EXPECT_EQ(locale.ShortByteSize(1278945280), L"1.19 GB");
    EXPECT_EQ(locale.WholeNumber(0), L"0");
    EXPECT_EQ(locale.WholeNumber(1023), L"1,023");
    EXPECT_EQ(locale.WholeNumber(UINT64_MAX), L"18,446,744,073,709,551,615");
    EXPECT_EQ(engine::SizeText(locale, 1278945280), L"1.19 GB (1,278,945,280 bytes)");
}

} // namespace
} // namespace platform::win32
