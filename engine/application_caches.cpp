#include "engine/application_caches.h"

#include "platform/paths.h"
#include "settings/option_set.h"

namespace engine {

namespace {
using platform::RegistryRoot;
constexpr int kStepBy = 10;
const wchar_t* const kAcdseeKey = L"Software\\ACD Systems\\ACDSee\\";
const wchar_t* const kGoogleEarthKey = L"Software\\Google\\Google Earth Plus";

// A name Windows takes as written. It drops trailing dots and blanks (so "..", "."
// and "Windows." lead elsewhere), reads "/" as a separator and ":" as a stream, and
// "~1" usually marks a short alias of a longer name.
bool IsPlainName(const std::wstring& name) {
    if (name.empty() || name.back() == L'.' || name.back() == L' ') return false;
    for (size_t i = 0; i < name.size(); ++i) {
        const wchar_t c = name[i];
        if (static_cast<unsigned long>(c) < 0x20) return false;
        if (std::wstring(L"<>:\"/|?*").find(c) != std::wstring::npos) return false;
        if (c == L'~' && i + 1 < name.size() && name[i + 1] >= L'0' && name[i + 1] <= L'9')
            return false;
    }
    return true;
}

} // namespace

ApplicationCaches::ApplicationCaches(Primitives& walkers, RunState& state, TForm2& options,
                                     platform::Services& services, ResultRows& rows)
    : walkers_(walkers), state_(state), options_(options), services_(services), rows_(rows) {}

void ApplicationCaches::Row(const std::wstring& subject) {
    rows_.AddStampedRow(walkers_.Text(1), subject, picture::Status);
}

bool ApplicationCaches::FolderThere(const std::wstring& path) {
    return !path.empty() && services_.files.DirectoryExists(path);
}

bool ApplicationCaches::EmptyFolders(const std::vector<std::wstring>& folders,
                                     const std::wstring& subject) {
    bool shown = false;
    for (const std::wstring& folder : folders) {
        if (!FolderThere(folder)) continue;
        if (!shown) Row(subject);
        shown = true;
        walkers_.DeleteFolderTree(folder, Top::Keep);
    }
    return shown;
}

void ApplicationCaches::DeleteOneFile(const std::wstring& file, const std::wstring& subject) {
    Row(subject);
    // Counted only; the next deletion of the run shows the total on the status bar.
    walkers_.RemoveFile(file, Tally::Counted);
}

void ApplicationCaches::Firefox() {
    walkers_.AdvanceProgress(kStepBy);
    const std::wstring local = Below(state_.LocalAppData, L"Mozilla\\Firefox\\Profiles");
    if (!FolderThere(local)) return;
    Row(options_.CheckBox8.Caption());
    // The url-classifier databases are the browser's list of unsafe sites: they go only
    // when the user asked for that too.
    const bool urls = options_.CheckBox34.Checked();
    walkers_.DeleteMatching(local,
                            MatchRules()
                                .Folders(L"Cache", NameTest::Exact)
                                .Files(urls ? L"urlclassifier3.sqlite" : L"", NameTest::Exact));
    const std::wstring roaming = Below(state_.AppData, L"Mozilla\\Firefox\\Profiles");
    if (!FolderThere(roaming)) return;
    walkers_.DeleteMatching(roaming,
                            MatchRules()
                                .Folders(L"Cache", NameTest::Exact)
                                .Files(urls ? L"urlclassifier2.sqlite" : L"", NameTest::Exact));
}

void ApplicationCaches::Chrome() {
    walkers_.AdvanceProgress(kStepBy);
    const std::wstring data = Below(state_.LocalAppData, L"Google\\Chrome\\User Data");
    if (!FolderThere(data)) return;
    Row(options_.CheckBox26.Caption());
    // Cache blocks are named data_0.. and f_000001..; they lie at any depth.
    walkers_.DeleteMatching(data, MatchRules().Files(L"data_", NameTest::Within));
    walkers_.DeleteMatching(data, MatchRules().Files(L"f_", NameTest::Within));
}

void ApplicationCaches::Acdsee() {
    walkers_.AdvanceProgress(kStepBy);
    // Another program's registry: a broken entry there must not end the run.
    try {
        AcdseeDatabases();
    } catch (const std::exception&) {
    }
}

void ApplicationCaches::AcdseeDatabases() {
    std::vector<std::wstring> names;
    {
        std::unique_ptr<platform::RegistryKey> key =
            services_.registry.OpenExistingKey(RegistryRoot::CurrentUser, kAcdseeKey);
        if (!key) return;
        names = key->SubkeyNames();
    }
    for (const std::wstring& name : names)
        AcdseeDatabase(name);
}

void ApplicationCaches::AcdseeDatabase(const std::wstring& keyName) {
    std::wstring folder;
    {
        std::unique_ptr<platform::RegistryKey> key = services_.registry.OpenExistingKey(
            RegistryRoot::CurrentUser, std::wstring(kAcdseeKey) + keyName);
        if (!key || !key->ValueExists(L"DBPath")) return;
        folder = key->ReadString(L"DBPath");
    }
    if (!AcceptableDatabaseFolder(folder)) return;
    if (!FolderThere(folder)) return;
    Row(options_.CheckBox21.Caption());
    // Taken as written: named with a trailing backslash the folder is emptied and kept;
    // without one it goes once it is empty.
    const Top top = folder.back() == L'\\' ? Top::Keep : Top::Remove;
    if (walkers_.DeleteFolderTree(folder, top) && options_.CheckBox24.Checked())
        rows_.AddResultRow(folder, picture::DeletedFolder);
}

// The folder comes from another program's settings and is emptied whole, so it must
// be a folder of that program's own: inside the profile or ProgramData, and neither a
// protected folder nor above one, wherever links or spellings make it lead.
bool ApplicationCaches::AcceptableDatabaseFolder(const std::wstring& path) {
    if (!walkers_.Permitted(path)) return false;
    if (walkers_.Guard().InsideDataFolders(path)) return true;
    return walkers_.Refused(path);
}

void ApplicationCaches::GoogleEarth() {
    walkers_.AdvanceProgress(kStepBy);
    try {
        GoogleEarthCache();
    } catch (const std::exception&) {
    }
}

void ApplicationCaches::GoogleEarthCache() {
    std::wstring cache;
    {
        std::unique_ptr<platform::RegistryKey> key =
            services_.registry.OpenExistingKey(RegistryRoot::CurrentUser, kGoogleEarthKey);
        if (!key || !key->ValueExists(L"CachePath")) return;
        Row(options_.CheckBox16.Caption());
        cache = key->ReadString(L"CachePath");
    }
    if (cache.empty() || !walkers_.Permitted(cache)) return;
    // Permitted: the value is a sound path, so it has a normal form.
    const std::wstring file =
        WithBackslash(platform::NormalizePath(cache).value_or(L"")) + L"dbCache.dat";
    if (!services_.files.FileExists(file)) return;
    walkers_.RemoveFile(file, Tally::Counted);
}

void ApplicationCaches::Safari() {
    const std::wstring file = Below(state_.LocalAppData, L"Apple Computer\\Safari\\Cache.db");
    if (file.empty() || !services_.files.FileExists(file)) return;
    DeleteOneFile(file, options_.CheckBox33.Caption());
}

void ApplicationCaches::Opera() {
    const std::wstring cache = Below(state_.LocalAppData, L"Opera\\Opera\\cache\\");
    if (FolderThere(cache)) walkers_.DeleteFolderTree(cache, Top::Keep);
}

void ApplicationCaches::AcrobatReader() {
    walkers_.AdvanceProgress(kStepBy);
    EmptyFolders({Below(state_.LocalAppData, L"Adobe\\Acrobat\\7.0\\Cache\\Search70\\"),
                  Below(state_.LocalAppData, L"Adobe\\Acrobat\\8.0\\Cache\\Search80\\")},
                 options_.CheckBox17.Caption());
}

void ApplicationCaches::FlashCache() {
    walkers_.AdvanceProgress(kStepBy);
    EmptyFolders({Below(state_.AppData, L"Adobe\\Flash Player\\AssetCache\\")},
                 options_.CheckBox40.Caption());
}

void ApplicationCaches::FlashCookies() {
    walkers_.AdvanceProgress(kStepBy);
    EmptyFolders({Below(state_.AppData, L"Macromedia\\Flash Player\\#SharedObjects\\"),
                  Below(state_.AppData, L"Macromedia\\Flash Player\\macromedia.com\\support\\"
                                        L"flashplayer\\sys\\")},
                 options_.CheckBox41.Caption());
}

void ApplicationCaches::Java() {
    walkers_.AdvanceProgress(kStepBy);
    const std::wstring& subject = options_.CheckBox37.Caption();
    if (EmptyFolders({Below(state_.LocalAppData, L"Sun\\Java\\Deployment\\cache\\")}, subject))
        return;
    // Where Java keeps its cache for a low-integrity browser plug-in.
    const std::wstring user = services_.processes.UserName();
    if (!IsPlainName(user) || state_.DriveRoot.empty()) return;
    EmptyFolders({state_.DriveRoot + L"Users\\" + user +
                  L"\\AppData\\LocalLow\\Sun\\Java\\Deployment\\cache\\"},
                 subject);
}

} // namespace engine
