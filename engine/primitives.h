#pragma once
#include <string>

#include "engine/deleting_action.h"
#include "engine/item_action.h"
#include "engine/path_names.h"
#include "engine/rows.h"
#include "engine/run_display.h"
#include "engine/run_rules.h"
#include "engine/run_state.h"
#include "engine/target_guard.h"
#include "platform/platform.h"

namespace settings {
class Options;
}

namespace engine {

// Whether a walk keeps the folder it was handed once it has emptied it.
enum class Top { Keep, Remove };

// How a name is compared with a name to match.
enum class NameTest { Exact, Within };

// What a search for junk below a folder takes: folders by name (emptied and removed
// whole) and files by name or, failing that, by extension. Names compare with case;
// a file's extension is lower-cased (A to Z) first, the rule's is not.
struct MatchRules {
    std::wstring folderName; // empty: no folder matches
    NameTest folderTest = NameTest::Within;
    std::wstring fileName; // empty: no file matches by name
    NameTest fileTest = NameTest::Within;
    std::wstring extension; // ".log"; empty: none

    MatchRules& Folders(std::wstring name, NameTest test);
    MatchRules& Files(std::wstring name, NameTest test);
    MatchRules& Extension(std::wstring dotted);
    bool FolderMatches(const std::wstring& name) const;
    bool FileMatches(const std::wstring& name) const;
};

// The walkers: they list folders, never enter a junction or symbolic link (a link met
// on the way goes as a link, its target untouched), keep the top of a walk unless told
// otherwise, stop when asked and pump once per entry. What is to go they hand to the
// run's action, which deletes it, or only measures it; they never show a dialog.
class Primitives {
public:
    Primitives(RunView view, RunState& state, const settings::Options& options, platform::Services& services);
    Primitives(const Primitives&) = delete;
    Primitives& operator=(const Primitives&) = delete;

    // While it lives, the walkers hand every item to another action: a run chooses its
    // action once, for all its categories.
    class ActionScope {
    public:
        ActionScope(Primitives& walkers, ItemAction& action)
            : walkers_(walkers), previous_(walkers.action_) {
            walkers.action_ = &action;
        }
        ~ActionScope() { walkers_.action_ = previous_; }
        ActionScope(const ActionScope&) = delete;
        ActionScope& operator=(const ActionScope&) = delete;

    private:
        Primitives& walkers_;
        ItemAction* previous_;
    };

    ItemAction& Action() { return *action_; }
    RunDisplay& Display() { return display_; }
    RunRules Rules() const { return rules_; }

    // One file or folder (a folder with everything in it) to go at once. `attributes`
    // and `size` as a listing just showed them, so that they need not be looked up.
    bool ShellDeletePath(const std::wstring& path, std::uint32_t attributes = kNotListed,
                         std::uint64_t size = 0) {
        return action_->Whole(path, attributes, size);
    }
    // One file by the file system's delete alone, its attributes as they are.
    void RemoveFile(const std::wstring& path, Tally tally) { action_->Single(path, tally); }
    // Empties a folder; it is kept or, once empty, removed as `top` says. True when
    // everything went (for a kept folder) or the folder went.
    bool DeleteFolderTree(const std::wstring& path, Top top);
    // Searches a tree for what the rules match; a matching folder is emptied and
    // removed whole, and not searched further.
    void DeleteMatching(const std::wstring& path, const MatchRules& rules);
    // A shell special folder ending in a backslash, or empty.
    std::wstring SpecialFolderPath(int csidl);
    // Whether a folder or file named by a category (or, in the user's phase, by the
    // user's lists) may be emptied or deleted; a refusal adds its row.
    bool Permitted(const std::wstring& target);
    // Skips a target for a reason of the caller's own, with the same row; false.
    bool Refused(const std::wstring& target);
    TargetGuard& Guard() { return guard_; }
    // A run starts: the protected folders are worked out again.
    void NewRun() {
        guard_.Reset();
        permitted_.clear();
    }

    const std::wstring& Text(int n) const { return display_.Text(n); }
    void StepProgress() { display_.StepProgress(); }
    void AdvanceProgress(int by) { display_.AdvanceProgress(by); }
    void SetStatus(const std::wstring& text) { display_.SetStatus(text); }
    void Pump() { display_.Pump(); }

private:
    // A walk's own top, kept or removed, or a folder below it, which goes once empty.
    enum class Level { KeptTop, RemovedTop, Below };
    bool WalkTree(ItemAction& action, const std::wstring& path, Level level);
    bool RemoveWalkedFolder(ItemAction& action, const std::wstring& dir, bool leftSome);
    void MatchTree(ItemAction& action, const std::wstring& path, const MatchRules& rules);
    bool IsLink(const std::wstring& path);

    RunDisplay display_;
    RunState& state_;
    RunRules rules_;
    platform::Services& services_;
    DeletingAction deleting_;
    ItemAction* action_ = &deleting_;
    TargetGuard guard_;
    // The last target permitted, so a category's check and its walk's ask only once.
    std::wstring permitted_;
};

} // namespace engine
