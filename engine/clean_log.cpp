#include "engine/clean_log.h"

#include "engine/log_encoding.h"

namespace engine {

namespace {

// A message pump per line would cost more than the line's own work on a long log;
// one every so many lines keeps the window painted all the same.
constexpr std::size_t kLinesPerPump = 100;

// Where a log too large to read goes, in the log's own folder, and the line the run's
// block then carries.
constexpr const wchar_t* kOldLogName = L"logs.old.log";
constexpr const wchar_t* kMovedAsideLine =
    L"The log had grown too large to read and was moved aside to logs.old.log";

class Pacer {
public:
    explicit Pacer(const std::function<void()>& pump) : pump_(pump) {}
    void Step() {
        if (pump_ && ++steps_ % kLinesPerPump == 0) pump_();
    }

private:
    const std::function<void()>& pump_;
    std::size_t steps_ = 0;
};

// Days since 1 March of year 0 in the proleptic Gregorian calendar; only differences
// matter. Wide enough for any int year.
std::int64_t DayNumber(const platform::Date& d) {
    const std::int64_t y = static_cast<std::int64_t>(d.year) - (d.month <= 2 ? 1 : 0);
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yearOfEra = y - era * 400;
    const std::int64_t m = d.month > 2 ? d.month - 3 : d.month + 9;
    const std::int64_t dayOfYear = (153 * m + 2) / 5 + d.day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra;
}

std::wstring OldLogPath(const std::wstring& path) {
    const std::size_t slash = path.rfind(L'\\');
    return (slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1)) + kOldLogName;
}

bool TooLargeToRead(platform::FileSystem& files, const std::wstring& path) {
    const std::optional<std::uint64_t> size = files.FileSize(path);
    return size && *size > platform::kMaxReadBytes;
}

} // namespace

std::int64_t DaysApart(const platform::Date& a, const platform::Date& b) {
    const std::int64_t days = DayNumber(a) - DayNumber(b);
    return days < 0 ? -days : days;
}

void PruneLog(std::vector<std::wstring>& lines, int keepDays, platform::Locale& locale,
              const std::function<void()>& pump) {
    if (lines.size() < 3) return; // nothing below the first line's block to examine
    const platform::Date today = locale.Today();
    Pacer pacer(pump);
    for (std::size_t i = lines.size() - 2; i > 0; --i) {
        pacer.Step();
        // A cut below makes lines shorter than i + 2 for the next few steps.
        if (i + 1 >= lines.size() || !lines[i].empty() || lines[i + 1].empty()) continue;
        const std::optional<platform::Date> date = locale.ParseShortDate(lines[i + 1]);
        if (!date) return; // not a date after all: leave the rest as it is
        if (DaysApart(*date, today) > keepDays) lines.resize(i);
    }
}

void PrependRun(std::vector<std::wstring>& lines, const std::wstring& date,
                const std::vector<std::wstring>& rows, const std::function<void()>& pump) {
    std::vector<std::wstring> joined;
    joined.reserve(2 + rows.size() + lines.size());
    joined.emplace_back();
    joined.push_back(date);
    Pacer pacer(pump);
    for (const std::wstring& row : rows) {
        joined.push_back(row);
        pacer.Step();
    }
    for (std::wstring& line : lines) joined.push_back(std::move(line));
    lines = std::move(joined);
}

bool AddRunToLog(platform::FileSystem& files, platform::Locale& locale, const std::wstring& path,
                 const std::vector<std::wstring>& rows, int keepDays,
                 const std::function<void()>& pump) {
    // A log the program starts is UTF-8, which holds any name a row may show.
    LogText log{LogEncoding::Utf8, {}};
    bool movedAside = false;
    if (files.FileExists(path)) {
        if (TooLargeToRead(files, path)) {
            // It would never be read again; kept aside whole, and a new log begins.
            if (!files.MoveReplacing(path, OldLogPath(path))) return false;
            movedAside = true;
        } else {
            std::string bytes;
            // Writing over a log that could not be read would throw its history away.
            if (!files.ReadBytes(path, bytes)) return false;
            log = DecodeLog(bytes, locale);
        }
    }
    PruneLog(log.lines, keepDays, locale, pump);
    PrependRun(log.lines, locale.ShortDateText(locale.Today()), rows, pump);
    // A new log holds this run's block alone: its last line is the block's last.
    if (movedAside) log.lines.push_back(locale.TimeOfDayText() + L" " + kMovedAsideLine);
    return files.ReplaceWithBytes(path, EncodeLog(log, locale));
}

} // namespace engine
