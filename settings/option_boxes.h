#pragma once
#include <array>
#include <initializer_list>
#include <memory>
#include <vector>

#include "forms/controls.h"
#include "settings/option_table.h"

namespace settings {

// Every option's box, found by its option.
using OptionBoxIndex = std::array<forms::CheckBox*, kOptionCount>;

// The boxes of the options that stand at some places of one parent: made, placed,
// captioned and set to their initial state from the option table, place after place
// and row after row, so that the tab order follows the table.
class OptionBoxes {
public:
    OptionBoxes(forms::Control& parent, std::initializer_list<Place> places, OptionBoxIndex& index);
    OptionBoxes(const OptionBoxes&) = delete;
    OptionBoxes& operator=(const OptionBoxes&) = delete;

private:
    std::vector<std::unique_ptr<forms::CheckBox>> boxes_;
};

} // namespace settings
