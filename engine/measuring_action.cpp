#include "engine/measuring_action.h"

#include "engine/tree_bytes.h"

namespace engine {

namespace attr = platform::attr;

MeasuringAction::MeasuringAction(RunDisplay& display, const RunState& state, RunRules rules,
                                 platform::FileSystem& files)
    : display_(display), state_(state), rules_(rules), files_(files) {}

bool MeasuringAction::File(const std::wstring&, std::uint32_t attributes, std::uint64_t size) {
    measured_.Add(size, rules_.Recycles(attributes));
    return true;
}

bool MeasuringAction::Whole(const std::wstring& path, std::uint32_t listed, std::uint64_t size) {
    std::uint32_t a = listed;
    if (a == kNotListed && !files_.GetAttributes(path, a)) return false;
    std::uint64_t bytes = 0;
    if (RunRules::IsLink(a)) {
        bytes = 0;
    } else if ((a & attr::Directory) != 0) {
        // A large folder is summed entry by entry, as the deletion would take it: the
        // window stays responsive and a stop ends the count, the folder uncounted.
        const std::optional<std::uint64_t> below = BytesBelow(files_, path, [this] {
            display_.Pump();
            return !state_.StopRequested;
        });
        if (!below) return false;
        bytes = *below;
    } else {
        bytes = listed != kNotListed ? size : files_.FileSize(path).value_or(0);
    }
    measured_.Add(bytes, rules_.Recycles(a));
    return true;
}

bool MeasuringAction::Emptied(const std::wstring&, bool leftSome) {
    if (leftSome) return false;
    measured_.Add(0, rules_.RecycleMode());
    return true;
}

bool MeasuringAction::Link(const std::wstring&) {
    measured_.Add(0, false);
    return true;
}

void MeasuringAction::Single(const std::wstring& path, Tally tally) {
    if (tally == Tally::None) return;
    const std::optional<std::uint64_t> size = files_.FileSize(path);
    if (size) measured_.Add(*size, false);
}

} // namespace engine
