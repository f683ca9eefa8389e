#pragma once
#include <optional>
#include <string>

namespace platform {

// Shell special-folder numbers the program asks for.
namespace csidl {
constexpr int AppData = 26;
constexpr int LocalAppData = 28;
constexpr int InternetCache = 32;
} // namespace csidl

class Shell {
public:
    virtual ~Shell() = default;
    // The folder's file-system path as the shell gives it (no trailing backslash added),
    // or nothing when the shell cannot supply it.
    virtual std::optional<std::wstring> SpecialFolder(int csidl) = 0;
    // SHFileOperationW FO_DELETE of one file or folder (a folder with everything in it),
    // silent, without confirmation or error UI; with toRecycleBin the item goes to the
    // recycle bin (FOF_ALLOWUNDO). Returns the operation's result: 0 is success. A path
    // the shell cannot take whole (too long for it) fails; it is never shortened.
    virtual int DeleteWithShell(const std::wstring& path, bool toRecycleBin) = 0;
};

} // namespace platform
