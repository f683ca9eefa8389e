#pragma once
// Thin owners for Windows handles: one object owns one handle and releases it when it
// goes out of scope, so early returns and exceptions need no cleanup code.
#include <utility>

#include "platform/win32/windows_api.h"


namespace platform::win32 {

// One owner per kind of handle: `Close` is a function object that gives the handle back.
template <typename T, typename Close>
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(T value) : value_(value) {}
    ~UniqueHandle() { Reset(); }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : value_(other.Release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) Reset(other.Release());
        return *this;
    }

    T Get() const { return value_; }
    explicit operator bool() const { return value_ != T{}; }
    // For APIs that hand a new handle back through an out parameter.
    T* Put() {
        Reset();
        return &value_;
    }
    // Gives the handle up without closing it (for one Windows has already destroyed).
    T Release() { return std::exchange(value_, T{}); }
    void Reset(T value = T{}) {
        if (value_ != T{}) Close{}(value_);
        value_ = value;
    }

private:
    T value_{};
};

// The close function object of a handle kind whose closing is one Windows call.
template <auto CloseFunction>
struct CloseWith {
    template <typename T>
    void operator()(T handle) const {
        CloseFunction(handle);
    }
};

using UniqueHkey = UniqueHandle<HKEY, CloseWith<&::RegCloseKey>>;
using UniqueLocalMemory = UniqueHandle<HLOCAL, CloseWith<&::LocalFree>>;
// A folder listing from FindFirstFileW.
using UniqueFind = UniqueHandle<HANDLE, CloseWith<&::FindClose>>;
// The service manager or one service.
using UniqueServiceHandle = UniqueHandle<SC_HANDLE, CloseWith<&::CloseServiceHandle>>;
// A file, process or other kernel object.
using UniqueKernelObject = UniqueHandle<HANDLE, CloseWith<&::CloseHandle>>;

// FindFirstFileW and CreateFileW report failure as INVALID_HANDLE_VALUE rather than
// null; the owners hold null for "nothing", so such results pass through here first.
inline HANDLE NullIfInvalid(HANDLE handle) {
    return handle == INVALID_HANDLE_VALUE ? nullptr : handle;
}

} // namespace platform::win32
