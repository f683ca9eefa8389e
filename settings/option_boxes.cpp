#include "settings/option_boxes.h"

#include <string>

namespace settings {

namespace {

// A column of boxes: where its first box stands, how far apart they are, how wide.
struct Column {
    int left;
    int top;
    int pitch;
    int width;
};

Column ColumnOf(Place place) {
    switch (place) {
    case Place::General: return {8, 8, 22, 340};
    case Place::LogRow: return {10, 234, 0, 86};
    case Place::FileKindsLeft: return {10, 20, 24, 176};
    case Place::FileKindsRight: return {190, 20, 24, 140};
    case Place::FolderItself: return {8, 128, 0, 200};
    case Place::WindowsLeft:
    case Place::AppsLeft: return {8, 10, 26, 150};
    case Place::WindowsRight:
    case Place::AppsRight: return {162, 10, 26, 176};
    }
    return {};
}

constexpr int kBoxHeight = 17;

} // namespace

OptionBoxes::OptionBoxes(forms::Control& parent, std::initializer_list<Place> places,
                         OptionBoxIndex& index) {
    for (Place place : places) {
        const Column column = ColumnOf(place);
        int top = column.top;
        for (const BoolOption& o : BoolOptions()) {
            if (o.place != place) continue;
            auto box =
                std::make_unique<forms::CheckBox>(&parent, L"CheckBox" + std::to_wstring(o.number));
            box->SetBounds({column.left, top, o.width ? o.width : column.width, kBoxHeight});
            top += column.pitch;
            box->SetCaption(o.caption);
            if (o.hint) {
                box->SetHint(o.hint);
                box->SetShowHint(true);
            }
            box->SetChecked(o.initial);
            index[static_cast<std::size_t>(o.id)] = box.get();
            boxes_.push_back(std::move(box));
        }
    }
}

} // namespace settings
