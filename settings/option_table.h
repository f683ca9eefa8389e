#pragma once
#include <vector>

#include "forms/list_view.h"
#include "settings/options.h"

class TForm2;

namespace engine {
struct CategoryRun;
}

namespace settings {

// Where an option's box stands on the settings dialog: a column of boxes on one page.
enum class Place {
    General,       // the General page's column
    LogRow,        // the General page, beside the log's days
    FileKindsLeft, // the Filters page's group of file kinds
    FileKindsRight,
    FolderItself, // the Specific page, below the folders to delete
    WindowsLeft,  // the Clean page's Windows tab
    WindowsRight,
    AppsLeft, // the Clean page's Applications tab
    AppsRight,
};

// One step of a clean run, done with what the run hands its categories.
using CategoryWork = void (*)(engine::CategoryRun&);

// How a clean run treats a category: its place in the run and its work. The run
// checks the option and a stop request before calling the work; `before` and
// `after` are done whether the option is on or not.
struct RunRow {
    int rank = 0; // 0: the option is no category of the run
    CategoryWork work = nullptr;
    bool stepsFirst = false;      // the bar advances by 10 as it starts
    bool evenWhenStopped = false; // called even after a stop request
    int pumpsAfter = 0;           // message pumps after it, so Stop can be pressed
    CategoryWork before = nullptr;
    CategoryWork after = nullptr;
};

// One boolean option: everything the program knows of it, in one row.
struct BoolOption {
    Option id;
    const wchar_t* name; // its registry value
    int number;          // its box's designer number, CheckBoxN
    const wchar_t* caption;
    bool initial;
    bool defaultValue; // set by the Default button
    Place place;
    const wchar_t* hint; // nullptr: none
    int loadRank;
    int saveRank;
    // Its rank among the categories of the settings summary; 0: not shown there.
    int summaryRank;
    // The summary names it by its hint rather than its caption.
    bool summaryByHint;
    RunRow run;
    int width = 0; // 0: the width of its column
};

// All 42 boolean options, in table order: page by page, column by column.
const std::vector<BoolOption>& BoolOptions();
const BoolOption& Row(Option option);
// Looks an option up by its value name; null when there is none of that name.
const BoolOption* FindOption(const wchar_t* name);

// The orders derived from the table. A load fires the click rules, so its order
// decides how dependent options end up; so does the Default button's, which goes by
// box number.
const std::vector<const BoolOption*>& LoadOrder();
const std::vector<const BoolOption*>& SaveOrder();
const std::vector<const BoolOption*>& DefaultOrder();
const std::vector<const BoolOption*>& SummaryOrder();
const std::vector<const BoolOption*>& RunOrder();

// One path list and its value names in the settings key.
struct PathListNames {
    forms::ListView& (TForm2::*list)();
    const wchar_t* count;
    const wchar_t* active;
    const wchar_t* inactive;
};

extern const PathListNames SearchPaths;
extern const PathListNames ExcludePaths;
extern const PathListNames DeleteFolders;
extern const PathListNames DeleteFiles;

} // namespace settings
