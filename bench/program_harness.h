#pragma once
// The program as a user has it: the real main window on the screen, the real Windows
// services, and the clean run's engine, driven one step at a time by the figures.
#include <windows.h>

#include <memory>

#include "app/main_window.h"
#include "app/program.h"
#include "forms/application.h"
#include "forms/win32/win32_backend.h"
#include "platform/win32/win32_platform.h"
#include "settings/option_set.h"

namespace bench {

class ProgramHarness {
public:
    // Shows the main window and lets its start-up chain finish.
    ProgramHarness();
    ~ProgramHarness();
    ProgramHarness(const ProgramHarness&) = delete;
    ProgramHarness& operator=(const ProgramHarness&) = delete;

    TForm1& Main() { return program_->Form1(); }
    TForm2& Options() { return program_->Form2(); }
    engine::CleanRun& Run() { return Main().Run; }
    forms::Application& App() { return application_; }

    // Handles messages for a while, as the idle program does between runs.
    void PumpFor(int ms);
    // The window as a run shows it: the list cleared, the progress bar and the clock on.
    // userTargets: the stretch of a run whose items are listed and may be recycled.
    void BeginRun(bool userTargets);
    // Back to idle, with everything the run left pending shown.
    void EndRun();

private:
    platform::win32::Win32Services services_;
    platform::Services view_;
    forms::Win32Backend backend_;
    forms::Application application_;
    std::unique_ptr<app::Program> program_;
};

// Records the longest time the message queue went unserved: a timer due every 10 ms
// on a window of its own is dispatched by whichever pump comes next.
class PumpGapMonitor {
public:
    PumpGapMonitor();
    ~PumpGapMonitor();
    PumpGapMonitor(const PumpGapMonitor&) = delete;
    PumpGapMonitor& operator=(const PumpGapMonitor&) = delete;

    // Starts a measurement now; the gap so far counts from here.
    void Start();
    void Stop();
    double LongestGapMs() const { return longest_ * 1000; }

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    void Tick();

    HWND window_ = nullptr;
    double last_ = 0;
    double longest_ = 0;
};

} // namespace bench
