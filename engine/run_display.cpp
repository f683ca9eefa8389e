#include "engine/run_display.h"

#include <algorithm>

namespace engine {

const std::wstring& RunDisplay::Text(int n) const {
    static const std::wstring empty;
    return n >= 0 && n < static_cast<int>(view_.text.size()) ? view_.text[static_cast<size_t>(n)]
                                                             : empty;
}

void RunDisplay::SetStatus(const std::wstring& text) {
    view_.status.SetPanelText(0, text);
}

void RunDisplay::ShowDeletedCount(int count, const std::wstring& separator) {
    view_.status.SetPanelText(1, Text(18) + separator + std::to_wstring(count));
}

void RunDisplay::StepProgress() {
    forms::ProgressBar& bar = view_.progress;
    int next = bar.Position() + 1;
    bar.SetPosition(next >= bar.Max() ? 0 : next);
}

void RunDisplay::AdvanceProgress(int by) {
    forms::ProgressBar& bar = view_.progress;
    bar.SetPosition(std::min(bar.Max(), bar.Position() + by));
}

} // namespace engine
