#include "settings/settings_store.h"

#include <algorithm>

#include "settings/option_set.h"
#include "settings/option_table.h"

namespace settings {

namespace {

using platform::RegistryKey;
using platform::RegistryRoot;

// No one keeps this many paths; a larger stored count is damage, and reading it
// whole would stall start-up for minutes on missing values.
constexpr int kMaxListItems = 65536;

std::wstring Indexed(const wchar_t* prefix, int i) {
    return prefix + std::to_wstring(i);
}

void LoadList(TForm2& form, RegistryKey& key, const PathListNames& names) {
    if (!key.ValueExists(names.count)) return;
    forms::ListView& list = (form.*names.list)();
    // A list cannot hold more entries than the key holds values: a damaged count is not
    // read through thousands of missing ones.
    const int values = static_cast<int>(std::min<std::size_t>(key.ValueCount(), kMaxListItems));
    const int count = std::min(key.ReadInteger(names.count), values);
    for (int i = 0; i < count; ++i) {
        const std::wstring active = Indexed(names.active, i);
        if (key.ValueExists(active)) list.Add(key.ReadString(active), true);
        const std::wstring inactive = Indexed(names.inactive, i);
        if (key.ValueExists(inactive)) list.Add(key.ReadString(inactive), false);
    }
}

void SaveList(TForm2& form, RegistryKey& key, const PathListNames& names) {
    const forms::ListView& list = (form.*names.list)();
    const int count = list.Count();
    key.WriteInteger(names.count, count);
    for (int i = 0; i < count; ++i) {
        const forms::ListItem& item = list.Item(i);
        const std::wstring keep = Indexed(item.checked ? names.active : names.inactive, i);
        const std::wstring drop = Indexed(item.checked ? names.inactive : names.active, i);
        key.WriteString(keep, item.caption);
        if (key.ValueExists(drop)) key.DeleteValue(drop);
    }
    // Values past the count are left from a longer list; they end at the first gap.
    for (int n = count;; ++n) {
        const std::wstring active = Indexed(names.active, n);
        const std::wstring inactive = Indexed(names.inactive, n);
        if (key.ValueExists(active))
            key.DeleteValue(active);
        else if (key.ValueExists(inactive))
            key.DeleteValue(inactive);
        else
            break;
    }
}

} // namespace

SettingsStore::SettingsStore(TForm2& options, platform::Registry& registry)
    : options_(options), registry_(registry) {}

void SettingsStore::LoadSettings() {
    try {
        std::unique_ptr<RegistryKey> key =
            registry_.OpenKey(RegistryRoot::CurrentUser, SettingsKey);
        LoadBody(*key);
    } catch (...) {
        // A damaged or unreadable key leaves the rest of the options as they are.
    }
}

void SettingsStore::LoadBody(RegistryKey& key) {
    for (const BoolOption* o : LoadOrder()) {
        if (!key.ValueExists(o->name)) continue;
        options_.Box(o->id).SetChecked(key.ReadBool(o->name));
    }
    const int total = key.ValueExists(L"Delfilenum") ? key.ReadInteger(L"Delfilenum") : 0;
    if (TotalLoaded) TotalLoaded(total);
    if (key.ValueExists(L"FilesName")) options_.Edit1.SetText(key.ReadString(L"FilesName"));
    if (key.ValueExists(L"Ext")) options_.Edit4.SetText(key.ReadString(L"Ext"));
    // The up-down keeps its range, so a damaged number lands inside 1..32000.
    if (key.ValueExists(L"Logday")) options_.UpDown1.SetPosition(key.ReadInteger(L"Logday"));
    for (const PathListNames* names : {&DeleteFolders, &DeleteFiles, &SearchPaths, &ExcludePaths})
        LoadList(options_, key, *names);
}

void SettingsStore::SaveOptions() {
    {
        std::unique_ptr<RegistryKey> key =
            registry_.OpenKey(RegistryRoot::CurrentUser, SettingsKey);
        for (const BoolOption* o : SaveOrder())
            key->WriteBool(o->name, options_.On(o->id));
        key->WriteString(L"FilesName", options_.Edit1.Text());
        key->WriteString(L"Ext", options_.Edit4.Text());
        key->WriteInteger(L"Logday", options_.UpDown1.Position());
    }
    if (ApplyContextMenu) ApplyContextMenu();
}

std::unique_ptr<RegistryKey> WindowSettings::Open() {
    return registry_.OpenKey(RegistryRoot::CurrentUser, SettingsKey);
}

std::optional<WindowSettings::Placement> WindowSettings::LoadPlacement(RegistryKey& key,
                                                                       const forms::Rect& current) {
    if (key.ValueExists(L"Savepos") && !key.ReadBool(L"Savepos")) return std::nullopt;
    if (!key.ValueExists(L"Maximize")) return std::nullopt;
    Placement placement{key.ReadBool(L"Maximize"), current};
    if (placement.maximized) return placement;
    auto read = [&key](const wchar_t* name, int& into) {
        if (key.ValueExists(name)) into = key.ReadInteger(name);
    };
    read(L"Left", placement.bounds.left);
    read(L"Top", placement.bounds.top);
    read(L"Width", placement.bounds.width);
    read(L"Height", placement.bounds.height);
    return placement;
}

void WindowSettings::SavePlacement(RegistryKey& key, bool keep, const Placement& placement) {
    key.WriteBool(L"Savepos", keep);
    if (!keep) return;
    key.WriteBool(L"Maximize", placement.maximized);
    if (placement.maximized) return;
    key.WriteInteger(L"Left", placement.bounds.left);
    key.WriteInteger(L"Top", placement.bounds.top);
    key.WriteInteger(L"Width", placement.bounds.width);
    key.WriteInteger(L"Height", placement.bounds.height);
}

std::optional<bool> WindowSettings::LoadTextMode(RegistryKey& key) {
    if (!key.ValueExists(L"DisplayText")) return std::nullopt;
    return key.ReadBool(L"DisplayText");
}

void WindowSettings::SaveTextMode(RegistryKey& key, bool captions) {
    key.WriteBool(L"DisplayText", captions);
}

void WindowSettings::SaveTotalDeleted(RegistryKey& key, int total) {
    key.WriteInteger(L"Delfilenum", total);
}

void SettingsStore::SaveLists() {
    std::unique_ptr<RegistryKey> key = registry_.OpenKey(RegistryRoot::CurrentUser, SettingsKey);
    for (const PathListNames* names : {&SearchPaths, &DeleteFolders, &DeleteFiles, &ExcludePaths})
        SaveList(options_, *key, *names);
}

} // namespace settings
