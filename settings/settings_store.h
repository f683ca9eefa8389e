#pragma once
#include <functional>
#include <optional>

#include "forms/control.h"
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
    // Takes the running total of the scans' deleted items, read with the options (0
    // when none is stored); the clean run keeps it.
    std::function<void(int)> TotalLoaded;

private:
    void LoadBody(platform::RegistryKey& key);

    TForm2& options_;
    platform::Registry& registry_;
};

// The main window's own stored values, beside the options: its placement in screen
// pixels, the toolbar's text mode and the running total of items the scans deleted.
// Each call works on a key from Open, so that several values go in one opening.
class WindowSettings {
public:
    explicit WindowSettings(platform::Registry& registry) : registry_(registry) {}

    // The settings key; errors reach the caller.
    std::unique_ptr<platform::RegistryKey> Open();

    struct Placement {
        bool maximized = false;
        forms::Rect bounds; // screen pixels
    };
    // The saved placement, each value stored replacing that of `current`; nothing when
    // keeping the placement is off or none was saved. Errors reach the caller.
    static std::optional<Placement> LoadPlacement(platform::RegistryKey& key,
                                                  const forms::Rect& current);
    // With `keep` off only that is stored.
    static void SavePlacement(platform::RegistryKey& key, bool keep, const Placement& placement);
    // Whether the toolbar shows its captions; nothing when never stored.
    static std::optional<bool> LoadTextMode(platform::RegistryKey& key);
    static void SaveTextMode(platform::RegistryKey& key, bool captions);
    static void SaveTotalDeleted(platform::RegistryKey& key, int total);

private:
    platform::Registry& registry_;
};

} // namespace settings
