#include <gtest/gtest.h>

#include "platform/paths.h"

namespace {

using platform::IsDriveRoot;
using platform::NormalizePath;

// Every spelling a path from the registry, a list or the command line may take, and
// what the program makes of it: the canonical text, or a refusal (empty expectation).
TEST(NormalizePathTest, CanonicalFormOrRefusal) {
    struct Case {
        std::wstring in;
        std::wstring out; // empty: refused
    };
    const Case cases[] = {
        {L"C:\\Temp", L"C:\\Temp"},
        {L"C:\\Temp\\", L"C:\\Temp"},
        {L"C:/Data/./", L"C:\\Data"},
        {L"C:\\\\Data\\\\sub", L"C:\\Data\\sub"},
        {L"C:\\x\\..", L"C:\\"},
        {L"C:\\..\\..", L"C:\\"},
        {L"C:\\.", L"C:\\"},
        {L"C:\\\\", L"C:\\"},
        {L"\\\\?\\C:\\", L"C:\\"},
        {L"\\\\?\\C:\\Long\\..\\Temp", L"C:\\Temp"},
        {L"\\\\?\\UNC\\server\\share\\a", L"\\\\server\\share\\a"},
        {L"\\\\server\\share\\a\\..\\..", L"\\\\server\\share"},
        {L"\\\\.\\C:\\", L""},
        {L"\\\\?\\GLOBALROOT\\Device\\HarddiskVolume1", L""},
        {L"\\\\?\\Volume{1b3b1146-4076-11e1-84aa-806e6f6e6963}\\", L""},
        {L"\\\\server", L""},
        {L"", L""},
        {L"Temp", L""},
        {L"..\\Temp", L""},
        {L"\\Temp", L""},
        {L"C:Temp", L""},
        {L"C:", L""},
        {std::wstring(L"C:\\Docs\\thesis.docx\0x", 22), L""},
        {L"C:\\Temp\\*.*", L""},
        {L"C:\\Temp\\a?b", L""},
        {L"C:\\Docs\\file.txt:secret", L""},
        {L"C:\\Temp\\CON", L""},
        {L"C:\\Temp\\nul.txt", L""},
        {L"C:\\Temp\\lpt1", L""},
        {L"C:\\Windows.", L""},
        {L"C:\\Windows \\System32", L""},
        {L"C:\\Temp\\...", L""},
        {L"C:\\Temp\\console", L"C:\\Temp\\console"},
        {L"C:\\Program Files (x86)\\A.B", L"C:\\Program Files (x86)\\A.B"},
    };
    for (const Case& c : cases) {
        const std::optional<std::wstring> got = NormalizePath(c.in);
        if (c.out.empty()) {
            EXPECT_FALSE(got) << "accepted: " << testing::PrintToString(c.in);
        } else {
            ASSERT_TRUE(got) << "refused: " << testing::PrintToString(c.in);
            EXPECT_EQ(c.out, *got) << testing::PrintToString(c.in);
            EXPECT_EQ(*got, NormalizePath(*got).value_or(L"")) << "not stable";
        }
    }
    // Where a path only names what it covers, such names are kept as written.
    EXPECT_EQ(NormalizePath(L"d:/.\\Scan\\sub\\..\\dot.", platform::NameEnds::Keep), L"d:\\Scan\\dot.");
    EXPECT_EQ(NormalizePath(L"C:\\Windows. ", platform::NameEnds::Keep), L"C:\\Windows. ");
    EXPECT_FALSE(NormalizePath(L"C:\\a\\..\\..\\x:y", platform::NameEnds::Keep));
}

TEST(NormalizePathTest, DriveRootsInEverySpellingAreRoots) {
    for (const wchar_t* root : {L"C:\\.", L"C:\\\\", L"\\\\?\\C:\\", L"C:\\x\\..", L"c:/",
                                L"\\\\server\\share\\"}) {
        const std::optional<std::wstring> n = NormalizePath(root);
        ASSERT_TRUE(n) << testing::PrintToString(std::wstring(root));
        EXPECT_TRUE(IsDriveRoot(*n)) << testing::PrintToString(*n);
    }
    for (const wchar_t* folder : {L"C:\\Temp", L"\\\\server\\share\\a"})
        EXPECT_FALSE(IsDriveRoot(*NormalizePath(folder)));
}

} // namespace
