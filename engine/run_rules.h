#pragma once
#include <cstdint>

#include "engine/run_state.h"

namespace settings {
class Options;
}

namespace engine {

// The options and phase of a run that decide how an item goes, read live: both actions
// ask the same rules, so that what is measured is what a clean would do.
class RunRules {
public:
    RunRules(const RunState& state, const settings::Options& options) : state_(state), options_(options) {}
    // Only the user's own targets go to the recycle bin, with option Recycle on; a link
    // goes as a link in every mode, as the shell would be handed what it points at.
    bool Recycles(std::uint32_t attributes) const { return RecycleMode() && !IsLink(attributes); }
    // The user's own targets with option Recycle on, links aside.
    bool RecycleMode() const;
    static bool IsLink(std::uint32_t attributes);
    // While the user's targets run with option Display on, every item is listed.
    bool ListsItems() const;

private:
    const RunState& state_;
    const settings::Options& options_;
};

} // namespace engine
