#include "forms/timer.h"

#include "forms/application.h"
#include "forms/form.h"

namespace forms {

Timer::Timer(Form& owner, std::wstring name, unsigned intervalMs)
    : owner_(owner), name_(std::move(name)), interval_(intervalMs) {}

Timer::~Timer() { owner_.App().GetBackend().TimerDestroyed(*this); }

void Timer::SetInterval(unsigned ms) {
    if (ms == interval_) return;
    interval_ = ms;
    if (enabled_) owner_.App().GetBackend().TimerChanged(*this);
}

void Timer::SetEnabled(bool on) {
    if (on == enabled_) return;
    enabled_ = on;
    owner_.App().GetBackend().TimerChanged(*this);
}

void Timer::Fire() {
    if (!enabled_ || !OnTimer) return;
    owner_.App().Guard(OnTimer);
}

} // namespace forms
