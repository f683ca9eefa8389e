#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "tests/safety/recording.h"
#include "tests/safety/snapshot.h"
#include "tests/safety/world.h"

namespace safety {

// A finished run, as the checks see it.
struct RunRecord {
    const Scenario& scenario;
    const Snapshot& before;
    const Snapshot& after;
    const std::vector<Event>& log;
    // The log's length when the stop was requested; none for a run without a stop.
    std::optional<std::size_t> stopEvent;
    int deletedCount = 0;
    std::vector<std::wstring> recycled;
};

// Every broken promise of the run, one line each; empty when the run kept them all.
std::vector<std::wstring> CheckRun(const RunRecord& run);

// What a run did, to show that the cases reach every kind of target.
struct Tally {
    int removedByKind[6] = {}; // by UnitKind
    int recycled = 0;
    bool stopped = false;
    std::uint32_t hostile = 0; // the kinds of hostile input drawn, one bit each
};
Tally TallyRun(const RunRecord& run);

} // namespace safety
