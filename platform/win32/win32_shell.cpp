#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

#include "platform/win32/long_path.h"
#include "platform/win32/system_library.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/win32_platform.h"

namespace platform::win32 {
namespace {

// The shell's own result codes for paths it refuses, used for paths it is never given.
constexpr int kShellPathTooDeep = 0x74;
constexpr int kShellInvalidFiles = 0x7C;

// Names the shell would read as something else: it expands wildcards and would delete
// every match, and it drops trailing dots and spaces from names like any Win32 path.
bool NamesSomethingElseToTheShell(const std::wstring& fullPath) {
    return fullPath.find_first_of(std::wstring(L"*?\0", 3)) != std::wstring::npos ||
           HasNameWindowsWouldChange(fullPath);
}

// The path as the shell is to be given it: full, since the shell resolves relative ones
// against whatever the current folder is by then. Non-zero when it cannot be given.
int ShellSourcePath(const std::wstring& path, std::wstring& full) {
    if (path.empty() || IsNamespacePath(path)) return kShellInvalidFiles;
    full = FullPath(path);
    if (full.empty() || NamesSomethingElseToTheShell(full)) return kShellInvalidFiles;
    // The shell's buffers hold MAX_PATH characters and it knows no \\?\ form: a longer
    // path cannot go to it whole, and a shortened one would name something else.
    if (full.size() >= kMaxPathLength) return kShellPathTooDeep;
    return 0;
}

} // namespace

std::optional<std::wstring> Win32Shell::SpecialFolder(int csidl) {
    // Asked for the path itself: going through the folder's item list would have the
    // shell parse the path back into its namespace first, which is slow at start-up.
    // A folder without a file-system path fails the call either way.
    // The call's contract is a MAX_PATH buffer; it cannot return anything longer.
    wchar_t path[MAX_PATH] = {};
    static auto* const folderPath =
        ShellLibrary().Find<decltype(::SHGetFolderPathW)>("SHGetFolderPathW");
    if (!folderPath || FAILED(folderPath(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path)) ||
        path[0] == L'\0')
        return std::nullopt;
    return std::wstring(path);
}

int Win32Shell::DeleteWithShell(const std::wstring& path, bool toRecycleBin) {
    std::wstring from;
    if (int refused = ShellSourcePath(path, from)) return refused;
    // The list of names ends with an empty one: the text's own terminator follows this.
    from.push_back(L'\0');
    SHFILEOPSTRUCTW operation{};
    operation.hwnd = nullptr;
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    operation.fFlags = FOF_SILENT | FOF_NOCONFIRMATION | FOF_NOERRORUI;
    if (toRecycleBin) operation.fFlags |= FOF_ALLOWUNDO;
    static auto* const fileOperation =
        ShellLibrary().Find<decltype(::SHFileOperationW)>("SHFileOperationW");
    if (!fileOperation) return static_cast<int>(::GetLastError());
    int result = fileOperation(&operation);
    if (result == 0 && operation.fAnyOperationsAborted) return ERROR_CANCELLED;
    return result;
}

bool Win32Shell::EmptyRecycleBins(WindowHandle owner) {
    // No question, as the user already chose this; the progress shows, so a large bin
    // is seen to be emptied.
    static auto* const empty =
        ShellLibrary().Find<decltype(::SHEmptyRecycleBinW)>("SHEmptyRecycleBinW");
    return empty && empty(static_cast<HWND>(owner), nullptr, SHERB_NOCONFIRMATION) == S_OK;
}

bool Win32Shell::OpenDocument(const std::wstring& path) {
    // An empty name would open whatever the shell takes for the current folder.
    if (path.empty()) return false;
    // Results above 32 are success; smaller ones are the old error codes.
    static auto* const execute = ShellLibrary().Find<decltype(::ShellExecuteW)>("ShellExecuteW");
    if (!execute) return false;
    HINSTANCE result = execute(nullptr, L"open", path.c_str(), nullptr, nullptr, SW_SHOW);
    return reinterpret_cast<INT_PTR>(result) > 32;
}

} // namespace platform::win32
