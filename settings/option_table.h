#pragma once
#include <vector>

#include "forms/controls.h"
#include "forms/list_view.h"

class TForm2;

namespace settings {

// One boolean option: its registry value name, its check box on the settings dialog,
// the caption, the state the dialog starts with and the Default button's value.
struct BoolOption {
    const wchar_t* name;
    forms::CheckBox TForm2::*box;
    const wchar_t* caption;
    bool initial;
    bool defaultValue;
};

// All 42 boolean options, in check box number order.
const std::vector<BoolOption>& BoolOptions();
// Looks an option up by its value name; null when there is none of that name.
const BoolOption* FindOption(const wchar_t* name);

// The orders in which the store reads and writes the options. A load fires the
// click rules, so its order decides how dependent options end up.
const std::vector<const wchar_t*>& LoadOrder();
const std::vector<const wchar_t*>& SaveOrder();

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
