#pragma once
#include <memory>
#include <string>
#include <vector>

#include "forms/application.h"
#include "platform/platform.h"

class TForm1;
class TForm2;
class TAboutBox;

namespace app {

// The program's three windows, created in their fixed order and kept for the life of
// the process. Program entry and the tests both build the program through this.
class Program {
public:
    Program(forms::Application& application, platform::Services& services,
            std::vector<std::wstring> arguments);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    TForm1& Form1() { return *form1_; }
    TForm2& Form2() { return *form2_; }
    TAboutBox& AboutBox() { return *aboutBox_; }

    // Shows the main window and runs the message loop until it closes.
    void Run();

private:
    forms::Application& application_;
    std::unique_ptr<TForm1> form1_;
    std::unique_ptr<TForm2> form2_;
    std::unique_ptr<TAboutBox> aboutBox_;
};

// Program entry after the back ends are chosen: builds the windows and runs the loop.
// An exception that escapes is shown in the general exception box. Returns 0.
int RunProgram(forms::Application& application, platform::Services& services,
               std::vector<std::wstring> arguments);

} // namespace app
