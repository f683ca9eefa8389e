#pragma once
#include <memory>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "forms/application.h"
#include "platform/platform.h"

class TForm1;
class TForm2;
class TAboutBox;

namespace app {

// The program's three windows, kept for the life of the process: the dialogs first,
// then the main window that uses them. Program entry and the tests both build the
// program through this.
class Program {
public:
    Program(forms::Application& application, platform::Services& services,
            const StartRequest& request);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    TForm1& Form1() { return *form1_; }
    TForm2& Form2() { return *form2_; }
    TAboutBox& AboutBox() { return *aboutBox_; }

    // Shows the main window and runs the message loop until it closes.
    void Run();
    // What the process ends with once the loop is over (see exit_code).
    int ExitCode() const;

private:
    forms::Application& application_;
    // The main window goes first: it holds on to the other two.
    std::unique_ptr<TForm2> form2_;
    std::unique_ptr<TAboutBox> aboutBox_;
    std::unique_ptr<TForm1> form1_;
};

// The name every running instance marks itself with; a /clean start that finds it
// taken does nothing.
inline constexpr const wchar_t* kRunningMarkName = L"Ambervale.Tidyhawk.Running";

// Program entry after the back ends are chosen: reads the arguments, then shows the
// usage box or builds the windows and runs the loop. An exception that escapes is shown
// in the general exception box, except in an unattended clean, which shows no box and
// ends. Returns the exit code.
int RunProgram(forms::Application& application, platform::Services& services,
               const std::vector<std::wstring>& arguments);

} // namespace app
