#include "forms/win32/list_view_peer.h"
#include "forms/win32/peers.h"

namespace forms::win32 {

namespace {

using Maker = std::unique_ptr<Peer> (*)(Resources&, Application&, Control&);

template <class ControlKind, class PeerKind>
std::unique_ptr<Peer> Make(Resources& resources, Application& app, Control& control) {
    auto* kind = dynamic_cast<ControlKind*>(&control);
    if (!kind) return nullptr;
    return std::make_unique<PeerKind>(resources, app, *kind);
}

std::unique_ptr<Peer> MakePanel(Resources& resources, Application& app, Control& control) {
    auto* panel = dynamic_cast<Panel*>(&control);
    if (!panel) return nullptr;
    return std::make_unique<ContainerPeer>(resources, app, *panel, panel->Bevel, true);
}

const Maker kMakers[] = {
    MakePanel,
    Make<GroupBox, GroupBoxPeer>,
    Make<TabSheet, TabSheetPeer>,
    Make<PageControl, PageControlPeer>,
    Make<Label, LabelPeer>,
    Make<Image, ImagePeer>,
    Make<Button, ButtonPeer>,
    Make<CheckBox, CheckBoxPeer>,
    Make<SpeedButton, SpeedButtonPeer>,
    Make<Edit, EditPeer>,
    Make<UpDown, UpDownPeer>,
    Make<ProgressBar, ProgressBarPeer>,
    Make<RichEdit, RichEditPeer>,
    Make<StatusBar, StatusBarPeer>,
    Make<ListView, ListViewPeer>,
};

} // namespace

std::unique_ptr<Peer> CreatePeer(Resources& resources, Application& app, Control& control) {
    for (Maker make : kMakers) {
        if (auto peer = make(resources, app, control)) return peer;
    }
    // A plain control holds others; it shows as a bare area of its colour.
    return std::make_unique<ContainerPeer>(resources, app, control, false, false);
}

} // namespace forms::win32
