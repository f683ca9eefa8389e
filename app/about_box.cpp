#include "app/about_box.h"

#include "resources/resource_ids.h"
#include "tidyhawk_version.h"

namespace {
constexpr std::uint32_t kSkyBlue = 0x00F0CAA6;
constexpr std::uint32_t kPurple = 0x00800080;
constexpr std::uint32_t kMaroon = 0x00000080;

void Colour(forms::Label& label, std::uint32_t colour, bool bold) {
    forms::Font f = label.GetFont();
    f.color = colour;
    f.bold = bold;
    label.SetFont(f);
}
} // namespace

TAboutBox::TAboutBox(forms::Application& app) : forms::Form(app, L"AboutBox") {
    SetCaption(L"About");
    SetBorderStyle(forms::BorderStyle::Dialog);
    HasMaximizeBox = false;
    HasMinimizeBox = false;
    SetPosition(forms::Position::OwnerFormCenter);
    forms::Font font;
    font.name = L"MS Sans Serif";
    font.height = -11;
    SetFont(font);
    SetColor(kSkyBlue);
    SetClientSize(312, 215);

    Panel2.SetHeight(37);
    Panel2.SetAlign(forms::Align::Bottom);
    OKButton.SetBounds({118, 6, 75, 25});
    OKButton.SetCaption(L"OK");
    OKButton.ModalResult = forms::mr::Ok;
    OKButton.Default = true;
    forms::Font bold = OKButton.GetFont();
    bold.bold = true;
    OKButton.SetFont(bold);

    Panel1.SetAlign(forms::Align::Client);
    Panel1.SetColor(kSkyBlue);
    ProgramIcon.SetAlign(forms::Align::Client);
    ProgramIcon.Picture = IDB_ABOUT_PICTURE;
    // The texts on the picture take the colour of its sky at the top.
    ProgramIcon.SetColor(0x00FBE8CF);
    ProgramIcon.Stretch = true;
    ProgramIcon.Transparent = true;
    ProgramIcon.HandCursor = true;
    ProgramIcon.SetHint(L"Visit website");
    ProgramIcon.SetShowHint(true);

    ProductName.SetBounds({172, 8, 128, 16});
    ProductName.AutoSize = false;
    ProductName.Centered = true;
    ProductName.SetCaption(L"" TIDY_PRODUCT_NAME " " TIDY_VERSION_SHORT);
    Colour(ProductName, kPurple, true);
    // Wide enough for the whole address in this font.
    Version.SetBounds({152, 29, 156, 13});
    Version.SetCaption(L"https://www.ambervale.example");
    Colour(Version, kPurple, false);
    Copyright.SetBounds({11, 15, 110, 13});
    Copyright.SetCaption(L"Check Update Now.");
    Copyright.HandCursor = true;
    Colour(Copyright, kMaroon, false);

    ProgramIcon.OnClick = [this] { VisitWebsite(); };
    Copyright.OnClick = [this] { VisitWebsite(); };
}

void TAboutBox::VisitWebsite() {
    if (OnVisitWebsite) OnVisitWebsite();
}
