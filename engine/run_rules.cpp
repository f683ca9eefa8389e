#include "engine/run_rules.h"

#include "platform/file_system.h"
#include "settings/options.h"

namespace engine {

bool RunRules::RecycleMode() const {
    return state_.UserTargetsPhase && options_.On(settings::Option::Recycle);
}

bool RunRules::IsLink(std::uint32_t attributes) {
    return (attributes & platform::attr::ReparsePoint) != 0;
}

bool RunRules::ListsItems() const {
    return options_.On(settings::Option::Display) && state_.ItemRowsPhase;
}

} // namespace engine
