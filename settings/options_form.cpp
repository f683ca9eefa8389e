#include "settings/option_set.h"

#include "settings/explorer_verb.h"
#include "settings/option_table.h"

namespace {

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

} // namespace

TForm2::TForm2(forms::Application& app, platform::Services& services)
    : forms::Form(app, L"Form2"), Store(*this, services.registry), services_(services) {
    LayOut();
    for (const settings::BoolOption& o : settings::BoolOptions()) {
        forms::CheckBox& box = this->*o.box;
        box.SetCaption(o.caption);
        box.SetChecked(o.initial);
    }
    CheckBox3.OnClick = [this] { CheckBox3Click(); };
    CheckBox25.OnClick = [this] { CheckBox25Click(); };
    CheckBox31.OnClick = [this] { CheckBox31Click(); };
    CheckBox36.OnClick = [this] { CheckBox36Click(); };
    Store.ApplyContextMenu = [this] {
        settings::ApplyContextMenu(CheckBox15.Checked(), services_.registry,
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

void TForm2::LayOutGeneral() {
    forms::CheckBox* column[] = {&CheckBox14, &CheckBox9,  &CheckBox18, &CheckBox30, &CheckBox35,
                                 &CheckBox36, &CheckBox31, &CheckBox15, &CheckBox24, &CheckBox3};
    int top = 8;
    for (forms::CheckBox* box : column) {
        Place(*box, 8, top, 340, 17);
        top += 22;
    }
    Place(CheckBox11, 10, 234, 86, 17);
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
    Place(CheckBox5, 10, 20, 176, 17);
    Place(CheckBox13, 10, 44, 176, 17);
    Place(CheckBox20, 10, 68, 176, 17);
    Place(CheckBox6, 190, 20, 140, 17);
    Place(CheckBox12, 190, 44, 140, 17);
    Place(CheckBox23, 190, 68, 140, 17);

    Place(Label1, 8, 108, 90, 13, L"Other file types: ");
    Place(Edit4, 100, 104, 140, 21);
    Edit4.SetHint(L"input extension part of file to be cleaned");
    Edit4.SetShowHint(true);
    RedNote(Label5, 246, 108, L"(input carefully)");
    Place(Label6, 8, 132, 330, 13, L"Use ';' to seperate. Such as  obj;gss;pih  ");

    Place(GroupBox2, 6, 156, 337, 88, L"Clean File by FULL filename ");
    Place(Edit1, 10, 22, 220, 21);
    Edit1.SetHint(L"input full filename to be cleaned");
    Edit1.SetShowHint(true);
    RedNote(Label7, 236, 26, L"(input carefully)");
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
    Place(CheckBox7, 8, 128, 200, 17);
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
    forms::CheckBox* windowsLeft[] = {&CheckBox1,  &CheckBox10, &CheckBox22, &CheckBox25,
                                      &CheckBox32, &CheckBox29, &CheckBox43};
    forms::CheckBox* windowsRight[] = {&CheckBox2,  &CheckBox19, &CheckBox4,
                                       &CheckBox38, &CheckBox39, &CheckBox44};
    forms::CheckBox* appsLeft[] = {&CheckBox8,  &CheckBox26, &CheckBox33,
                                   &CheckBox37, &CheckBox40, &CheckBox17};
    forms::CheckBox* appsRight[] = {&CheckBox34, &CheckBox16, &CheckBox42, &CheckBox21,
                                    &CheckBox41};
    auto column = [](auto& boxes, int left, int width) {
        int top = 10;
        for (forms::CheckBox* box : boxes) {
            Place(*box, left, top, width, 17);
            top += 26;
        }
    };
    column(windowsLeft, 8, 150);
    column(windowsRight, 162, 176);
    column(appsLeft, 8, 150);
    column(appsRight, 162, 176);
    // The last box of the left column has the row to itself: its caption is long.
    CheckBox43.SetWidth(330);

    CheckBox22.SetHint(L"Files created by Windows Diagnostics Infrastructure ");
    CheckBox25.SetHint(L"Windows update temporary file");
    CheckBox29.SetHint(L"Temporary files of Windows burn function");
    CheckBox33.SetHint(L"Apple browser Safari cache");
    CheckBox34.SetHint(L"a collection of unsafe urls. file:urlclassifier2.sqlite, "
                       L"urlclassifier3.sqlite");
    for (forms::CheckBox* box : {&CheckBox22, &CheckBox25, &CheckBox29, &CheckBox33, &CheckBox34})
        box->SetShowHint(true);
}

void TForm2::CheckBox3Click() {
    if (!Showing() || CheckBox3.Checked()) return;
    int answer = services_.messages.Show(
        L"Do you want to delete permanently(can not be restored) when find in search path?",
        L"Confirmation",
        platform::mb::YesNo | platform::mb::IconQuestion | platform::mb::TaskModal |
            platform::mb::DefButton2);
    if (answer == platform::answer::No) CheckBox3.SetChecked(true);
}

void TForm2::CheckBox25Click() {
    if (!Showing() || !CheckBox25.Checked()) return;
    int answer = services_.messages.Show(
        L"Do you want to delete Windows Update History?", L"Confirmation",
        platform::mb::YesNo | platform::mb::IconQuestion | platform::mb::TaskModal |
            platform::mb::DefButton1);
    if (answer == platform::answer::No) CheckBox25.SetChecked(false);
}

void TForm2::CheckBox31Click() {
    if (CheckBox31.Checked()) CheckBox36.SetChecked(false);
}

void TForm2::CheckBox36Click() {
    if (!CheckBox36.Checked()) return;
    CheckBox31.SetChecked(false);
    CheckBox35.SetChecked(false);
}
