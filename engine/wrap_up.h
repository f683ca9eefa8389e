#pragma once
#include <string>

#include "engine/primitives.h"
#include "engine/run_state.h"
#include "platform/platform.h"
#include "settings/options.h"

namespace engine {

// The end of every clean run, finished or stopped: the summary row and status, the
// results box or the recycle-bin question (neither in an unattended run), emptying the
// bins, the clean log, the end sound, the saved total and what stayed of the refused
// items. The log lives at the options' log file.
class WrapUp {
public:
    WrapUp(RunView view, RunState& state, const settings::Options& options,
           platform::Services& services);

    // True when the main window should close now (an unattended run, or a finished run
    // with option Autoclose on); otherwise the caller returns the window to idle.
    bool Run();

private:
    void AddSummaryRow();
    void ShowStatus();
    // The results box or the question; true when the user asked to empty the bins.
    bool AskOrInform();
    void EmptyRecycleBins();
    void WriteLog();
    void PlayEndSound();
    void SaveTotalDeleted();
    void CountWhatStayed();
    const std::wstring& Text(int n) const;
    bool Stopped() const { return state_.StopRequested; }

    RunView view_;
    RunState& state_;
    const settings::Options& options_;
    platform::Services& services_;
};

} // namespace engine
