#include <chrono>

#include <gtest/gtest.h>

#include "engine/clean_log.h"
#include "engine/log_encoding.h"
#include "platform/fake/fake_services.h"

namespace {

using Lines = std::vector<std::wstring>;
using platform::fake::FakeFileSystem;
using platform::fake::FakeLocale;

const std::string kBom = "\xEF\xBB\xBF";

// UTF-16 units as file bytes, written out here independently of the program's encoder.
std::string Utf16Bytes(const std::u16string& units, bool bigEndian) {
    std::string out;
    for (char16_t u : units) {
        const char high = static_cast<char>(u >> 8), low = static_cast<char>(u & 0xFF);
        out += bigEndian ? high : low;
        out += bigEndian ? low : high;
    }
    return out;
}

// Today is 12/9/2026 in the fake locale (M/d/yyyy).
class CleanLogTest : public ::testing::Test {
protected:
    static constexpr const wchar_t* kLog = L"C:\\Data\\logs.log";
    CleanLogTest() { files.AddDirectory(L"C:\\Data"); }

    Lines Pruned(Lines lines, int keepDays = 10) {
        engine::PruneLog(lines, keepDays, locale, nullptr);
        return lines;
    }
    bool Add(const Lines& rows, int keepDays = 10) {
        return engine::AddRunToLog(files, locale, kLog, rows, keepDays, nullptr);
    }

    FakeFileSystem files;
    FakeLocale locale;
};

// --- Pruning --------------------------------------------------------------------------

TEST_F(CleanLogTest, ABlockElevenDaysOldGoesAndOneTenDaysOldStays) {
    const Lines log{L"",  L"12/8/2026",  L"a", L"", L"11/29/2026",
                    L"b", L"",           L"11/28/2026", L"c"};
    EXPECT_EQ(Pruned(log), (Lines{L"", L"12/8/2026", L"a", L"", L"11/29/2026", L"b"}));
    EXPECT_EQ(Pruned(log, 11), log);
}

TEST_F(CleanLogTest, TheNewestBlockStaysHoweverOld) {
    const Lines log{L"", L"12/9/2025", L"a year ago"};
    EXPECT_EQ(Pruned(log), log);
    files.SetContent(kLog, "\r\n12/9/2025\r\na year ago\r\n");
    ASSERT_TRUE(Add({L"now"}));
    EXPECT_EQ(files.Content(kLog), "\r\n12/9/2026\r\nnow\r\n\r\n12/9/2025\r\na year ago\r\n");
}

TEST_F(CleanLogTest, TheFirstOldBlockFromTheBottomTakesEverythingBelowIt) {
    // The clock was set back: a newer run sits below an old one.
    const Lines log{L"", L"12/7/2026", L"a", L"", L"10/30/2026", L"b", L"", L"12/8/2026", L"c"};
    EXPECT_EQ(Pruned(log), (Lines{L"", L"12/7/2026", L"a"}));
    // A date ahead of today counts its distance the same way.
    EXPECT_EQ(Pruned({L"", L"12/8/2026", L"a", L"", L"12/30/2026", L"b"}),
              (Lines{L"", L"12/8/2026", L"a"}));
}

TEST_F(CleanLogTest, ADateThatDoesNotParseEndsThePruningButTheRunIsStillAdded) {
    const Lines log{L"", L"12/8/2026", L"a", L"", L"1/1/2020", L"b", L"", L"31.12.2025", L"c"};
    EXPECT_EQ(Pruned(log), log) << "the bottom block is met first and stops it";
    EXPECT_EQ(Pruned({L"", L"12/8/2026", L"a", L"", L"2/30/2026", L"b"}).size(), 6u);
    files.SetContent(kLog, "\r\n12/8/2026\r\na\r\n\r\n1/1/2020\r\nb\r\n\r\n31.12.2025\r\nc\r\n");
    ASSERT_TRUE(Add({L"new"}));
    EXPECT_EQ(files.Content(kLog), "\r\n12/9/2026\r\nnew\r\n\r\n12/8/2026\r\na\r\n\r\n1/1/2020\r\n"
                                   "b\r\n\r\n31.12.2025\r\nc\r\n");
}

TEST_F(CleanLogTest, OddLogsArePrunedSafely) {
    // Two empty lines before an old date: the cut leaves a line the next step must skip.
    EXPECT_EQ(Pruned({L"", L"12/8/2026", L"a", L"", L"", L"1/1/2020", L"b"}),
              (Lines{L"", L"12/8/2026", L"a", L""}));
    EXPECT_EQ(Pruned({}), Lines{});
    EXPECT_EQ(Pruned({L""}), Lines{L""});
    EXPECT_EQ(Pruned({L"", L"1/1/2000"}), (Lines{L"", L"1/1/2000"}));
    EXPECT_EQ(Pruned({L"x", L"", L"1/1/2000"}), (Lines{L"x"}));
}

TEST_F(CleanLogTest, AHugeLogIsPrunedInOnePass) {
    Lines log;
    for (int i = 0; i < 200000; ++i) log.insert(log.end(), {L"", L"1/1/2001", L"row"});
    int pumps = 0;
    const auto started = std::chrono::steady_clock::now();
    engine::PruneLog(log, 10, locale, [&] { ++pumps; });
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5));
    EXPECT_EQ(log, (Lines{L"", L"1/1/2001", L"row"}));
    EXPECT_GT(pumps, 0) << "the window gets to repaint during a long pruning";
}

TEST_F(CleanLogTest, DaysApartCountsWholeCalendarDays) {
    EXPECT_EQ(engine::DaysApart({2024, 2, 28}, {2024, 3, 1}), 2);
    EXPECT_EQ(engine::DaysApart({2023, 2, 28}, {2023, 3, 1}), 1);
    EXPECT_EQ(engine::DaysApart({2026, 1, 1}, {2025, 12, 31}), 1);
    EXPECT_EQ(engine::DaysApart({2025, 12, 9}, {2026, 12, 9}), 365);
    EXPECT_EQ(engine::DaysApart({2000, 1, 1}, {1900, 1, 1}), 36524);
}

// --- Encodings and line ends ----------------------------------------------------------

TEST_F(CleanLogTest, ANewLogIsUtf8WithAMarkAndEveryLineEndsInCrLf) {
    ASSERT_TRUE(Add({L"18:00:05 Clean finished: 2", L"C:\\r\u00E9sum\u00E9 \u0416\U0001F600"}));
    EXPECT_EQ(files.Content(kLog), kBom + "\r\n12/9/2026\r\n18:00:05 Clean finished: 2\r\n" +
                                       u8"C:\\r\u00E9sum\u00E9 \u0416\U0001F600\r\n");
}

TEST_F(CleanLogTest, AnAnsiLogStaysAnsi) {
    const std::string old = "\r\n12/1/2026\r\n10:00:00 Caf\xE9 \x80 \x81\x9F\r\n";
    files.SetContent(kLog, old);
    ASSERT_TRUE(Add({L"C:\\r\u00E9sum\u00E9 \u20AC"}));
    EXPECT_EQ(files.Content(kLog), "\r\n12/9/2026\r\nC:\\r\xE9sum\xE9 \x80\r\n" + old);
}

TEST_F(CleanLogTest, AnAnsiLogGainingOtherCharactersBecomesUtf8) {
    files.SetContent(kLog, "\r\n12/1/2026\r\nCaf\xE9 \x80\r\n");
    ASSERT_TRUE(Add({L"\u0416"}));
    const std::string utf8 = kBom + u8"\r\n12/9/2026\r\n\u0416\r\n\r\n12/1/2026\r\nCaf\u00E9 \u20AC\r\n";
    EXPECT_EQ(files.Content(kLog), utf8);
    locale.Now = {2026, 12, 10};
    ASSERT_TRUE(Add({L"plain"}));
    EXPECT_EQ(files.Content(kLog), kBom + "\r\n12/10/2026\r\nplain\r\n" + utf8.substr(3));
}

TEST_F(CleanLogTest, Utf8AndUtf16LogsKeepTheirEncoding) {
    const std::string old8 = kBom + u8"\r\n12/1/2026\r\nold \u0416 \U0001F600\r\n";
    files.SetContent(kLog, old8);
    ASSERT_TRUE(Add({L"new \U0001F600"}));
    EXPECT_EQ(files.Content(kLog), kBom + u8"\r\n12/9/2026\r\nnew \U0001F600\r\n" + old8.substr(3));
    for (bool bigEndian : {false, true}) {
        files.SetContent(kLog, Utf16Bytes(u"\uFEFF\r\n12/1/2026\r\nold \u0416 \U0001F600\r\n",
                                          bigEndian));
        ASSERT_TRUE(Add({L"new \U0001F600"}));
        EXPECT_EQ(files.Content(kLog),
                  Utf16Bytes(u"\uFEFF\r\n12/9/2026\r\nnew \U0001F600\r\n\r\n12/1/2026\r\n"
                             u"old \u0416 \U0001F600\r\n",
                             bigEndian))
            << (bigEndian ? "big endian" : "little endian");
    }
}

TEST_F(CleanLogTest, LinesMayEndInLfOrCrOrNothingWhenRead) {
    files.SetContent(kLog, "\n12/1/2026\nold a\rold b\r\n\r\nold c");
    ASSERT_TRUE(Add({L"new"}));
    EXPECT_EQ(files.Content(kLog),
              "\r\n12/9/2026\r\nnew\r\n\r\n12/1/2026\r\nold a\r\nold b\r\n\r\nold c\r\n");
}

TEST_F(CleanLogTest, BrokenBytesReadAsReplacementCharacters) {
    platform::fake::FakeLocale l;
    EXPECT_EQ(engine::DecodeLog(kBom + "a\xC3\xFF\xE2\x82z\xC0\xAF" + "b", l).lines,
              (Lines{L"a\uFFFD\uFFFD\uFFFD\uFFFDz\uFFFD\uFFFDb"}));
    // A lone surrogate and an odd last byte.
    EXPECT_EQ(engine::DecodeLog(Utf16Bytes(u"\uFEFFa", false) + std::string("\x00\xD8x", 3), l).lines,
              (Lines{L"a\uFFFD\uFFFD"}));
    EXPECT_EQ(engine::DecodeLog("", l).lines, Lines{});
}

// --- Files that cannot be read or written ---------------------------------------------

TEST_F(CleanLogTest, ALogThatCannotBeReadIsNeverOverwritten) {
    files.SetContent(kLog, "\r\n12/1/2026\r\nhistory\r\n");
    files.DenyReading(kLog);
    EXPECT_FALSE(Add({L"new"}));
    EXPECT_EQ(files.Content(kLog), "\r\n12/1/2026\r\nhistory\r\n");
}

TEST_F(CleanLogTest, ALogTooLargeToReadIsMovedAsideOverAnOlderOneAndANewOneBegins) {
    const std::wstring old = L"C:\\Data\\logs.old.log";
    for (std::uint64_t size : {platform::kMaxReadBytes, platform::kMaxReadBytes + 1}) {
        SCOPED_TRACE(size);
        const bool tooLarge = size > platform::kMaxReadBytes;
        files.SetContent(old, "older");
        files.AddFile(kLog, size); // the size alone, no content
        ASSERT_TRUE(Add({L"18:00:05 Clean finished: 2"}));
        const std::string block = "\r\n12/9/2026\r\n18:00:05 Clean finished: 2\r\n";
        if (tooLarge) {
            EXPECT_EQ(files.FileSize(old), size);
            EXPECT_EQ(files.Content(kLog),
                      kBom + block +
                          "10:20:30 The log had grown too large to read and was moved aside to "
                          "logs.old.log\r\n");
        } else {
            EXPECT_EQ(files.Content(old), "older");
            EXPECT_EQ(files.Content(kLog), block) << "read as the empty file it holds";
        }
    }
}

TEST_F(CleanLogTest, AFailedWriteLeavesTheOldLogWhole) {
    files.SetContent(kLog, "\r\n12/1/2026\r\nhistory\r\n");
    files.FailWrites = true;
    EXPECT_FALSE(Add({L"new"}));
    EXPECT_EQ(files.Content(kLog), "\r\n12/1/2026\r\nhistory\r\n");
    files.FailWrites = false;
    files.SetAttributes(kLog, platform::attr::ReadOnly);
    EXPECT_FALSE(Add({L"new"}));
    EXPECT_EQ(files.Content(kLog), "\r\n12/1/2026\r\nhistory\r\n");
}

// --- The doubles the log relies on ----------------------------------------------------

TEST(LogDoublesTest, FileContentIsReadAndReplacedWholeOrNotAtAll) {
    FakeFileSystem files;
    std::string bytes = "stale";
    EXPECT_FALSE(files.ReadBytes(L"C:\\missing.txt", bytes));
    EXPECT_TRUE(bytes.empty());
    EXPECT_FALSE(files.ReplaceWithBytes(L"C:\\No\\Such\\Folder\\a.txt", "x"));
    ASSERT_TRUE(files.ReplaceWithBytes(L"C:\\a.txt", std::string("1\0" "2", 3)));
    ASSERT_TRUE(files.ReadBytes(L"c:\\A.TXT", bytes));
    EXPECT_EQ(bytes, std::string("1\0" "2", 3));
    files.Lock(L"C:\\a.txt");
    EXPECT_FALSE(files.ReadBytes(L"C:\\a.txt", bytes));
    EXPECT_FALSE(files.ReplaceWithBytes(L"C:\\a.txt", "new"));
    EXPECT_EQ(files.Content(L"C:\\a.txt"), std::string("1\0" "2", 3));
    files.AddDirectory(L"C:\\Folder");
    EXPECT_FALSE(files.ReplaceWithBytes(L"C:\\Folder", "x"));
    EXPECT_FALSE(files.ReadBytes(L"C:\\Folder", bytes));
}

TEST(LogDoublesTest, TheAnsiCodePageIsWindows1252) {
    FakeLocale locale;
    std::string all;
    for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
    const std::wstring text = locale.FromAnsi(all);
    EXPECT_EQ(text.substr(0x7E, 3), L"\u007F\u20AC\u0081");
    EXPECT_EQ(text.substr(0x9E, 3), L"\u0178\u00A0\u00A1");
    std::string back;
    EXPECT_TRUE(locale.ToAnsi(text, back));
    EXPECT_EQ(back, all) << "every byte comes back unchanged";
    EXPECT_FALSE(locale.ToAnsi(L"a\u0416", back));
    EXPECT_FALSE(locale.ToAnsi(L"\U0001F600", back));
    EXPECT_TRUE(locale.ToAnsi(L"\u0152\u2122", back));
    EXPECT_EQ(back, "\x8C\x99");
}

} // namespace
