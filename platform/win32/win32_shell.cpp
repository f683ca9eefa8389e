#include <objbase.h>
#include <shlobj.h>

#include "platform/win32/unique_handle.h"
#include "platform/win32/win32_platform.h"

namespace platform::win32 {
namespace {

// Item lists come from the shell's allocator, which is the COM task allocator.
struct ItemIdListRelease {
    void operator()(LPITEMIDLIST list) const { ::CoTaskMemFree(list); }
};
using UniqueItemIdList = UniqueHandle<LPITEMIDLIST, ItemIdListRelease>;

} // namespace

std::optional<std::wstring> Win32Shell::SpecialFolder(int csidl) {
    UniqueItemIdList list;
    if (FAILED(::SHGetSpecialFolderLocation(nullptr, csidl, list.Put())) || !list)
        return std::nullopt;
    // The call's contract is a MAX_PATH buffer; it cannot return anything longer.
    wchar_t path[MAX_PATH] = {};
    if (!::SHGetPathFromIDListW(list.Get(), path) || path[0] == L'\0') return std::nullopt;
    return std::wstring(path);
}

} // namespace platform::win32
