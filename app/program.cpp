#include "app/program.h"

#include "app/about_box.h"
#include "app/main_window.h"
#include "settings/option_set.h"

namespace app {

namespace {

constexpr int kUnknownSwitchLine = 66;

int ShowUsage(forms::Application& application, platform::Services& services,
              const StartRequest& request) {
    namespace mb = platform::mb;
    const bool bad = request.mode == StartMode::BadSwitch;
    const std::wstring text =
        bad ? ShippedUiText(kUnknownSwitchLine) + L" " + request.badSwitch + L"\n\n" + kUsageText
            : std::wstring(kUsageText);
    services.messages.Show(text, application.Title,
                           mb::Ok | (bad ? mb::IconWarning : mb::IconInformation));
    return bad ? exit_code::BadCommandLine : exit_code::Done;
}

} // namespace

Program::Program(forms::Application& application, platform::Services& services,
                 const StartRequest& request)
    : application_(application) {
    application_.Title = L"Ace Tidyhawk";
    form2_ = std::make_unique<TForm2>(application_, services);
    aboutBox_ = std::make_unique<TAboutBox>(application_);
    form1_ = std::make_unique<TForm1>(application_, services, *form2_, *aboutBox_, request.folder,
                                      request.mode == StartMode::Clean);
    application_.SetMainForm(*form1_);
}

Program::~Program() = default;

void Program::Run() { application_.Run(); }

int Program::ExitCode() const { return form1_->ExitCode(); }

int RunProgram(forms::Application& application, platform::Services& services,
               const std::vector<std::wstring>& arguments) {
    int exitCode = exit_code::Done;
    bool failed = false;
    application.Guard([&] {
        application.Title = L"Ace Tidyhawk";
        const StartRequest request = ReadStartRequest(arguments, services.files);
        if (request.mode == StartMode::Usage || request.mode == StartMode::BadSwitch) {
            exitCode = ShowUsage(application, services, request);
            return;
        }
        const std::unique_ptr<platform::RunningMark> mark = services.instances.Mark(kRunningMarkName);
        if (request.mode == StartMode::Clean) {
            if (mark->TakenElsewhere()) return;
            // Nobody is there to answer a box: an error ends the program instead.
            application.OnException = [&](const std::wstring&) {
                failed = true;
                application.Terminate();
            };
        }
        Program program(application, services, request);
        program.Run();
        exitCode = program.ExitCode();
    });
    application.OnException = nullptr;
    return failed ? exit_code::SomethingStayed : exitCode;
}

} // namespace app
