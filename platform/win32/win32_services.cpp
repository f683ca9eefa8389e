#include "platform/win32/unique_handle.h"
#include "platform/win32/win32_platform.h"
#include "platform/win32/windows_api.h"

namespace platform::win32 {

std::optional<int> Win32ServiceControl::QueryState(const std::wstring& name) {
    // The start right is asked for too: a service this user may not start reports
    // nothing, the same as one that is missing.
    UniqueServiceHandle manager(::OpenSCManagerW(nullptr, nullptr, SC_MANAGER_CONNECT));
    if (!manager) return std::nullopt;
    UniqueServiceHandle service(
        ::OpenServiceW(manager.Get(), name.c_str(), SERVICE_QUERY_STATUS | SERVICE_START));
    if (!service) return std::nullopt;
    SERVICE_STATUS status{};
    if (!::QueryServiceStatus(service.Get(), &status)) return std::nullopt;
    return static_cast<int>(status.dwCurrentState);
}

} // namespace platform::win32
