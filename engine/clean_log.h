#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/locale.h"

namespace engine {

// The clean log: runs as blocks of lines, the newest first. A block is an empty line,
// the date of the run in the user's short date format, then the captions of the run's
// result rows.

// Whole days between two dates, never negative.
std::int64_t DaysApart(const platform::Date& a, const platform::Date& b);

// Removes old runs. From the second last line up to (not including) the first, every
// line that is empty and followed by a non-empty one starts a block whose second line
// is its date; a block more than keepDays days away from today goes with every line
// below it. The first block is never examined, so the newest run already logged always
// stays. A date that does not parse ends the pruning where it stands.
void PruneLog(std::vector<std::wstring>& lines, int keepDays, platform::Locale& locale,
              const std::function<void()>& pump);

// Puts a run's block on top of the log.
void PrependRun(std::vector<std::wstring>& lines, const std::wstring& date,
                const std::vector<std::wstring>& rows, const std::function<void()>& pump);

// The whole log step for one run: reads the log (a new one when there is none), prunes
// it, adds the run and writes it back in its own encoding where that loses nothing. A
// log larger than the program reads is moved aside to logs.old.log in its folder (over
// an older one) and a new log begins, the run's block saying so in its last line. A log
// that cannot be read otherwise, or cannot be moved aside, is left alone. False when the
// file was not written. `pump` lets the window repaint during long work.
bool AddRunToLog(platform::FileSystem& files, platform::Locale& locale, const std::wstring& path,
                 const std::vector<std::wstring>& rows, int keepDays,
                 const std::function<void()>& pump);

} // namespace engine
