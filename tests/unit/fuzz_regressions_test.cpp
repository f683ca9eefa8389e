// Replays the inputs the fuzzers found (tests/fuzz/regressions/<target>/) through the
// fuzz targets, so a fault they found stays mended without a fuzzing run.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <gtest/gtest.h>

#include "tests/fuzz/fuzz_targets.h"

namespace {

using Target = const char* (*)(const std::uint8_t*, std::size_t);

// Runs every kept input of one target, and an empty one; returns how many ran.
int Replay(const char* folder, Target target) {
    const std::string empty;
    EXPECT_EQ(target(reinterpret_cast<const std::uint8_t*>(empty.data()), 0), nullptr);
    int count = 0;
    const std::filesystem::path dir = std::filesystem::path(TIDY_FUZZ_REGRESSIONS) / folder;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        if (!entry.is_regular_file() || entry.path().filename().string()[0] == '.') continue;
        std::ifstream file(entry.path(), std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        const char* broken = target(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
        EXPECT_EQ(broken, nullptr) << entry.path().filename() << ": " << (broken ? broken : "");
        ++count;
    }
    return count;
}

TEST(FuzzRegressionsTest, SettingsLoad) { Replay("settings_load", fuzz::SettingsLoad); }
TEST(FuzzRegressionsTest, CleanLog) { Replay("clean_log", fuzz::CleanLog); }
TEST(FuzzRegressionsTest, ScanRules) { Replay("scan_rules", fuzz::ScanRulesMatch); }
TEST(FuzzRegressionsTest, Paths) { Replay("paths", fuzz::PathChecks); }

} // namespace
