#pragma once
#include <optional>
#include <string>

namespace platform {

// Shell special-folder numbers the program asks for.
namespace csidl {
constexpr int AppData = 26;
constexpr int LocalAppData = 28;
} // namespace csidl

class Shell {
public:
    virtual ~Shell() = default;
    // The folder's file-system path as the shell gives it (no trailing backslash added),
    // or nothing when the shell cannot supply it.
    virtual std::optional<std::wstring> SpecialFolder(int csidl) = 0;
};

} // namespace platform
