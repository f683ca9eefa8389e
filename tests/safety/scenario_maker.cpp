#include "tests/safety/scenario_maker.h"

#include "settings/option_table.h"
#include "tests/safety/path_text.h"

namespace safety {

namespace {

const std::vector<std::wstring> kExt = {L"",     L"obj;gss", L"OBJ",     L"pih;x y", L".tmp",
                                        L"txt;LOG", L"dat;~x", L"\u00c9T\u00c9", L"Obj;Pih;",
                                        L";;",   L"doc",     L"jpg;Z",   L"b.log"};
const std::vector<std::wstring> kFilesName = {
    L"",           L"notes",   L"desktop.ini;notes", L"Desktop.ini", L"a b.txt", L" lead.txt",
    L"index.dat;zero.dat", L"noext;~", L"Thumbs.db", L"*.*", L"\u00c9t\u00e9.obj", L"data_0;x.obj",
    L"photo.jpg;", L";;notes;"};

Unit Made(UnitKind kind, const wchar_t* label, std::vector<std::wstring> roots, bool on) {
    Unit u;
    u.kind = kind;
    u.label = label;
    u.roots = std::move(roots);
    u.on = on;
    return u;
}

wchar_t OtherCase(wchar_t c) {
    const unsigned long u = static_cast<unsigned long>(c);
    if ((u >= L'a' && u <= L'z') || (u >= 0xE0 && u <= 0xFE && u != 0xF7) ||
        (u >= 0x3B1 && u <= 0x3C9 && u != 0x3C2) || (u >= 0x430 && u <= 0x44F))
        return static_cast<wchar_t>(u - 0x20);
    if ((u >= L'A' && u <= L'Z') || (u >= 0xC0 && u <= 0xDE && u != 0xD7) ||
        (u >= 0x391 && u <= 0x3A9 && u != 0x3A2) || (u >= 0x410 && u <= 0x42F))
        return static_cast<wchar_t>(u + 0x20);
    return c;
}

} // namespace

std::vector<Unit> BuiltInUnits(const TForm2& o, const std::wstring& temp) {
    const std::wstring win = kLocal + L"\\Microsoft\\Windows\\";
    std::vector<Unit> units = {
        Made(UnitKind::Walked, L"Temporary folder", {Trimmed(temp)},
             o.Box(settings::Option::Tempfolder).Checked()),
        Made(UnitKind::Walked, L"IE cache", {win + L"INetCache"},
             o.Box(settings::Option::Interfolder).Checked()),
        Made(UnitKind::Walked, L"Thumbnail cache", {win + L"Explorer"},
             o.Box(settings::Option::Thumbs).Checked()),
        Made(UnitKind::Walked, L"Burn cache", {win + L"Burn"},
             o.Box(settings::Option::Burncache).Checked()),
        Made(UnitKind::Firefox, L"Firefox",
             {kLocal + L"\\Mozilla\\Firefox\\Profiles", kRoaming + L"\\Mozilla\\Firefox\\Profiles"},
             o.Box(settings::Option::FirefoxCache).Checked()),
        Made(UnitKind::Chrome, L"Chrome", {kLocal + L"\\Google\\Chrome\\User Data"},
             o.Box(settings::Option::ChromeCache).Checked()),
        Made(UnitKind::Walked, L"Opera cache", {kLocal + L"\\Opera\\Opera\\cache"},
             o.Box(settings::Option::OperaCache).Checked()),
    };
    // The unsafe-site lists go only when asked for, each from its own profile folder.
    if (o.Box(settings::Option::FFunsafeurls).Checked())
        units[4].extraFiles = {L"urlclassifier3.sqlite", L"urlclassifier2.sqlite"};
    else units[4].extraFiles = {L"", L""};
    return units;
}

ScenarioMaker::ScenarioMaker(platform::fake::FakeServices& fakes, TForm2& options,
                             std::uint64_t seed)
    : fakes_(fakes), options_(options), seed_(seed), rng_(seed), trees_(fakes.files, rng_) {}

Scenario ScenarioMaker::Make() {
    trees_.Surroundings();
    BuiltInTrees();
    UserFolders();
    UserFiles();
    const std::size_t firstFile = trees_.Files.size(), firstFolder = trees_.Folders.size();
    SearchPaths();
    MakeAliases();
    Exclusions(firstFile, firstFolder);
    Options();
    HostileInputs();
    Scenario s;
    s.seed = seed_;
    const int stop = rng_.Below(10);
    s.stop = stop < 4 ? StopMode::None : stop < 7 ? StopMode::AfterRemovals : StopMode::ClickStop;
    s.stopAt = s.stop == StopMode::AfterRemovals ? 1 + rng_.Below(30) : 1 + rng_.Below(150);
    ReadBack(s);
    Describe(s);
    return s;
}

void ScenarioMaker::BuiltInTree(const std::wstring& root, int depth) {
    if (!rng_.Chance(75)) return;
    trees_.Fill(root, depth);
    if (rng_.Chance(10)) trees_.LongChain(root);
}

void ScenarioMaker::BuiltInTrees() {
    const std::wstring win = kLocal + L"\\Microsoft\\Windows\\";
    for (const std::wstring& root : {Trimmed(fakes_.files.Temp), win + L"INetCache",
                                     win + L"Explorer", win + L"Burn",
                                     kLocal + L"\\Opera\\Opera\\cache"})
        BuiltInTree(root, 3);
    trees_.ExtraFolderNames = {L"Cache", L"cache", L"abc.default", L"startupCache", L"Cache2"};
    trees_.ExtraFileNames = {L"urlclassifier3.sqlite", L"urlclassifier2.sqlite",
                             L"URLCLASSIFIER3.SQLITE", L"places.sqlite", L"_CACHE_001_"};
    if (rng_.Chance(75)) {
        trees_.Fill(kLocal + L"\\Mozilla\\Firefox\\Profiles", 3);
        trees_.Fill(kRoaming + L"\\Mozilla\\Firefox\\Profiles", 3);
    }
    trees_.ExtraFolderNames = {L"Default", L"Cache", L"Profile 1", L"Code Cache", L"Cache_Data"};
    trees_.ExtraFileNames = {L"data_1", L"data_2", L"f_00000a", L"Data_3", L"index", L"x f_y",
                             L"F_000002", L"metadata_x", L"my_notes.txt", L"DATA_4"};
    BuiltInTree(kLocal + L"\\Google\\Chrome\\User Data", 3);
    trees_.ExtraFolderNames.clear();
    trees_.ExtraFileNames.clear();
}

std::wstring ScenarioMaker::Caption(const std::wstring& path, bool foldBeyondAscii) {
    std::wstring caption = Spelled(path);
    for (wchar_t& c : caption) {
        const bool ascii = static_cast<unsigned long>(c) < 0x80;
        if ((ascii || foldBeyondAscii) && rng_.Chance(30)) c = OtherCase(c);
    }
    if (rng_.Chance(40)) caption += L'\\';
    return caption;
}

void ScenarioMaker::AddToList(forms::ListView& list, const std::wstring& path, UnitKind kind) {
    // The file system here folds ASCII letters only, so a list entry that the program
    // opens keeps the other letters as stored.
    const std::wstring caption = Caption(path, false);
    list.Add(caption, rng_.Chance(85));
    listed_[Key(path)] = {kind, path};
    listed_[Key(caption)] = {kind, path};
}

void ScenarioMaker::UserFolders() {
    const std::vector<std::wstring> names = {L"Old", L"\u00c4lter Kram", L"\u041f\u0430\u043f\u043a\u0430 2",
                                             L"with blank", L"x.tmp"};
    const int count = rng_.Below(4);
    for (int i = 0; i < count; ++i) {
        const std::wstring path = L"D:\\Targets\\" + names[static_cast<std::size_t>(i)];
        trees_.Fill(path, 2);
        if (rng_.Chance(10)) trees_.LongChain(path);
        AddToList(options_.DeleteFolderList(), path, UnitKind::UserFolder);
    }
    if (rng_.Chance(15)) {
        const std::wstring link = L"D:\\Targets\\LinkTo";
        fakes_.files.AddJunction(link, rng_.Chance(70) ? kPrecious + L"\\Linked" : L"E:\\Gone");
        AddToList(options_.DeleteFolderList(), link, UnitKind::UserFolder);
    }
    if (rng_.Chance(15)) options_.DeleteFolderList().Add(L"D:\\Targets\\Missing", true);
    if (rng_.Chance(10)) options_.DeleteFolderList().Add(L"D:\\", true);
    trees_.Fill(L"D:\\Targets\\Not listed", 1);
}

void ScenarioMaker::UserFiles() {
    const std::vector<std::wstring> names = {L"notes.txt", L"\u00e9t\u00e9 report.doc",
                                             L"Thumbs.db", L"locked.tmp"};
    const int count = rng_.Below(4);
    for (int i = 0; i < count; ++i) {
        std::wstring path = L"D:\\Loose\\" + names[static_cast<std::size_t>(i)];
        if (rng_.Chance(10)) path = L"D:\\Loose\\" + std::wstring(250, L'l') + L"\\far.txt";
        if (fakes_.files.Exists(path)) continue;
        if (rng_.Chance(10)) {
            fakes_.files.AddFileLink(path, kPrecious + L"\\secret.tmp");
        } else {
            fakes_.files.AddFile(path, static_cast<std::uint64_t>(rng_.Below(3)),
                                 rng_.Chance(20) ? platform::attr::ReadOnly : 0);
            if (rng_.Chance(15)) fakes_.files.Lock(path);
        }
        AddToList(options_.DeleteFileList(), path, UnitKind::UserFile);
    }
    fakes_.files.AddFile(L"D:\\Loose\\keep.txt", 4);
    if (rng_.Chance(15)) options_.DeleteFileList().Add(L"D:\\Loose\\missing.txt", true);
}

void ScenarioMaker::SearchPaths() {
    const std::vector<std::wstring> roots = {L"D:\\Scan", L"D:\\Donn\u00e9es",
                                             L"D:\\\u0410\u0440\u0445\u0438\u0432", L"D:\\With Blank"};
    const int count = 1 + rng_.Below(3);
    for (int i = 0; i < count; ++i) {
        const std::wstring path = roots[static_cast<std::size_t>(i)];
        trees_.Fill(path, 3);
        if (rng_.Chance(15)) trees_.LongChain(path);
        AddToList(options_.SearchPathList(), path, UnitKind::SearchPath);
    }
}

// Exclusions name folders or files inside the search paths, a search path itself, a
// whole drive, or a name cut short (which covers nothing), in any letter case.
void ScenarioMaker::Exclusions(std::size_t firstFile, std::size_t firstFolder) {
    std::vector<std::wstring> candidates(trees_.Folders.begin() + static_cast<long>(firstFolder),
                                         trees_.Folders.end());
    candidates.insert(candidates.end(), trees_.Files.begin() + static_cast<long>(firstFile),
                      trees_.Files.end());
    const int count = rng_.Below(4);
    for (int i = 0; i < count && !candidates.empty(); ++i) {
        std::wstring path = rng_.Pick(candidates);
        const int roll = rng_.Below(100);
        if (roll < 5) path = L"D:\\";
        else if (roll < 12) path = L"D:\\Scan";
        else if (roll < 22 && path.size() > 4) path.pop_back();
        const std::wstring caption = Caption(path, true);
        options_.ExcludePathList().Add(caption, rng_.Chance(80));
        excluded_[Key(caption)] = path;
    }
}

void ScenarioMaker::Options() {
    for (const settings::BoolOption& o : settings::BoolOptions())
        options_.Box(o.id).SetChecked(rng_.Chance(60));
    options_.Edit4.SetText(rng_.Pick(kExt));
    options_.Edit1.SetText(rng_.Pick(kFilesName));
}

} // namespace safety
