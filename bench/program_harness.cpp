#include "bench/program_harness.h"

#include <commctrl.h>

#include <stdexcept>

#include "bench/bench_clock.h"

namespace bench {

namespace {

void InitCommonControls() {
    INITCOMMONCONTROLSEX classes{};
    classes.dwSize = sizeof classes;
    classes.dwICC = ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES | ICC_TAB_CLASSES | ICC_UPDOWN_CLASS |
                    ICC_PROGRESS_CLASS | ICC_STANDARD_CLASSES;
    InitCommonControlsEx(&classes);
}

constexpr UINT_PTR kGapTimer = 1;
constexpr UINT kGapTimerMs = 10;
constexpr const wchar_t* kGapClass = L"TidyhawkBenchPumpGap";

} // namespace

ProgramHarness::ProgramHarness()
    : view_(services_.View()), application_(backend_, services_.messages) {
    InitCommonControls();
    program_ = std::make_unique<app::Program>(application_, view_, app::StartRequest{});
    Main().Show();
    const double deadline = Seconds() + 30;
    while (!Main().StartupFinished) {
        if (Seconds() > deadline)
            throw std::runtime_error("the main window's start-up did not finish");
        PumpFor(10);
    }
    PumpFor(300);
}

ProgramHarness::~ProgramHarness() = default;

void ProgramHarness::PumpFor(int ms) {
    const double end = Seconds() + ms / 1000.0;
    while (Seconds() < end) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
        application_.ProcessMessages();
    }
}

void ProgramHarness::BeginRun(bool userTargets) {
    TForm1& main = Main();
    engine::RunState& state = Run().State;
    main.Rows.SummaryShown = false;
    main.Rows.List().Clear();
    main.ProgressBar1.SetPosition(0);
    main.ProgressBar1.SetVisible(true);
    main.Timer2.SetEnabled(true);
    state.StopRequested = false;
    state.Deleted = engine::Accounting{};
    state.UserTargetsPhase = userTargets;
    state.ItemRowsPhase = userTargets;
    PumpFor(100);
}

void ProgramHarness::EndRun() {
    Run().State.ItemRowsPhase = false;
    Main().Timer2.SetEnabled(false);
    Main().ProgressBar1.SetVisible(false);
    PumpFor(400);
}

PumpGapMonitor::PumpGapMonitor() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kGapClass;
    RegisterClassW(&wc); // a second monitor finds the class registered
    window_ = CreateWindowExW(0, kGapClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance,
                              nullptr);
    if (!window_) throw std::runtime_error("no window for the pump monitor");
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

PumpGapMonitor::~PumpGapMonitor() {
    KillTimer(window_, kGapTimer);
    DestroyWindow(window_);
}

void PumpGapMonitor::Start() {
    last_ = Seconds();
    longest_ = 0;
    SetTimer(window_, kGapTimer, kGapTimerMs, nullptr);
}

void PumpGapMonitor::Stop() {
    KillTimer(window_, kGapTimer);
}

void PumpGapMonitor::Tick() {
    const double now = Seconds();
    if (now - last_ > longest_) longest_ = now - last_;
    last_ = now;
}

LRESULT CALLBACK PumpGapMonitor::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_TIMER && wp == kGapTimer) {
        auto* self = reinterpret_cast<PumpGapMonitor*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (self) self->Tick(); // arithmetic only: nothing here can throw
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

} // namespace bench
