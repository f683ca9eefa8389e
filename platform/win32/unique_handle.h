#pragma once
// Thin owners for Windows handles: one object owns one handle and releases it when it
// goes out of scope, so early returns and exceptions need no cleanup code.
#include <utility>

#include "platform/win32/windows_api.h"

namespace platform::win32 {

template <typename T, typename Release>
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(T value) : value_(value) {}
    ~UniqueHandle() { Reset(); }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : value_(std::exchange(other.value_, T{})) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) {
            Reset();
            value_ = std::exchange(other.value_, T{});
        }
        return *this;
    }

    T Get() const { return value_; }
    explicit operator bool() const { return value_ != T{}; }
    // For APIs that hand a new handle back through an out parameter.
    T* Put() {
        Reset();
        return &value_;
    }
    void Reset() {
        if (value_ != T{}) Release{}(std::exchange(value_, T{}));
    }

private:
    T value_{};
};

struct HkeyRelease {
    void operator()(HKEY key) const { ::RegCloseKey(key); }
};
struct LocalMemoryRelease {
    void operator()(HLOCAL memory) const { ::LocalFree(memory); }
};

struct FindRelease {
    void operator()(HANDLE find) const { ::FindClose(find); }
};
struct ServiceRelease {
    void operator()(SC_HANDLE service) const { ::CloseServiceHandle(service); }
};
struct KernelObjectRelease {
    void operator()(HANDLE object) const { ::CloseHandle(object); }
};

using UniqueHkey = UniqueHandle<HKEY, HkeyRelease>;
using UniqueLocalMemory = UniqueHandle<HLOCAL, LocalMemoryRelease>;
// A folder listing from FindFirstFileW.
using UniqueFind = UniqueHandle<HANDLE, FindRelease>;
// The service manager or one service.
using UniqueServiceHandle = UniqueHandle<SC_HANDLE, ServiceRelease>;
// A file, process or other kernel object.
using UniqueKernelObject = UniqueHandle<HANDLE, KernelObjectRelease>;

// FindFirstFileW and CreateFileW report failure as INVALID_HANDLE_VALUE rather than
// null; the owners hold null for "nothing", so such results pass through here first.
inline HANDLE NullIfInvalid(HANDLE handle) {
    return handle == INVALID_HANDLE_VALUE ? nullptr : handle;
}

} // namespace platform::win32
