#include "forms/headless/headless_backend.h"

#include <algorithm>

#include "forms/application.h"
#include "forms/form.h"
#include "forms/timer.h"

namespace forms {

void HeadlessBackend::TimerChanged(Timer& timer) {
    if (timer.Enabled())
        due_[&timer] = {now_ + timer.Interval(), ++enableCount_};
    else
        due_.erase(&timer);
}

void HeadlessBackend::TimerDestroyed(Timer& timer) { due_.erase(&timer); }

bool HeadlessBackend::FireNextDue(std::uint64_t upTo) {
    Timer* next = nullptr;
    Due when{upTo + 1, 0};
    for (auto& [timer, due] : due_) {
        if (due.at <= upTo && (due.at < when.at || (due.at == when.at && due.order < when.order))) {
            next = timer;
            when = due;
        }
    }
    if (!next) return false;
    if (when.at > now_) now_ = when.at;
    // As with the platform's timers, the next tick counts from this one; a handler
    // that disables its timer removes it before it could fire again.
    due_[next] = {now_ + (next->Interval() ? next->Interval() : 1), when.order};
    next->Fire();
    return true;
}

void HeadlessBackend::Advance(std::uint64_t ms) {
    const std::uint64_t target = now_ + ms;
    for (;;) {
        RunDueInput();
        if (!FireNextDue(target)) break;
    }
    // A handler that pumped with time passing may have carried the clock past the target.
    now_ = std::max(now_, target);
    RunDueInput();
}

void HeadlessBackend::QueueInput(Action action, int afterPumps) {
    input_.push_back({afterPumps, std::move(action)});
}

void HeadlessBackend::QueueModal(ModalScript script) { modal_.push_back(std::move(script)); }

void HeadlessBackend::RunDueInput() {
    std::deque<Pending> later;
    std::deque<Pending> now;
    for (auto& p : input_) {
        if (p.pumpsLeft <= 0)
            now.push_back(std::move(p));
        else
            later.push_back({p.pumpsLeft - 1, std::move(p.action)});
    }
    input_ = std::move(later);
    for (auto& p : now) p.action();
}

void HeadlessBackend::ProcessMessages(Application&) {
    ++pumps_;
    now_ += PumpAdvanceMs;
    RunDueInput();
    // Only what is due now; a handler's own nested pump may fire more.
    while (FireNextDue(now_)) {
    }
}

void HeadlessBackend::RunLoop(Application&) {
    // There is no user to wait for: tests drive time with Advance and queued input.
}

void HeadlessBackend::RunModal(Application&, Form& form) {
    ++modalCount_;
    if (!modal_.empty()) {
        ModalScript script = std::move(modal_.front());
        modal_.pop_front();
        script(form);
    }
    // The loop ends once a result is set and the close query lets the form go; a
    // script that wants a refused close to keep the form open sets its own result.
    if (form.ModalResult() == mr::None) form.SetModalResult(mr::Cancel);
    form.CloseQueryPassed();
}

} // namespace forms
