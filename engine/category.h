#pragma once
#include "engine/primitives.h"
#include "forms/timer.h"
#include "settings/options.h"

namespace engine {

// What a category works with while a run calls it: the walkers, the run's state and
// rows, the live options and the services. The categories themselves are free
// functions bound to their options by the option table (settings/option_table.cpp).
struct CategoryRun {
    Primitives& walkers;
    RunState& state;
    const settings::Options& options;
    platform::Services& services;
    ResultRows& rows;
    forms::Timer& searchTimer; // the wait for the search service
};

// The category's step of the bar.
inline constexpr int kCategoryStep = 10;

// One tick of the wait for the search service (every 500 ms while armed): once it has
// stopped, its folder is emptied.
void PollSearchService(CategoryRun& run);

} // namespace engine
