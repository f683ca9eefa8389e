#pragma once
#include <memory>
#include <optional>
#include <string>

#include "platform/interface.h"

namespace platform {

// Service states, numbered as the service manager numbers them.
namespace service_state {
enum : int { Stopped = 1, StartPending, StopPending, Running };
} // namespace service_state

class ServiceControl : public Interface {
public:
    // The current state of a named service (OpenSCManagerW with SC_MANAGER_CONNECT,
    // OpenServiceW with SERVICE_QUERY_STATUS | SERVICE_START, QueryServiceStatus; every
    // handle closed); nothing when the manager or the service cannot be opened or queried.
    virtual std::optional<int> QueryState(const std::wstring& name) = 0;
};

// Show states for WinExec, numbered as Windows numbers them.
namespace show {
constexpr int Hide = 0;
constexpr int Maximized = 3;
} // namespace show

class Processes : public Interface {
public:
    // WinExec of an 8-bit command line; returns its result (above 31 is success). The
    // caller does not wait for the program.
    virtual unsigned Run(const std::string& commandLine, int showState) = 0;
    // True when this 32-bit program runs on 64-bit Windows, where "System32" in a path
    // reaches the 32-bit system folder and "Sysnative" reaches the real one.
    virtual bool UnderWow64() = 0;
    // The account the program runs under (GetUserNameW); empty when unknown.
    virtual std::wstring UserName() = 0;
    // The full path of the running program file.
    virtual std::wstring ProgramPath() = 0;
};

struct Point {
    int x = 0;
    int y = 0;
};

class Cursor : public Interface {
public:
    virtual Point Position() = 0;
    virtual void MoveTo(const Point& p) = 0;
    // The hourglass while a long call blocks the window, and back to the arrow.
    virtual void ShowBusy(bool busy) = 0;
};

class Sound : public Interface {
public:
    // PlaySoundW of a file path or a sound name, synchronously: returns when it ends.
    virtual void Play(const std::wstring& nameOrPath) = 0;
};

// A process's sign that the program runs: a named object that stays taken for as
// long as the mark lives, whichever process took it first.
class RunningMark : public Interface {
public:
    // True when the name was taken already as this mark was (by another process, or by
    // another mark of this one).
    virtual bool TakenElsewhere() const = 0;
};

class Instances : public Interface {
public:
    // Opens or creates the named mutex (CreateMutexW, not owned) and keeps it open
    // until the mark is destroyed.
    virtual std::unique_ptr<RunningMark> Mark(const std::wstring& name) = 0;
};

} // namespace platform
