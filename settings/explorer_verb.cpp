#include "settings/explorer_verb.h"

#include "engine/ui_lines.h"
#include "platform/paths.h"
#include "settings/option_set.h"

namespace settings {

namespace {

using platform::RegistryRoot;

using engine::Ui;

const std::wstring& Line(const std::vector<std::wstring>& text, Ui id) {
    return engine::UiLine(text, id);
}

} // namespace

std::wstring VerbCommand(const std::wstring& programPath) {
    return L"\"" + programPath + L"\" \"%1\"";
}

void ApplyContextMenu(bool on, platform::Registry& registry, const std::wstring& programPath) {
    if (on) {
        for (const wchar_t* verb : {kDriveVerb, kFolderVerb}) {
            registry.OpenKey(RegistryRoot::CurrentUser, std::wstring(verb) + L"\\command")
                ->WriteString(L"", VerbCommand(programPath));
        }
        return;
    }
    for (const wchar_t* verb : {kDriveVerb, kFolderVerb}) {
        if (registry.KeyExists(RegistryRoot::CurrentUser, verb))
            registry.DeleteKeyTree(RegistryRoot::CurrentUser, verb);
        // A machine-wide verb from an older setup goes too, where this user may remove it.
        if (registry.KeyExists(RegistryRoot::LocalMachine, verb))
            registry.DeleteKeyTree(RegistryRoot::LocalMachine, verb);
    }
}

void OfferCommandLineFolder(const std::vector<std::wstring>& arguments, TForm2& options,
                            platform::Services& services, const std::vector<std::wstring>& uiText) {
    if (arguments.empty()) return;
    // Stored in its normal form ("C:/Photos/./" is C:\Photos), and a folder already in
    // the list in any spelling is not offered again.
    const std::optional<std::wstring> normalized = platform::NormalizePath(arguments.front());
    if (!normalized || !services.files.DirectoryExists(*normalized)) return;
    const std::wstring folder = services.files.LongPath(*normalized);
    forms::ListView& paths = options.SearchPathList();
    for (int i = 0; i < paths.Count(); ++i) {
        const std::optional<std::wstring> listed = platform::NormalizePath(paths.Item(i).caption);
        if (services.files.SameIgnoringCase(listed.value_or(paths.Item(i).caption), folder)) return;
    }
    const std::wstring question = Line(uiText, Ui::AddQuestion) + L" '" + folder + L"' " + Line(uiText, Ui::ToSearchPath);
    const unsigned flags =
        platform::mb::YesNo | platform::mb::IconQuestion | platform::mb::TaskModal;
    if (services.messages.Show(question, L"Add path", flags) != platform::answer::Yes) return;
    paths.Add(folder, true);
    options.Button3Click();
}

} // namespace settings
