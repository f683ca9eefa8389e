#include "engine/analysis_report.h"

#include "engine/size_text.h"
#include "engine/ui_lines.h"

namespace engine {

std::wstring AnalysisReport::Found(int items, std::uint64_t bytes) const {
    return std::to_wstring(items) + UiLine(text_, Ui::FilesOrFoldersAnd) +
           SizeText(locale_, bytes);
}

void AnalysisReport::Row(const std::wstring& label, const Accounting& since) {
    const int items = measured_.Items - since.Items;
    const std::uint64_t bytes = Bytes(measured_) - Bytes(since);
    rows_.AddResultRow(locale_.TimeOfDayText() + L" " + label + L": " + Found(items, bytes),
                       items > 0 ? picture::Status : picture::Warning);
}

void AnalysisReport::Close(bool stopped, forms::StatusBar& status) {
    const Ui row = stopped ? Ui::AnalysisStoppedRow : Ui::AnalysisFinishedRow;
    rows_.AddResultRow(locale_.TimeOfDayText() + UiLine(text_, row) +
                           Found(measured_.Items, Bytes(measured_)) +
                           UiLine(text_, Ui::CanBeFreed),
                       picture::Status);
    status.SetPanelText(0, UiLine(text_, stopped ? Ui::AnalysisStopped : Ui::AnalysisFinished));
    status.SetPanelText(1, UiLine(text_, Ui::Found) + L" " + std::to_wstring(measured_.Items));
    status.Refresh();
}

} // namespace engine
