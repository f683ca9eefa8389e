#pragma once
#include <cstdint>
#include <deque>
#include <functional>
#include <map>

#include "forms/backend.h"

namespace forms {

// A back end without windows, for tests. Time is virtual: it moves only when a test
// advances it (or by PumpAdvanceMs on every pump, to let a long handler see time pass).
// Timers fire inside ProcessMessages exactly when due, nested calls included.
class HeadlessBackend : public Backend {
public:
    using Action = std::function<void()>;
    using ModalScript = std::function<void(Form&)>;

    std::uint64_t Now() const { return now_; }
    // Moves the clock forward, firing every timer that falls due on the way.
    void Advance(std::uint64_t ms);
    // Milliseconds the clock moves on each ProcessMessages call (0: time stands still).
    std::uint64_t PumpAdvanceMs = 0;
    // Simulated user input, run by the next pump (or the pump `afterPumps` later).
    void QueueInput(Action action, int afterPumps = 0);
    // What happens inside the next modal loop; without one a modal form is cancelled.
    void QueueModal(ModalScript script);
    int Pumps() const { return pumps_; }
    int ModalCount() const { return modalCount_; }
    // Screen geometry the forms are placed on.
    Rect Screen{0, 0, 1024, 768};
    Rect Frame{0, 0, 16, 39};
    // The screen's pixels per inch, as the system's display scaling sets it.
    int ScreenDpi = 96;

    void ShowForm(Form&) override {}
    void HideForm(Form&) override {}
    void FormDestroyed(Form&) override {}
    void ProcessMessages(Application& app) override;
    void RunLoop(Application& app) override;
    void RunModal(Application& app, Form& form) override;
    void TimerChanged(Timer& timer) override;
    void TimerDestroyed(Timer& timer) override;
    Rect FrameSize(const Form&) override { return Frame; }
    Rect WorkArea() override { return Screen; }
    int Dpi() const override { return ScreenDpi; }
    // No windows here: the form's address stands for its window.
    platform::WindowHandle NativeWindow(Form& form) override { return &form; }

private:
    void RunDueInput();
    bool FireNextDue(std::uint64_t upTo);

    struct Pending {
        int pumpsLeft;
        Action action;
    };
    std::uint64_t now_ = 0;
    int pumps_ = 0;
    int modalCount_ = 0;
    std::deque<Pending> input_;
    std::deque<ModalScript> modal_;
    struct Due {
        std::uint64_t at;
        std::uint64_t order; // timers due together fire in the order they were enabled
    };
    std::map<Timer*, Due> due_;
    std::uint64_t enableCount_ = 0;
};

} // namespace forms
