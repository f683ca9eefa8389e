#pragma once
#include <string>
#include <vector>

#include "platform/platform.h"

class TForm2;

namespace settings {

// Where the "Run Tidyhawk" verb lives for the current user; Explorer merges these keys
// into its view of the classes.
inline constexpr const wchar_t* kDriveVerb = L"Software\\Classes\\Drive\\shell\\Run Tidyhawk";
inline constexpr const wchar_t* kFolderVerb = L"Software\\Classes\\Folder\\shell\\Run Tidyhawk";

// The verb's command: this program with the chosen drive or folder, both quoted.
std::wstring VerbCommand(const std::wstring& programPath);

// Writes the verb for drives and folders when `on`, removes it otherwise. Writing
// errors reach the caller; removal is silent.
void ApplyContextMenu(bool on, platform::Registry& registry, const std::wstring& programPath);

// Offers to add the folder named by the first command-line argument to the search
// paths; on Yes it is added ticked and stored at once through the dialog's OK action.
void OfferCommandLineFolder(const std::vector<std::wstring>& arguments, TForm2& options,
                            platform::Services& services,
                            const std::vector<std::wstring>& uiText);

} // namespace settings
