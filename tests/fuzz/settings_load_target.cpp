// The settings key filled with arbitrary values of arbitrary types, then the program
// started headless over it: start-up reads the key (options, lists, window placement,
// toolbar mode) and must come through whatever it finds.
#include <memory>

#include "app/main_window.h"
#include "app/program.h"
#include "forms/headless/headless_backend.h"
#include "platform/fake/fake_services.h"
#include "settings/option_set.h"
#include "settings/option_table.h"
#include "settings/settings_store.h"
#include "tests/fuzz/fuzz_input.h"
#include "tests/fuzz/fuzz_targets.h"

namespace fuzz {

namespace {

using platform::fake::StoredValue;
using platform::fake::ValueType;

// Names the program reads, besides the 42 options; list entries take an index.
const wchar_t* const kNames[] = {L"Delfilenum", L"FilesName", L"Ext",       L"Logday",
                                 L"Pathnum",    L"Pathexnum", L"Foldernum", L"Filenum",
                                 L"Savepos",    L"Maximize",  L"Left",      L"Top",
                                 L"Width",      L"Height",    L"DisplayText"};
const wchar_t* const kIndexed[] = {L"Patha", L"Pathb",   L"Pathexa", L"Pathexb",
                                   L"Foldera", L"Folderb", L"Filea",   L"Fileb"};

std::wstring ValueName(Input& in) {
    const std::uint8_t choice = in.Byte();
    const std::size_t names = sizeof kNames / sizeof kNames[0];
    const std::size_t options = settings::BoolOptions().size();
    if (choice < names) return kNames[choice];
    if (choice < names + options) return settings::BoolOptions()[choice - names].name;
    if (choice < 200) return kIndexed[choice % 8] + std::to_wstring(in.Byte() % 6);
    return in.Text(12);
}

// Counts near the limits and at zero or below come up often.
std::uint32_t Number(Input& in) {
    const std::uint8_t kind = in.Byte();
    if (kind < 64) return kind % 8;
    if (kind < 96) return 0x80000000u + kind % 4;
    if (kind < 128) return 0xFFFFFFFFu - kind % 4;
    if (kind < 144) return 65535u + kind % 3;
    return in.Number();
}

void Fill(platform::fake::FakeRegistry& registry, Input& in) {
    for (int i = 0; i < 64 && !in.Done(); ++i) {
        const std::wstring name = ValueName(in);
        StoredValue value;
        const std::uint8_t type = in.Byte() % 3;
        value.type = type == 0 ? ValueType::Dword : type == 1 ? ValueType::String : ValueType::Binary;
        if (value.type == ValueType::String) value.text = in.Text(300);
        else value.number = Number(in);
        registry.Set(platform::RegistryRoot::CurrentUser, settings::SettingsKey, name, value);
    }
}

} // namespace

const char* SettingsLoad(const std::uint8_t* data, std::size_t size) {
    Input in(data, size);
    platform::fake::FakeServices fakes;
    fakes.shell.Folders[platform::csidl::AppData] = L"C:\\Users\\ann\\AppData\\Roaming";
    const std::uint8_t faults = in.Byte();
    Fill(fakes.registry, in);
    if (faults & 2) fakes.registry.FailWritesAfter = faults >> 2;
    platform::Services services = fakes.View();
    forms::HeadlessBackend backend;
    forms::Application application{backend, fakes.messages};
    app::Program program(application, services, {});
    program.Form1().Show();
    backend.Advance(250);
    // A key that cannot be opened at all: a load keeps the options as they are. (The
    // main window opens the key before any of this, so the refusal comes only now.)
    fakes.registry.FailOpen = (faults & 1) != 0;
    program.Form2().Store.LoadSettings();
    const int days = program.Form2().UpDown1.Position();
    if (days < 1 || days > 32000) return "the log's days left their range";
    for (forms::ListView* list : {&program.Form2().SearchPathList(), &program.Form2().ExcludePathList(),
                                  &program.Form2().DeleteFolderList(), &program.Form2().DeleteFileList()})
        if (list->Count() > 2 * 2 * 65536) return "a list grew past what two loads may add";
    return nullptr;
}

} // namespace fuzz
