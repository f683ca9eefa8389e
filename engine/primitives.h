#pragma once
#include <string>
#include <vector>

#include "engine/rows.h"
#include "engine/run_state.h"
#include "engine/target_guard.h"
#include "forms/application.h"
#include "forms/controls.h"
#include "forms/status_bar.h"
#include "platform/platform.h"

class TForm2;

namespace engine {

// What the walkers report through: the main window's status bar, progress bar and
// list, the one message pump, and the UI text lines.
struct RunView {
    forms::Application& app;
    forms::StatusBar& status;
    forms::ProgressBar& progress;
    ResultRows& rows;
    const std::vector<std::wstring>& text;
};

// Every deletion of a run goes through these. They never show a dialog: failure
// travels up as results and rows. A walker never enters a junction or symbolic link:
// a link met on the way is removed as a link, its target untouched.
class Primitives {
public:
    Primitives(RunView view, RunState& state, TForm2& options, platform::Services& services);

    // What a walker passes for an item no listing has just shown.
    static constexpr std::uint32_t kNotListed = 0xFFFFFFFF;
    // Deletes one file or folder (a folder with everything in it) and counts it. Goes
    // to the recycle bin only for the user's own targets with option Recycle on.
    // `listed`: the item's attributes as a listing just showed them, so that it need
    // not be looked up again.
    bool ShellDeletePath(const std::wstring& path, std::uint32_t listed = kNotListed);
    // Deletes a folder's contents. Kept when `path` is exactly CurrentPath as the walk
    // started (with its trailing backslash) and deleteSelf is off; removed once empty
    // otherwise. True when everything went (for a kept folder) or the folder went.
    bool DeleteFolderTree(const std::wstring& path, bool deleteSelf);
    // Searches a tree for folders by name and files by name or extension and deletes
    // what matches; a matching folder is emptied and removed whole.
    void DeleteMatching(const std::wstring& path, const std::wstring& folderName, bool folderExact,
                        bool deleteSelf, const std::wstring& fileName, bool fileExact,
                        const std::wstring& extension);
    // Removes one file as it is (no attributes reset) and notes it when it stays; the
    // caller counts it.
    bool RemoveFile(const std::wstring& path);
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

    const std::wstring& Text(int n) const;
    // One step of the bar per file, back to 0 at the maximum.
    void StepProgress();
    // A category's step of 10; the bar holds at its maximum.
    void AdvanceProgress(int by);
    void ShowDeletedCount(const std::wstring& separator = L" ");
    void SetStatus(const std::wstring& text);
    // The pump of the walks, once per item.
    void Pump() { view_.app.ProcessMessagesWhenDue(); }

private:
    bool WalkTree(const std::wstring& path, bool deleteSelf, const std::wstring& top);
    bool DeletePermanently(const std::wstring& path, std::uint32_t listed);
    // `parts` counts what went inside the folder (an item that went whole once), for
    // when the folder itself has to stay.
    bool RemoveTreeDirectly(const std::wstring& folder, int& parts);
    bool RemoveWalkedFolder(const std::wstring& path, bool link);
    bool IsEmptyFolder(const std::wstring& path);
    void Counted();
    bool ListItems() const;
    bool IsLink(const std::wstring& path);
    void MatchTree(const std::wstring& path, const std::wstring& folderName, bool folderExact,
                   bool deleteSelf, const std::wstring& fileName, bool fileExact,
                   const std::wstring& extension);
    // Passes `gone` on; an item that did not go is noted among the run's refusals.
    bool Noted(const std::wstring& path, bool gone);

    RunView view_;
    RunState& state_;
    TForm2& options_;
    platform::Services& services_;
    TargetGuard guard_;
    // The last target permitted, so a category's check and its walk's ask only once.
    std::wstring permitted_;
};

// "C:\a" and "C:\a\" both become "C:\a\".
std::wstring WithBackslash(const std::wstring& path);
// `base` + `rest`, or nothing without a base: a base folder that could not be worked
// out must not turn the rest into a path relative to the current folder or drive.
std::wstring Below(const std::wstring& base, const wchar_t* rest);
// A to Z lower-cased, every other letter as it is: the rule junk extensions match by.
std::wstring AsciiLower(std::wstring text);
// The part of a name from its last dot on, lower-cased (A to Z only); empty without a dot.
std::wstring LowerExtension(const std::wstring& name);

} // namespace engine
