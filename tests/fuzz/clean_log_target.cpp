// The clean log over arbitrary bytes: whatever the file holds, the log step neither
// crashes nor loses what it cannot read, and what it writes reads back as it meant.
#include <algorithm>

#include "engine/clean_log.h"
#include "engine/log_encoding.h"
#include "platform/fake/fake_services.h"
#include "tests/fuzz/fuzz_input.h"
#include "tests/fuzz/fuzz_targets.h"

// Texts here are code points, one per wchar_t, as on the host the fuzzers run on.
static_assert(sizeof(wchar_t) == 4, "the fuzz targets run where wchar_t holds code points");

namespace fuzz {

namespace {

const std::wstring kLog = L"C:\\Data\\logs.log";

// Row captions are file names and texts of the program: never a line break.
std::wstring OneLine(std::wstring text) {
    for (wchar_t& c : text)
        if (c == L'\r' || c == L'\n') c = L' ';
    return text;
}

bool IsPrefix(const std::vector<std::wstring>& part, const std::vector<std::wstring>& whole) {
    return part.size() <= whole.size() && std::equal(part.begin(), part.end(), whole.begin());
}

// Decoding, pruning and adding a run, then writing and reading back.
const char* Steps(const std::string& bytes, int keepDays, const std::vector<std::wstring>& rows,
                  platform::fake::FakeLocale& locale) {
    int pumps = 0;
    const std::function<void()> pump = [&pumps] { ++pumps; };
    engine::LogText log = engine::DecodeLog(bytes, locale);
    const std::vector<std::wstring> read = log.lines;
    engine::PruneLog(log.lines, keepDays, locale, pump);
    if (!IsPrefix(log.lines, read)) return "pruning changed lines instead of cutting the log";
    if (!read.empty() && log.lines.empty()) return "pruning took the newest run";
    const std::size_t kept = log.lines.size();
    const std::wstring date = locale.ShortDateText(locale.Today());
    engine::PrependRun(log.lines, date, rows, pump);
    if (log.lines.size() != kept + 2 + rows.size() || !log.lines[0].empty() || log.lines[1] != date)
        return "the run's block is not on top";
    // Every line reads back as it was written, but for what no encoding can hold: a
    // lone surrogate comes back as U+FFFD.
    engine::LogText again = engine::DecodeLog(engine::EncodeLog(log, locale), locale);
    std::vector<std::wstring> expected = log.lines;
    for (std::wstring& line : expected)
        for (wchar_t& c : line)
            if (c >= 0xD800 && c <= 0xDFFF) c = 0xFFFD;
    if (again.lines != expected) return "a written log does not read back as it was";
    return nullptr;
}

// The whole log step over the fake file system, with its failures.
const char* Step(const std::string& bytes, std::uint8_t faults, int keepDays,
                 const std::vector<std::wstring>& rows, platform::fake::FakeServices& fakes) {
    const bool present = (faults & 1) == 0;
    const bool unreadable = present && (faults & 2);
    const bool held = present && (faults & 4);
    if (present) fakes.files.SetContent(kLog, bytes);
    else fakes.files.AddDirectory(L"C:\\Data");
    if (unreadable) fakes.files.DenyReading(kLog);
    if (held) fakes.files.Lock(kLog);
    fakes.files.FailWrites = (faults & 8) != 0;
    const bool written = engine::AddRunToLog(fakes.files, fakes.locale, kLog, rows, keepDays, {});
    const bool canRead = !unreadable && !held;
    const bool canWrite = !held && (faults & 8) == 0;
    if (written != (canRead && canWrite)) return "the log step reported the wrong outcome";
    if (!written && present && fakes.files.Content(kLog) != bytes)
        return "a log that was not written changed";
    if (!written) return nullptr;
    const std::vector<std::wstring> lines =
        engine::DecodeLog(fakes.files.Content(kLog), fakes.locale).lines;
    if (lines.size() < 2 + rows.size() || !lines[0].empty()) return "the written log lost its run";
    return nullptr;
}

} // namespace

const char* CleanLog(const std::uint8_t* data, std::size_t size) {
    Input in(data, size);
    platform::fake::FakeServices fakes;
    const std::uint8_t faults = in.Byte();
    const int keepDays = static_cast<int>(in.Number());
    fakes.locale.Now = {static_cast<int>(in.Number()), 1 + in.Byte() % 12, 1 + in.Byte() % 28};
    std::vector<std::wstring> rows(in.Byte() % 4);
    for (std::wstring& row : rows) row = OneLine(in.Text(40));
    const std::string bytes = in.Rest();
    if (const char* broken = Steps(bytes, keepDays, rows, fakes.locale)) return broken;
    return Step(bytes, faults, keepDays, rows, fakes);
}

} // namespace fuzz
