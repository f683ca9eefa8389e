#pragma once
#include <windows.h>

namespace forms::win32 {

// Holds back repaints that come faster than one an interval: a walk changes the status
// bar, the progress bar and the result list once per file, and each repaint costs
// milliseconds. A change is shown at once when the last one shown is an interval or
// more ago; otherwise it waits for the control's timer. The first is not held back.
class RepaintThrottle {
public:
    RepaintThrottle(UINT_PTR timer, DWORD interval)
        : timer_(timer), interval_(interval), lastShown_(GetTickCount() - interval) {}
    RepaintThrottle(const RepaintThrottle&) = delete;
    RepaintThrottle& operator=(const RepaintThrottle&) = delete;

    // True when a change is to be shown now. Otherwise the timer is armed for it; where
    // Windows gives no timer, the change is to be shown now all the same.
    bool ShowNow(HWND hwnd) { return Due() || !Arm(hwnd); }
    bool Due() const { return GetTickCount() - lastShown_ >= interval_; }
    // Arms the timer unless it is armed already; false when no timer could be had.
    bool Arm(HWND hwnd) {
        if (!armed_) armed_ = SetTimer(hwnd, timer_, interval_, nullptr) != 0;
        return armed_;
    }
    // What waits is being shown: the timer stops.
    void Disarm(HWND hwnd) {
        if (armed_) KillTimer(hwnd, timer_);
        armed_ = false;
    }
    // A change was shown: the next one waits an interval from now.
    void Shown() { lastShown_ = GetTickCount(); }
    bool Armed() const { return armed_; }
    bool IsTimer(UINT msg, WPARAM wp) const { return msg == WM_TIMER && wp == timer_; }
    // A tick of the timer is answered with 0 and is the caller's to show what waits;
    // false for any other message.
    bool TimerAnswered(UINT msg, WPARAM wp, LRESULT& result) const {
        if (!IsTimer(msg, wp)) return false;
        result = 0;
        return true;
    }
    void SetInterval(DWORD interval) { interval_ = interval; }

private:
    UINT_PTR timer_;
    DWORD interval_;
    DWORD lastShown_;
    bool armed_ = false;
};

} // namespace forms::win32
