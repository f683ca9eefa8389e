#pragma once
#include <string>
#include <vector>

#include "engine/application_caches.h"
#include "engine/primitives.h"
#include "engine/run_state.h"
#include "engine/user_targets.h"
#include "engine/wrap_up.h"
#include "engine/windows_locations.h"
#include "forms/menu.h"
#include "forms/timer.h"

namespace engine {

// The parts of the main window a run drives.
struct RunControls {
    forms::Application& app;
    forms::Timer& runTimer;    // Timer6
    forms::Timer& clockTimer;  // Timer2
    forms::Timer& searchTimer; // Timer9
    forms::SpeedButton& cleanButton;
    forms::Image& cleanGlyph;
    forms::Image& stopGlyph;
    forms::MenuItem& onlyIcons;
    forms::PopupMenu& resultsMenu;
    forms::StatusBar& status;
    forms::ProgressBar& progress;
    ResultRows& rows;
    const std::vector<std::wstring>& text;
};

// The clean run: one long handler that walks the categories in a fixed order while
// pumping messages, entered again from inside a pump as the stop request.
class CleanRun {
public:
    CleanRun(RunControls controls, TForm2& options, platform::Services& services);

    RunState State;

    // The Clean/Stop button: moves the pointer off the button and arms the run timer.
    void ArmStart();
    // Starts and performs a run, or, while one is in progress, asks to stop it.
    void StartOrAskStop();
    // One tick of the run's clock.
    void ClockTick();
    // While the search service is being stopped: once it has, its folder is emptied.
    void PollSearchService() { locations_.PollSearchService(); }

    // The text listing what a run will clean, as the confirmation shows it.
    std::wstring ConfirmationText() const;
    static std::wstring ElapsedText(int seconds);

    Primitives& Walkers() { return walkers_; }
    UserTargets& Targets() { return targets_; }

private:
    bool Confirmed();
    void EnterRunningState();
    void RunCategories();
    void RunApplicationCaches();
    void WorkOutBasePaths();
    void ReturnToIdle();
    void StopRequest();
    bool On(forms::CheckBox& option) const { return option.Checked(); }
    bool Go(forms::CheckBox& option) const { return option.Checked() && !State.StopRequested; }

    RunControls c_;
    TForm2& options_;
    platform::Services& services_;
    Primitives walkers_;
    WindowsLocations locations_;
    ApplicationCaches caches_;
    UserTargets targets_;
};

} // namespace engine
