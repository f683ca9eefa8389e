#include "settings/option_set.h"

#include "settings/explorer_verb.h"
#include "settings/option_table.h"

namespace {

using settings::Option;

constexpr std::uint32_t kRed = 0x000000FF;

void Place(forms::Control& c, int left, int top, int width, int height,
           const std::wstring& caption = {}) {
    c.SetBounds({left, top, width, height});
    if (!caption.empty()) c.SetCaption(caption);
}

void RedNote(forms::Label& label, int left, int top, const std::wstring& caption) {
    Place(label, left, top, 100, 13, caption);
    forms::Font f = label.GetFont();
    f.color = kRed;
    label.SetFont(f);
}

// A box the user types names into, its hint shown, with the red "(input carefully)"
// beside it.
void NamesEdit(forms::Edit& edit, int left, int top, int width, const std::wstring& hint,
               forms::Label& note) {
    Place(edit, left, top, width, 21);
    edit.SetHint(hint);
    edit.SetShowHint(true);
    RedNote(note, left + width + 6, top + 4, L"(input carefully)");
}

} // namespace

TForm2::TForm2(forms::Application& app, platform::Services& services)
    : forms::Form(app, L"Form2"), Store(*this, services.registry), services_(services) {
    LayOut();
    Box(Option::Recycle).OnClick = [this] { CheckBox3Click(); };
    Box(Option::DataStore).OnClick = [this] { CheckBox25Click(); };
    Box(Option::Emptyrecycle).OnClick = [this] { CheckBox31Click(); };
    Box(Option::ShowEmptyrecycle).OnClick = [this] { CheckBox36Click(); };
    Store.ApplyContextMenu = [this] {
        settings::ApplyContextMenu(On(Option::Contextmenu), services_.registry,
                                   services_.processes.ProgramPath());
    };
    Button8.OnClick = [this] { Button8Click(); };
    Button10.OnClick = [this] { Button10Click(); };
    WireDialogEvents();
}

void TForm2::LayOut() {
    SetCaption(L"Tidyhawk Settings");
    SetBorderStyle(forms::BorderStyle::Dialog);
    HasMaximizeBox = false;
    HasMinimizeBox = false;
    SetPosition(forms::Position::OwnerFormCenter);
    SetClientSize(359, 354);

    Panel1.SetHeight(34);
    Panel1.SetAlign(forms::Align::Bottom);
    Panel1.Bevel = false;
    Place(Button5, 8, 5, 75, 25, L"Default");
    Place(Button9, 88, 5, 75, 25, L"Help");
    Place(Button3, 196, 5, 75, 25, L"OK");
    Place(Button4, 276, 5, 75, 25, L"Cancel");
    Button3.ModalResult = forms::mr::Ok;
    PageControl1.SetAlign(forms::Align::Client);

    LayOutGeneral();
    LayOutFilters();
    LayOutPaths();
    LayOutSpecific();
    LayOutClean();
}

// The option boxes of every page are placed as the table makes them (option_boxes.cpp).
void TForm2::LayOutGeneral() {
    Place(Edit2, 96, 232, 40, 21);
    Edit2.NumbersOnly = true;
    Place(UpDown1, 136, 232, 16, 21);
    UpDown1.SetRange(1, 32000);
    UpDown1.SetAssociate(&Edit2);
    UpDown1.SetPosition(10);
    Place(Label3, 156, 236, 28, 13, L"days");
    Place(Button8, 190, 230, 72, 25, L"Clear log");
    Place(Button10, 266, 230, 72, 25, L"View log");
}

void TForm2::LayOutFilters() {
    Place(GroupBox1, 6, 4, 337, 92, L"CLean file types ");

    Place(Label1, 8, 108, 90, 13, L"Other file types: ");
    NamesEdit(Edit4, 100, 104, 140, L"input extension part of file to be cleaned", Label5);
    Place(Label6, 8, 132, 330, 13, L"Use ';' to seperate. Such as  obj;gss;pih  ");

    Place(GroupBox2, 6, 156, 337, 88, L"Clean File by FULL filename ");
    NamesEdit(Edit1, 10, 22, 220, L"input full filename to be cleaned", Label7);
    Place(Label8, 10, 52, 310, 13, L"Use ';' to seperate each full filename ");
}

void TForm2::SetUpPathList(forms::ListView& list, const forms::Rect& bounds) {
    list.SetBounds(bounds);
    list.CheckBoxes = true;
    list.MultiSelect = true;
    list.ReadOnly = true;
    list.ShowColumnHeaders = false;
    list.Images = forms::SmallImages::SystemIcons;
    list.SetColumns({{L"", bounds.width - 4, true}});
    list.SetSorted([this](const std::wstring& a, const std::wstring& b) {
        return services_.locale.Compare(a, b);
    });
}

void TForm2::LayOutPaths() {
    Place(Label2, 8, 10, 210, 13, L"Add pathes for FINDING files to delete: ");
    Place(Button6, 230, 4, 54, 24, L"Add");
    Place(Button7, 288, 4, 54, 24, L"Delete");
    SetUpPathList(ListView2, {8, 32, 335, 108});
    Place(Label4, 8, 152, 220, 13, L"Add pathes to be EXCLUDED when find files: ");
    Place(Button12, 230, 146, 54, 24, L"Add");
    Place(Button13, 288, 146, 54, 24, L"Delete");
    SetUpPathList(ListView3, {8, 174, 335, 108});
    for (forms::Button* b : {&Button7, &Button13}) b->SetEnabled(false);
}

void TForm2::LayOutSpecific() {
    Place(Label9, 8, 10, 136, 13, L"Add folders to be deleted: ");
    RedNote(Label10, 146, 10, L"(add carefully)");
    Place(Button1, 230, 4, 54, 24, L"Add");
    Place(Button2, 288, 4, 54, 24, L"Delete");
    SetUpPathList(ListView1, {8, 32, 335, 92});
    Place(GroupBox3, 6, 150, 337, 138, L"Clean files ");
    Place(Label11, 8, 24, 126, 13, L"Add files to be deleted: ");
    RedNote(Label12, 136, 24, L"(add carefully)");
    Place(Button14, 220, 18, 54, 24, L"Add");
    Place(Button15, 278, 18, 54, 24, L"Delete");
    SetUpPathList(ListView4, {8, 46, 321, 84});
    for (forms::Button* b : {&Button2, &Button15}) b->SetEnabled(false);
}

void TForm2::LayOutClean() {
    PageControl2.SetAlign(forms::Align::Client);
}

std::wstring TForm2::Text(settings::TextOption option) const {
    return option == settings::TextOption::FileKinds ? Edit4.Text() : Edit1.Text();
}

void TForm2::CheckBox3Click() {
    if (!Showing() || On(Option::Recycle)) return;
    int answer = services_.messages.Show(
        L"Do you want to delete permanently(can not be restored) when find in search path?",
        L"Confirmation",
        platform::mb::YesNo | platform::mb::IconQuestion | platform::mb::TaskModal |
            platform::mb::DefButton2);
    if (answer == platform::answer::No) Box(Option::Recycle).SetChecked(true);
}

void TForm2::CheckBox25Click() {
    if (!Showing() || !On(Option::DataStore)) return;
    int answer = services_.messages.Show(
        L"Do you want to delete Windows Update History?", L"Confirmation",
        platform::mb::YesNo | platform::mb::IconQuestion | platform::mb::TaskModal |
            platform::mb::DefButton1);
    if (answer == platform::answer::No) Box(Option::DataStore).SetChecked(false);
}

void TForm2::CheckBox31Click() {
    if (On(Option::Emptyrecycle)) Box(Option::ShowEmptyrecycle).SetChecked(false);
}

void TForm2::CheckBox36Click() {
    if (!On(Option::ShowEmptyrecycle)) return;
    Box(Option::Emptyrecycle).SetChecked(false);
    Box(Option::Autoclose).SetChecked(false);
}
