#pragma once
#include <functional>
#include <string>

namespace forms {

class Form;

// A message-driven timer of a form. Enabling a timer that is already enabled does not
// restart its interval.
class Timer {
public:
    Timer(Form& owner, std::wstring name, unsigned intervalMs);
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    const std::wstring& Name() const { return name_; }
    Form& Owner() const { return owner_; }
    unsigned Interval() const { return interval_; }
    void SetInterval(unsigned ms);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool on);

    std::function<void()> OnTimer;
    // Called by the back end when the interval has elapsed.
    void Fire();

private:
    Form& owner_;
    std::wstring name_;
    unsigned interval_;
    bool enabled_ = false;
};

} // namespace forms
