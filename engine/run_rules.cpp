#include "engine/run_rules.h"

#include "platform/file_system.h"
#include "settings/option_set.h"

namespace engine {

bool RunRules::RecycleMode() const {
    return state_.UserTargetsPhase && options_.CheckBox3.Checked();
}

bool RunRules::IsLink(std::uint32_t attributes) {
    return (attributes & platform::attr::ReparsePoint) != 0;
}

bool RunRules::ListsItems() const {
    return options_.CheckBox24.Checked() && state_.ItemRowsPhase;
}

} // namespace engine
