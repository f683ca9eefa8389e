#include "platform/win32/unique_handle.h"
#include "platform/win32/win32_platform.h"
#include "platform/win32/windows_api.h"

namespace platform::win32 {

namespace {

// The mutex is never waited on: that it exists is the whole sign.
class NamedMutexMark : public RunningMark {
public:
    explicit NamedMutexMark(const std::wstring& name)
        : mutex_(::CreateMutexW(nullptr, FALSE, name.c_str())) {
        const DWORD error = ::GetLastError();
        // Denied access means it exists, made by a process running with other rights.
        elsewhere_ = mutex_ ? error == ERROR_ALREADY_EXISTS : error == ERROR_ACCESS_DENIED;
    }
    bool TakenElsewhere() const override { return elsewhere_; }

private:
    UniqueKernelObject mutex_;
    bool elsewhere_ = false;
};

} // namespace

std::unique_ptr<RunningMark> Win32Instances::Mark(const std::wstring& name) {
    return std::make_unique<NamedMutexMark>(name);
}

} // namespace platform::win32
