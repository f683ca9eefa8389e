#pragma once
#include <string>
#include <vector>

#include "engine/accounting.h"
#include "engine/rows.h"
#include "forms/status_bar.h"
#include "platform/locale.h"

namespace engine {

// The rows of an analysis: one per category or target that ran, saying how many items
// it would delete and how much they hold, and a closing row with the whole of it.
class AnalysisReport {
public:
    AnalysisReport(ResultRows& rows, platform::Locale& locale,
                   const std::vector<std::wstring>& text, const Accounting& measured)
        : rows_(rows), locale_(locale), text_(text), measured_(measured) {}

    // What has been found so far; a later Row counts from here.
    Accounting Mark() const { return measured_; }
    // "time label: N files or folders, size" for what was found since `since`.
    void Row(const std::wstring& label, const Accounting& since);
    // "time Analysis finished: N files or folders, size can be freed." (or stopped),
    // and the same on the status bar.
    void Close(bool stopped, forms::StatusBar& status);

    static std::uint64_t Bytes(const Accounting& a) { return a.PermanentBytes + a.RecycledBytes; }

private:
    std::wstring Found(int items, std::uint64_t bytes) const;

    ResultRows& rows_;
    platform::Locale& locale_;
    const std::vector<std::wstring>& text_;
    const Accounting& measured_;
};

} // namespace engine
