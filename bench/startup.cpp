#include "bench/startup.h"

#include <windows.h>

#include <stdexcept>

#include "bench/bench_clock.h"
#include "platform/win32/unique_handle.h"

namespace bench {

namespace {

using platform::win32::UniqueKernelObject;

constexpr double kLaunchTimeout = 60;
constexpr DWORD kCloseTimeoutMs = 10000;

struct Search {
    DWORD process;
    HWND found;
};

// Shown and with nothing left to paint: its first WM_PAINT has been handled. Showing a
// window marks it for painting in the same step, so a shown window is never seen clean
// before that.
BOOL CALLBACK PaintedWindowOf(HWND hwnd, LPARAM lp) {
    auto* search = reinterpret_cast<Search*>(lp);
    DWORD process = 0;
    GetWindowThreadProcessId(hwnd, &process);
    if (process != search->process || !IsWindowVisible(hwnd) || GetUpdateRect(hwnd, nullptr, FALSE))
        return TRUE;
    search->found = hwnd;
    return FALSE;
}

void Close(HWND window, HANDLE process) {
    PostMessageW(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process, kCloseTimeoutMs) != WAIT_OBJECT_0)
        TerminateProcess(process, 1);
}

} // namespace

double LaunchToFirstPaint(const std::wstring& program) {
    std::wstring command = L"\"" + program + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    const double start = Seconds();
    if (!CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &info))
        throw std::runtime_error("cannot start a program for the start-up figure");
    UniqueKernelObject process(info.hProcess), thread(info.hThread);
    // The first time its message loop finds nothing to do, everything it showed so far
    // (the main window and its controls) is painted. Waiting for that asks nothing of
    // the window server meanwhile, which a polling loop would, slowing the program.
    WaitForInputIdle(process.Get(), static_cast<DWORD>(kLaunchTimeout * 1000));
    Search search{info.dwProcessId, nullptr};
    for (;;) {
        EnumWindows(PaintedWindowOf, reinterpret_cast<LPARAM>(&search));
        if (search.found) break;
        if (WaitForSingleObject(process.Get(), 1) == WAIT_OBJECT_0)
            throw std::runtime_error("a program ended before showing its window");
        if (Seconds() - start > kLaunchTimeout) {
            TerminateProcess(process.Get(), 1);
            throw std::runtime_error("a program showed no painted window in time");
        }
    }
    const double seconds = Seconds() - start;
    Close(search.found, process.Get());
    return seconds;
}

} // namespace bench
