#pragma once
#include <string>

#include "engine/accounting.h"
#include "engine/item_action.h"
#include "engine/run_display.h"
#include "engine/run_rules.h"
#include "engine/run_state.h"
#include "platform/file_system.h"

namespace engine {

// The action of a run that only looks: it counts and sums what a clean would delete if
// every deletion succeeded, by the same rules (recycled or not), and touches nothing:
// no deletion, no attribute change, no row. An item that is there would go; a folder
// that goes whole counts once with the bytes below it, and a folder a walk emptied
// counts once with none (its contents counted as they were met), unless the walk left
// entries in it.
class MeasuringAction final : public ItemAction {
public:
    MeasuringAction(RunDisplay& display, const RunState& state, RunRules rules,
                    platform::FileSystem& files);

    const Accounting& Measured() const { return measured_; }
    void Reset() { measured_ = Accounting{}; }

    void Entering(const std::wstring&) override {}
    bool File(const std::wstring& path, std::uint32_t attributes, std::uint64_t size) override;
    bool Whole(const std::wstring& path, std::uint32_t attributes, std::uint64_t size) override;
    bool Emptied(const std::wstring& folder, bool leftSome) override;
    bool Link(const std::wstring& link) override;
    void Single(const std::wstring& path, Tally tally) override;
    void ClearAttributes(const std::wstring&) override {}
    void Went(const std::wstring&, int) override {}

private:
    RunDisplay& display_;
    const RunState& state_;
    RunRules rules_;
    platform::FileSystem& files_;
    Accounting measured_;
};

} // namespace engine
