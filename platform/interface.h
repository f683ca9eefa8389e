#pragma once

namespace platform {

// The base of every service interface: destroyed through a pointer to it, and never
// copied (an implementation stands for one thing of the system).
class Interface {
public:
    virtual ~Interface() = default;

protected:
    Interface() = default;
    Interface(const Interface&) = delete;
    Interface& operator=(const Interface&) = delete;
};

} // namespace platform
