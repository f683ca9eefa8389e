#include "settings/explorer_verb.h"

#include "platform/paths.h"
#include "settings/option_set.h"

namespace settings {

namespace {

using platform::RegistryRoot;

const std::wstring& Line(const std::vector<std::wstring>& text, size_t n) {
    static const std::wstring empty;
    return n < text.size() ? text[n] : empty;
}

bool SameText(const std::wstring& a, const std::wstring& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (platform::FoldCase(a[i]) != platform::FoldCase(b[i])) return false;
    return true;
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
                            platform::Services& services,
                            const std::vector<std::wstring>& uiText) {
    if (arguments.empty()) return;
    const std::wstring& folder = arguments.front();
    if (folder.empty() || !services.files.DirectoryExists(folder)) return;
    forms::ListView& paths = options.SearchPathList();
    for (int i = 0; i < paths.Count(); ++i)
        if (SameText(paths.Item(i).caption, folder)) return;
    const std::wstring question = Line(uiText, 37) + L" '" + folder + L"' " + Line(uiText, 38);
    const unsigned flags =
        platform::mb::YesNo | platform::mb::IconQuestion | platform::mb::TaskModal;
    if (services.messages.Show(question, L"Add path", flags) != platform::answer::Yes) return;
    paths.Add(folder, true);
    options.Button3Click();
}

} // namespace settings
