#pragma once
#include <string>

#include "engine/item_action.h"
#include "engine/run_display.h"
#include "engine/run_rules.h"
#include "engine/run_state.h"
#include "platform/platform.h"

namespace engine {

// The action of a clean: every item handed over is deleted, permanently or, for the
// user's own targets with option Recycle on, to the recycle bin. Counts what went (and
// the bytes it held) into the run state, shows the count and lists the user's items.
// It never shows a dialog: failure travels up as results, and an item that stayed is
// noted among the run's refusals.
class DeletingAction final : public ItemAction {
public:
    DeletingAction(RunDisplay& display, RunState& state, RunRules rules,
                   platform::Services& services);

    void Entering(const std::wstring& folder) override;
    bool File(const std::wstring& path, std::uint32_t attributes, std::uint64_t size) override;
    bool Whole(const std::wstring& path, std::uint32_t attributes, std::uint64_t size) override;
    bool Emptied(const std::wstring& folder, bool leftSome) override;
    bool Link(const std::wstring& link) override;
    void Single(const std::wstring& path, Tally tally) override;
    void ClearAttributes(const std::wstring& path) override;
    void Went(const std::wstring& path, int picture) override;

private:
    void ShowDeleting(const std::wstring& path);
    bool Recycled(const std::wstring& path, std::uint64_t bytes);
    bool DeletePermanently(const std::wstring& path, std::uint32_t listed, std::uint64_t size,
                           std::uint64_t& bytes);
    // `parts` counts what went inside the folder (an item that went whole once) and
    // `bytes` what its files held, for when the folder itself has to stay.
    bool RemoveTreeDirectly(const std::wstring& folder, int& parts, std::uint64_t& bytes);
    std::uint64_t BytesToRecycle(const std::wstring& path, std::uint32_t attributes,
                                 std::uint32_t listed, std::uint64_t size);
    std::uint32_t LookedUp(const std::wstring& path);
    bool IsEmptyFolder(const std::wstring& path);
    void Counted(std::uint64_t bytes, bool recycled);
    // Passes `gone` on; an item that did not go is noted among the run's refusals.
    bool Noted(const std::wstring& path, bool gone);

    RunDisplay& display_;
    RunState& state_;
    RunRules rules_;
    platform::FileSystem& files_;
    platform::Shell& shell_;
};

} // namespace engine
