#pragma once
#include <optional>
#include <string>

#include "platform/interface.h"
#include "platform/window_handle.h"

namespace platform {

// Shell special-folder numbers the program asks for.
namespace csidl {
constexpr int Personal = 5;
constexpr int DesktopDirectory = 16;
constexpr int AppData = 26;
constexpr int LocalAppData = 28;
constexpr int InternetCache = 32;
constexpr int ProgramFiles = 38;
constexpr int Profile = 40;
constexpr int ProgramFilesX86 = 42;
} // namespace csidl

class Shell : public Interface {
public:
    // The folder's file-system path as the shell gives it (no trailing backslash added),
    // or nothing when the shell cannot supply it.
    virtual std::optional<std::wstring> SpecialFolder(int csidl) = 0;
    // SHFileOperationW FO_DELETE of one file or folder (a folder with everything in it),
    // silent, without confirmation or error UI; with toRecycleBin the item goes to the
    // recycle bin (FOF_ALLOWUNDO). Returns the operation's result: 0 is success. A path
    // the shell cannot take whole (too long for it) fails; it is never shortened.
    virtual int DeleteWithShell(const std::wstring& path, bool toRecycleBin) = 0;
    // SHEmptyRecycleBinW for every drive, without confirmation, its progress and sound
    // shown over the owner window; true on S_OK.
    virtual bool EmptyRecycleBins(WindowHandle owner) = 0;
    // ShellExecuteW "open" of a document with its associated program; true on success.
    virtual bool OpenDocument(const std::wstring& path) = 0;
};

} // namespace platform
