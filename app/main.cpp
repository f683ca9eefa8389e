// Program entry on Windows: picks the real services and the native forms, then runs
// the program.
// windows.h first: the other system headers build on it.
#include <windows.h>

#include <commctrl.h>

#include "app/command_line.h"
#include "app/program.h"
#include "forms/application.h"
#include "forms/win32/win32_backend.h"
#include "platform/win32/win32_platform.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX classes{};
    classes.dwSize = sizeof classes;
    classes.dwICC = ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES | ICC_TAB_CLASSES | ICC_UPDOWN_CLASS |
                    ICC_PROGRESS_CLASS | ICC_STANDARD_CLASSES;
    InitCommonControlsEx(&classes);

    platform::win32::Win32Services services;
    forms::Win32Backend backend;
    forms::Application application(backend, services.messages);
    auto view = services.View();
    return app::RunProgram(application, view, app::Arguments(GetCommandLineW()));
}
