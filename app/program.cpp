#include "app/program.h"

#include "app/about_box.h"
#include "app/main_window.h"
#include "settings/option_set.h"

namespace app {

Program::Program(forms::Application& application, platform::Services& services,
                 std::vector<std::wstring> arguments)
    : application_(application) {
    application_.Title = L"Ace Tidyhawk";
    form1_ = std::make_unique<TForm1>(application_, services, std::move(arguments));
    application_.SetMainForm(*form1_);
    form2_ = std::make_unique<TForm2>(application_, services);
    aboutBox_ = std::make_unique<TAboutBox>(application_);
    form1_->Attach(*form2_, *aboutBox_);
}

Program::~Program() = default;

void Program::Run() { application_.Run(); }

int RunProgram(forms::Application& application, platform::Services& services,
               std::vector<std::wstring> arguments) {
    application.Guard([&] {
        Program program(application, services, std::move(arguments));
        program.Run();
    });
    return 0;
}

} // namespace app
