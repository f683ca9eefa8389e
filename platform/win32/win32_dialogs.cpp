// The shell's folder browser, the file-open dialog and the system icon lookup.
#include "platform/win32/windows_api.h"

#include <commdlg.h>
#include <objbase.h>
#include <ole2.h>
#include <shellapi.h>
#include <shlobj.h>

#include "platform/win32/system_error.h"
#include "platform/win32/system_library.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/win32_platform.h"

namespace platform::win32 {
namespace {

// The new-style browser hosts OLE controls and needs OLE on the calling thread. A
// thread that already has it (S_FALSE) still takes a count that must be given back;
// one set up for another apartment model keeps its own and is left alone.
class OleScope {
public:
    OleScope() {
        auto* initialize = OleLibrary().Find<decltype(::OleInitialize)>("OleInitialize");
        uninitialize_ = OleLibrary().Find<decltype(::OleUninitialize)>("OleUninitialize");
        initialized_ = initialize && uninitialize_ && SUCCEEDED(initialize(nullptr));
    }
    ~OleScope() {
        if (initialized_) uninitialize_();
    }
    OleScope(const OleScope&) = delete;
    OleScope& operator=(const OleScope&) = delete;

private:
    decltype(::OleUninitialize)* uninitialize_ = nullptr;
    bool initialized_ = false;
};

// A shell item list, whose memory goes back to COM's allocator.
void FreeItemIdList(LPITEMIDLIST list) {
    if (auto* free = OleLibrary().Find<decltype(::CoTaskMemFree)>("CoTaskMemFree")) free(list);
}
using UniqueItemIdList = UniqueHandle<LPITEMIDLIST, CloseWith<&FreeItemIdList>>;

constexpr UINT kBrowseFlags = BIF_STATUSTEXT | BIF_VALIDATE | BIF_NEWDIALOGSTYLE;
static_assert(kBrowseFlags == 0x64, "status text, validate and the new dialog style");

// Room for a few hundred files chosen at once; the two characters beyond it keep the
// end of the list terminated whatever the dialog leaves there.
constexpr DWORD kFileBufferChars = 64 * 1024;

// The dialog's answer: one full path, or a folder followed by the names chosen in it.
// Names are separated by one null character and the list ends with two.
std::vector<std::wstring> SplitSelection(const std::vector<wchar_t>& buffer) {
    std::vector<std::wstring> parts;
    for (const wchar_t* p = buffer.data(); *p != L'\0'; p += parts.back().size() + 1)
        parts.emplace_back(p);
    if (parts.size() <= 1) return parts;
    std::wstring folder = parts.front();
    // A drive root already ends in a backslash.
    if (folder.back() != L'\\') folder += L'\\';
    std::vector<std::wstring> files;
    for (size_t i = 1; i < parts.size(); ++i)
        files.push_back(folder + parts[i]);
    return files;
}

} // namespace

std::wstring Win32Dialogs::BrowseForFolder(const std::wstring& title) {
    OleScope ole;
    wchar_t displayName[MAX_PATH] = {};
    BROWSEINFOW info{};
    info.hwndOwner = nullptr;
    info.pidlRoot = nullptr; // the whole shell namespace
    info.pszDisplayName = displayName;
    info.lpszTitle = title.c_str();
    info.ulFlags = kBrowseFlags;
    auto* browse = ShellLibrary().Find<decltype(::SHBrowseForFolderW)>("SHBrowseForFolderW");
    auto* pathOf = ShellLibrary().Find<decltype(::SHGetPathFromIDListW)>("SHGetPathFromIDListW");
    if (!browse || !pathOf) ThrowSystemError(::GetLastError());
    UniqueItemIdList chosen(browse(&info));
    if (!chosen) return {};
    // Items outside the file system (a printer, the control panel) have no path.
    wchar_t path[MAX_PATH] = {};
    if (!pathOf(chosen.Get(), path)) return {};
    return path;
}

std::vector<std::wstring> Win32Dialogs::OpenFiles() {
    std::vector<wchar_t> buffer(kFileBufferChars + 2, L'\0');
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    // Owned by the window in front (the settings dialog), so that it stays put until
    // the files are chosen.
    ofn.hwndOwner = ::GetActiveWindow();
    ofn.lpstrFilter = L"All files\0*.*\0";
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = buffer.data();
    ofn.nMaxFile = kFileBufferChars;
    // The current folder is left alone: a data folder that fell back to a relative
    // path must keep meaning the same place.
    ofn.Flags = OFN_ALLOWMULTISELECT | OFN_EXPLORER | OFN_HIDEREADONLY | OFN_FILEMUSTEXIST |
                OFN_NOCHANGEDIR;
    // Cancelled, or more chosen than the buffer holds: nothing is added either way.
    auto* open = CommonDialogLibrary().Find<decltype(::GetOpenFileNameW)>("GetOpenFileNameW");
    if (!open) ThrowSystemError(::GetLastError());
    if (!open(&ofn)) return {};
    return SplitSelection(buffer);
}

int Win32Dialogs::SmallIconIndex(const std::wstring& path) {
    SHFILEINFOW info{};
    // With the system-index flag the result is the image list, and no icon handle is
    // made that would need destroying.
    static auto* const fileInfo = ShellLibrary().Find<decltype(::SHGetFileInfoW)>("SHGetFileInfoW");
    if (!fileInfo || !fileInfo(path.c_str(), 0, &info, sizeof info,
                               SHGFI_SYSICONINDEX | SHGFI_SMALLICON))
        return 0;
    return info.iIcon;
}

} // namespace platform::win32
