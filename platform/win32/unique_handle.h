#pragma once
// Thin owners for Windows handles: one object owns one handle and releases it when it
// goes out of scope, so early returns and exceptions need no cleanup code.
#include <utility>

#include "platform/win32/windows_api.h"

#include <objbase.h>
#include <shtypes.h>

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

// Memory from the COM task allocator, where the shell puts the item lists it hands back.
struct TaskMemoryRelease {
    void operator()(void* memory) const { ::CoTaskMemFree(memory); }
};

using UniqueHkey = UniqueHandle<HKEY, HkeyRelease>;
using UniqueLocalMemory = UniqueHandle<HLOCAL, LocalMemoryRelease>;
// A folder listing from FindFirstFileW.
using UniqueFind = UniqueHandle<HANDLE, FindRelease>;
// The service manager or one service.
using UniqueServiceHandle = UniqueHandle<SC_HANDLE, ServiceRelease>;
// A shell item list.
using UniqueItemIdList = UniqueHandle<LPITEMIDLIST, TaskMemoryRelease>;
// A file, process or other kernel object.
using UniqueKernelObject = UniqueHandle<HANDLE, KernelObjectRelease>;

// FindFirstFileW and CreateFileW report failure as INVALID_HANDLE_VALUE rather than
// null; the owners hold null for "nothing", so such results pass through here first.
inline HANDLE NullIfInvalid(HANDLE handle) {
    return handle == INVALID_HANDLE_VALUE ? nullptr : handle;
}

} // namespace platform::win32
