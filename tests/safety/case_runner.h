#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "tests/safety/oracle.h"

namespace safety {

struct CaseOutcome {
    std::vector<std::wstring> violations;
    // The settings in short and the entries the violations name, for the report.
    std::vector<std::wstring> description;
    Tally tally;
    // The analysis before the clean was compared with it (not for a stopped clean).
    bool compared = false;
    bool agreed = false;
};

// Generates the case of this seed, runs the whole program over it headless and checks
// the result. `full` describes the whole tree, not only what the violations touch.
CaseOutcome RunCase(std::uint64_t caseSeed, bool full);

} // namespace safety
