#pragma once
#include <string>
#include <vector>

#include "engine/rows.h"
#include "forms/application.h"
#include "forms/controls.h"
#include "forms/status_bar.h"

namespace engine {

// What a run reports through: the main window's status bar, progress bar and list, the
// one message pump, and the UI text lines.
struct RunView {
    forms::Application& app;
    forms::StatusBar& status;
    forms::ProgressBar& progress;
    ResultRows& rows;
    const std::vector<std::wstring>& text;
};

// The run's view as the walkers and actions use it.
class RunDisplay {
public:
    explicit RunDisplay(RunView view) : view_(view) {}

    const std::wstring& Text(int n) const;
    ResultRows& Rows() { return view_.rows; }
    void SetStatus(const std::wstring& text);
    void ShowDeletedCount(int count, const std::wstring& separator = L" ");
    // One step of the bar per file, back to 0 at the maximum.
    void StepProgress();
    // A category's step of 10; the bar holds at its maximum.
    void AdvanceProgress(int by);
    // The pump of the walks, once per item.
    void Pump() { view_.app.ProcessMessagesWhenDue(); }

private:
    RunView view_;
};

} // namespace engine
