#pragma once
#include <string>
#include <vector>

#include "engine/category.h"
#include "engine/primitives.h"
#include "engine/run_state.h"
#include "engine/user_targets.h"
#include "engine/wrap_up.h"
#include "forms/menu.h"
#include "forms/timer.h"
#include "settings/option_table.h"

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

// The clean run: one long handler that walks the categories in the option table's run
// order while pumping messages, entered again from inside a pump as the stop request.
class CleanRun {
public:
    CleanRun(RunControls controls, const settings::Options& options, platform::Services& services);
    CleanRun(const CleanRun&) = delete;
    CleanRun& operator=(const CleanRun&) = delete;

    RunState State;

    // The Clean/Stop button: moves the pointer off the button and arms the run timer.
    void ArmStart();
    // Starts and performs a run, or, while one is in progress, asks to stop it.
    void StartOrAskStop();
    // One tick of the run's clock.
    void ClockTick();
    // While the search service is being stopped: once it has, its folder is emptied.
    void PollSearchService() { engine::PollSearchService(categories_); }

    // The text listing what a run will clean, as the confirmation shows it.
    std::wstring ConfirmationText() const;
    static std::wstring ElapsedText(int seconds);

    Primitives& Walkers() { return walkers_; }
    CategoryRun& Categories() { return categories_; }
    UserTargets& Targets() { return targets_; }

private:
    bool Confirmed();
    void EnterRunningState();
    void RunCategories();
    void RunCategory(settings::Option option, const settings::RunRow& row);
    void ReturnToIdle();
    void StopRequest();

    RunControls c_;
    const settings::Options& options_;
    platform::Services& services_;
    Primitives walkers_;
    CategoryRun categories_;
    UserTargets targets_;
};

} // namespace engine
