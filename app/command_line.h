#pragma once
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace app {

// The program's arguments. A drive or folder, usually passed by Explorer's verb as "%1"
// in quotes, is offered for the search paths. The usual splitting of a command line
// reads a backslash before a quote as an escaped quote, so a quoted drive root ("C:\")
// would arrive as C:" — this reads every argument literally instead: a quoted argument
// runs to the next quote, an unquoted one to the next blank, and a stray quote left at
// its end is dropped. The program's own name is not among them.
std::vector<std::wstring> Arguments(const std::wstring& commandLine);

// What a start is asked to do.
enum class StartMode {
    Window,   // the main window, with the folder offered when one was named
    Clean,    // /clean: one clean with the saved settings, no box, closed at the end
    Usage,    // /?: the usage box
    BadSwitch // a switch the program does not know: the usage box, exit code 2
};

struct StartRequest {
    StartMode mode = StartMode::Window;
    // The first argument that is no switch: the folder to offer (none or one).
    std::vector<std::wstring> folder;
    // The first unknown switch, for the usage box.
    std::wstring badSwitch;
};

// Switches start with "/" or "-" and are read without regard to case; an argument
// like that which names an existing folder is a folder. An unknown switch outweighs
// /?, and /? outweighs /clean. Arguments after the first folder are not offered.
StartRequest ReadStartRequest(const std::vector<std::wstring>& arguments,
                              platform::FileSystem& files);

// The exit codes of the program.
namespace exit_code {
constexpr int Done = 0;          // everything the clean tried to delete went
constexpr int SomethingStayed = 1; // an item stayed (held open, refused), or no full run
constexpr int BadCommandLine = 2;
} // namespace exit_code

// The usage box's text: the switches and the exit codes.
extern const wchar_t* const kUsageText;

} // namespace app
