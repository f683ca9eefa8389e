// The caches and databases that other programs keep in the user's profile or name in
// the registry, one category each; the option table binds each to its option and has
// the bar stepped first where it should be. Nothing here goes to the recycle bin.
#include "engine/category.h"
#include "platform/paths.h"

namespace engine {

using settings::Option;

namespace {
using platform::RegistryRoot;
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

void Row(CategoryRun& run, const std::wstring& subject) {
    run.rows.AddStampedRow(run.walkers.Text(1), subject, picture::Status);
}

bool FolderThere(CategoryRun& run, const std::wstring& path) {
    return !path.empty() && run.services.files.DirectoryExists(path);
}

// Empties each folder that exists and keeps it; one heading row before the first.
// False when none existed.
bool EmptyFolders(CategoryRun& run, const std::vector<std::wstring>& folders,
                  const std::wstring& subject) {
    bool shown = false;
    for (const std::wstring& folder : folders) {
        if (!FolderThere(run, folder)) continue;
        if (!shown) Row(run, subject);
        shown = true;
        run.walkers.DeleteFolderTree(folder, Top::Keep);
    }
    return shown;
}

// A heading row, then one known file deleted directly: counted, but the status bar is
// left as it is.
void DeleteOneFile(CategoryRun& run, const std::wstring& file, const std::wstring& subject) {
    Row(run, subject);
    // Counted only; the next deletion of the run shows the total on the status bar.
    run.walkers.RemoveFile(file, Tally::Counted);
}

// The folder comes from another program's settings and is emptied whole, so it must
// be a folder of that program's own: inside the profile or ProgramData, and neither a
// protected folder nor above one, wherever links or spellings make it lead.
bool AcceptableDatabaseFolder(CategoryRun& run, const std::wstring& path) {
    if (!run.walkers.Permitted(path)) return false;
    if (run.walkers.Guard().InsideDataFolders(path)) return true;
    return run.walkers.Refused(path);
}

void AcdseeDatabase(CategoryRun& run, const std::wstring& keyName) {
    std::wstring folder;
    {
        std::unique_ptr<platform::RegistryKey> key = run.services.registry.OpenExistingKey(
            RegistryRoot::CurrentUser, std::wstring(kAcdseeKey) + keyName);
        if (!key || !key->ValueExists(L"DBPath")) return;
        folder = key->ReadString(L"DBPath");
    }
    if (!AcceptableDatabaseFolder(run, folder)) return;
    if (!FolderThere(run, folder)) return;
    Row(run, run.options.Caption(Option::Acdsee));
    // Taken as written: named with a trailing backslash the folder is emptied and kept;
    // without one it goes once it is empty.
    const Top top = folder.back() == L'\\' ? Top::Keep : Top::Remove;
    if (run.walkers.DeleteFolderTree(folder, top) && run.options.On(Option::Display))
        run.rows.AddResultRow(folder, picture::DeletedFolder);
}

void AcdseeDatabases(CategoryRun& run) {
    std::vector<std::wstring> names;
    {
        std::unique_ptr<platform::RegistryKey> key =
            run.services.registry.OpenExistingKey(RegistryRoot::CurrentUser, kAcdseeKey);
        if (!key) return;
        names = key->SubkeyNames();
    }
    for (const std::wstring& name : names)
        AcdseeDatabase(run, name);
}

void GoogleEarthCache(CategoryRun& run) {
    std::wstring cache;
    {
        std::unique_ptr<platform::RegistryKey> key =
            run.services.registry.OpenExistingKey(RegistryRoot::CurrentUser, kGoogleEarthKey);
        if (!key || !key->ValueExists(L"CachePath")) return;
        Row(run, run.options.Caption(Option::GoogleEarth));
        cache = key->ReadString(L"CachePath");
    }
    if (cache.empty() || !run.walkers.Permitted(cache)) return;
    // Permitted: the value is a sound path, so it has a normal form.
    const std::wstring file =
        WithBackslash(platform::NormalizePath(cache).value_or(L"")) + L"dbCache.dat";
    if (!run.services.files.FileExists(file)) return;
    run.walkers.RemoveFile(file, Tally::Counted);
}

} // namespace

void Firefox(CategoryRun& run) {
    const std::wstring local = Below(run.state.LocalAppData, L"Mozilla\\Firefox\\Profiles");
    if (!FolderThere(run, local)) return;
    Row(run, run.options.Caption(Option::FirefoxCache));
    // The url-classifier databases are the browser's list of unsafe sites: they go only
    // when the user asked for that too.
    const bool urls = run.options.On(Option::FFunsafeurls);
    run.walkers.DeleteMatching(local,
                               MatchRules()
                                   .Folders(L"Cache", NameTest::Exact)
                                   .Files(urls ? L"urlclassifier3.sqlite" : L"", NameTest::Exact));
    const std::wstring roaming = Below(run.state.AppData, L"Mozilla\\Firefox\\Profiles");
    if (!FolderThere(run, roaming)) return;
    run.walkers.DeleteMatching(roaming,
                               MatchRules()
                                   .Folders(L"Cache", NameTest::Exact)
                                   .Files(urls ? L"urlclassifier2.sqlite" : L"", NameTest::Exact));
}

void Chrome(CategoryRun& run) {
    const std::wstring data = Below(run.state.LocalAppData, L"Google\\Chrome\\User Data");
    if (!FolderThere(run, data)) return;
    Row(run, run.options.Caption(Option::ChromeCache));
    // Cache blocks are named data_0.. and f_000001..; they lie at any depth.
    run.walkers.DeleteMatching(data, MatchRules().Files(L"data_", NameTest::Within));
    run.walkers.DeleteMatching(data, MatchRules().Files(L"f_", NameTest::Within));
}

void Acdsee(CategoryRun& run) {
    // Another program's registry: a broken entry there must not end the run.
    try {
        AcdseeDatabases(run);
    } catch (const std::exception&) {
    }
}

void GoogleEarth(CategoryRun& run) {
    try {
        GoogleEarthCache(run);
    } catch (const std::exception&) {
    }
}

void Safari(CategoryRun& run) {
    const std::wstring file = Below(run.state.LocalAppData, L"Apple Computer\\Safari\\Cache.db");
    if (file.empty() || !run.services.files.FileExists(file)) return;
    DeleteOneFile(run, file, run.options.Caption(Option::SafariCache));
}

void Opera(CategoryRun& run) {
    const std::wstring cache = Below(run.state.LocalAppData, L"Opera\\Opera\\cache\\");
    if (FolderThere(run, cache)) run.walkers.DeleteFolderTree(cache, Top::Keep);
}

void AcrobatReader(CategoryRun& run) {
    const std::wstring& local = run.state.LocalAppData;
    EmptyFolders(run,
                 {Below(local, L"Adobe\\Acrobat\\7.0\\Cache\\Search70\\"),
                  Below(local, L"Adobe\\Acrobat\\8.0\\Cache\\Search80\\")},
                 run.options.Caption(Option::Acrobatreader));
}

void FlashCache(CategoryRun& run) {
    EmptyFolders(run, {Below(run.state.AppData, L"Adobe\\Flash Player\\AssetCache\\")},
                 run.options.Caption(Option::Flashcache));
}

void FlashCookies(CategoryRun& run) {
    const std::wstring& roaming = run.state.AppData;
    EmptyFolders(run,
                 {Below(roaming, L"Macromedia\\Flash Player\\#SharedObjects\\"),
                  Below(roaming, L"Macromedia\\Flash Player\\macromedia.com\\support\\"
                                 L"flashplayer\\sys\\")},
                 run.options.Caption(Option::FlashCookies));
}

void Java(CategoryRun& run) {
    const std::wstring& subject = run.options.Caption(Option::Javacache);
    if (EmptyFolders(run, {Below(run.state.LocalAppData, L"Sun\\Java\\Deployment\\cache\\")},
                     subject))
        return;
    // Where Java keeps its cache for a low-integrity browser plug-in.
    const std::wstring user = run.services.processes.UserName();
    if (!IsPlainName(user) || run.state.DriveRoot.empty()) return;
    EmptyFolders(run,
                 {run.state.DriveRoot + L"Users\\" + user +
                  L"\\AppData\\LocalLow\\Sun\\Java\\Deployment\\cache\\"},
                 subject);
}

} // namespace engine
