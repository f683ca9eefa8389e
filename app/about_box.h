#pragma once
#include "forms/application.h"
#include "forms/controls.h"
#include "forms/form.h"

#include <functional>

// The about box: product name, the maker's address and an OK button.
class TAboutBox : public forms::Form {
public:
    explicit TAboutBox(forms::Application& app);

    forms::Panel Panel2{this, L"Panel2"};
    forms::Button OKButton{&Panel2, L"OKButton"};
    forms::Panel Panel1{this, L"Panel1"};
    forms::Image ProgramIcon{&Panel1, L"ProgramIcon"};
    // The texts stand on the picture.
    forms::Label ProductName{&ProgramIcon, L"ProductName"};
    forms::Label Version{&ProgramIcon, L"Version"};
    forms::Label Copyright{&ProgramIcon, L"Copyright"};

    // The picture and "Check Update Now." lead to the maker's web site.
    std::function<void()> OnVisitWebsite;

private:
    void VisitWebsite();
};
