#pragma once
#include <cstddef>
#include <cstdint>

// The fuzz targets as plain functions: each takes one input, runs it and returns
// null when every promise held, or which promise broke. A crash, a hang or a runaway
// allocation shows by itself. The libFuzzer drivers abort on a broken promise; the
// unit tests replay the inputs kept in tests/fuzz/regressions through the same calls.
namespace fuzz {

// Arbitrary values in the settings key, then the program started headless (which
// loads them) and a second load.
const char* SettingsLoad(const std::uint8_t* data, std::size_t size);
// Arbitrary bytes as the clean log, arbitrary keep-days and dates, and failures to
// read or write: decoding, pruning, adding a run and writing back.
const char* CleanLog(const std::uint8_t* data, std::size_t size);
// The search-path scan's rules over arbitrary names, options and lists, against rules
// written apart from the program's.
const char* ScanRulesMatch(const std::uint8_t* data, std::size_t size);
// Path text built from the pieces that make paths tricky: its normal form is sound and
// stable, and the protected-folder test never lets through a root, a protected folder
// or a folder above one, in any spelling.
const char* PathChecks(const std::uint8_t* data, std::size_t size);

} // namespace fuzz
