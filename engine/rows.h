#pragma once
#include <string>
#include <vector>

#include "forms/list_view.h"
#include "platform/locale.h"

namespace engine {

// Pictures of the results list's image list, by position.
namespace picture {
enum : int { Information, Status, DeletedFolder, DeletedFile, Warning };
} // namespace picture

// The main window's list, which shows the settings summary between runs and a run's
// results during and after it, with the helpers that add its rows.
class ResultRows {
public:
    ResultRows(forms::ListView& list, platform::Locale& locale) : list_(list), locale_(locale) {}

    forms::ListView& List() { return list_; }

    // A row with a picture, scrolled into view.
    void AddResultRow(const std::wstring& caption, int image);
    // "time word subject", the form of every status row of a run; none while Muted.
    void AddStampedRow(const std::wstring& word, const std::wstring& subject, int image);
    // The same, shown even while Muted: a target refused as protected or unsound.
    void AddNotice(const std::wstring& word, const std::wstring& subject, int image);
    platform::Locale& Locale() { return locale_; }
    // A plain row with picture 0, not scrolled: the summary's rows.
    void AddTextRow(const std::wstring& caption);

    // Raised while an analysis runs: the categories' own status rows ("Clean ...",
    // "Finished ...") would tell of deletions that do not happen.
    bool Muted = false;
    // The list shows the settings summary (false once a run has cleared it).
    bool SummaryShown = false;
    // The other-file-types and full-file-names texts as the summary last showed them.
    std::wstring FileTypesText;
    std::wstring FileNamesText;

private:
    forms::ListView& list_;
    platform::Locale& locale_;
};

} // namespace engine
