#pragma once
#include <functional>

#include "platform/registry.h"

class TForm2;

namespace settings {

// The one key of every setting, under HKEY_CURRENT_USER.
inline constexpr const wchar_t* SettingsKey = L"Software\\Ambervale\\Purgo";

// Moves the option set between the settings dialog's controls and the registry.
class SettingsStore {
public:
    SettingsStore(TForm2& options, platform::Registry& registry);

    // Copies every stored value into its control and appends the stored list items.
    // Errors are swallowed: a wrong-typed value stops the load where it stands.
    void LoadSettings();
    // Writes the boolean, text and number options, then applies the Explorer verb.
    // Errors reach the caller.
    void SaveOptions();
    // Writes the four path lists, numbered from 0 in display order, and removes the
    // values left over from longer lists. Errors reach the caller.
    void SaveLists();

    // The Explorer verb step that ends SaveOptions, set by whoever provides it.
    std::function<void()> ApplyContextMenu;

private:
    void LoadBody(platform::RegistryKey& key);

    TForm2& options_;
    platform::Registry& registry_;
};

} // namespace settings
