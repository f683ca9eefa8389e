// Inputs that point a run at places no target may reach: the temporary folder, base
// folders and other programs' registry values naming the user's or the system's own
// folders, and list entries that are roots, relative, hold a NUL or are spelled in
// other ways (slashes, "." and "..", short names, through links) than the path they
// stand for.
#include "tests/safety/scenario_maker.h"

#include "tests/safety/path_text.h"

namespace safety {

using namespace std::string_literals;

namespace {

const std::wstring kProfile = L"C:\\Users\\ann";

// Folders made here that list entries may be spelled through: a short name or a link.
struct Alias {
    std::wstring folder;
    std::wstring shortName;
    std::wstring link;
};
const std::vector<Alias> kAliases = {
    {L"D:\\Targets", L"TARGET~1", L"D:\\Via Targets"},
    {L"D:\\Loose", L"LOOSE~1", L"D:\\Via Loose"},
    {L"D:\\Scan", L"SCAN~1", L"D:\\Via Scan"},
};

} // namespace

const char* HostileName(Hostile kind) {
    switch (kind) {
    case Hostile::TempAtProtected: return "TMP/TEMP at a protected folder";
    case Hostile::EmptyBase: return "a base folder that cannot be worked out";
    case Hostile::RootEntry: return "a drive root or system folder in a list";
    case Hostile::RelativeEntry: return "a relative path in a list";
    case Hostile::NulEntry: return "a NUL character in a list entry";
    case Hostile::OtherSpelling: return "slashes, \".\" or \"..\" in a list entry";
    case Hostile::ShortName: return "a short 8.3 name in a list entry";
    case Hostile::LinkEntry: return "a link in a list entry or exclusion";
    case Hostile::OtherProgram: return "ACDSee or Google Earth at a protected folder";
    case Hostile::EmptyListEntry: return "an empty entry in FilesName or Ext";
    case Hostile::Count: break;
    }
    return "";
}

const std::vector<std::wstring>& ProtectedFolders() {
    static const std::vector<std::wstring> folders = {L"C:\\",
                                                      L"D:\\",
                                                      L"E:\\",
                                                      L"C:\\Windows",
                                                      L"C:\\Windows\\System32",
                                                      L"C:\\Program Files",
                                                      L"C:\\Users",
                                                      kProfile,
                                                      kProfile + L"\\AppData",
                                                      kLocal,
                                                      kRoaming,
                                                      kProfile + L"\\Documents",
                                                      kProfile + L"\\Desktop"};
    return folders;
}

void ScenarioMaker::MakeAliases() {
    for (const Alias& a : kAliases) {
        if (!fakes_.files.DirectoryExists(a.folder)) continue;
        fakes_.files.AddShortName(a.folder, a.shortName);
        fakes_.files.AddJunction(a.link, a.folder);
    }
}

// Another spelling of an existing path, now and then: what the entry stands for stays
// `path`, however it is written.
std::wstring ScenarioMaker::Spelled(const std::wstring& path) {
    const int roll = rng_.Below(100);
    const std::size_t second = path.find(L'\\', 3);
    if (roll < 4) {
        std::wstring s = path;
        for (wchar_t& c : s)
            if (c == L'\\') c = L'/';
        Mark(Hostile::OtherSpelling);
        return s;
    }
    if (roll < 8 && second != std::wstring::npos) {
        Mark(Hostile::OtherSpelling);
        return path.substr(0, 2) + L"\\.\\" + path.substr(3, second - 3) + L"\\sub\\.." +
               path.substr(second);
    }
    if (roll >= 16) return path;
    for (const Alias& a : kAliases) {
        if (!StrictlyBelow(Key(path), Key(a.folder)) && Key(path) != Key(a.folder)) continue;
        const std::wstring rest = path.substr(a.folder.size());
        if (roll < 12) {
            Mark(Hostile::ShortName);
            return L"D:\\" + a.shortName + rest;
        }
        Mark(Hostile::LinkEntry);
        return a.link + rest;
    }
    return path;
}

void ScenarioMaker::HostileInputs() {
    if (rng_.Chance(8)) {
        Mark(Hostile::TempAtProtected);
        fakes_.files.Temp = rng_.Pick(std::vector<std::wstring>{
            kProfile + L"\\", L"C:\\", L"C:\\.", kLocal + L"\\Temp\\..\\..\\", L"C:\\Windows\\",
            kProfile + L"\\Documents", L"\\\\?\\C:\\Users\\", L"C:/Users/ann/./"});
        tempAtProtected_ = true;
    }
    if (rng_.Chance(8)) {
        Mark(Hostile::EmptyBase);
        const int which = rng_.Below(3);
        if (which == 0) {
            fakes_.shell.Folders.erase(platform::csidl::LocalAppData);
            noLocal_ = true;
        } else if (which == 1) {
            fakes_.shell.Folders.erase(platform::csidl::AppData);
            noRoaming_ = true;
        } else {
            fakes_.files.Windows.clear();
        }
    }
    if (rng_.Chance(8)) {
        Mark(Hostile::RootEntry);
        const std::wstring entry = rng_.Pick(std::vector<std::wstring>{
            L"C:\\.", L"D:\\\\", L"\\\\?\\D:\\", L"\\\\.\\D:\\", L"D:\\Targets\\..", L"d:/",
            L"C:\\x\\..\\", kProfile, kLocal + L"\\..\\Roaming\\..", L"C:\\Windows\\System32",
            L"C:\\PROGRA~1", L"C:\\Users\\"});
        // A search path may be any folder, a drive included: only the lists that delete
        // what they name must refuse these.
        options_.DeleteFolderList().Add(entry, true);
    }
    if (rng_.Chance(7)) {
        Mark(Hostile::RelativeEntry);
        const int list = rng_.Below(3);
        if (list == 0)
            options_.DeleteFolderList().Add(rng_.Chance(50) ? L"Targets\\Old" : L"D:Targets", true);
        else if (list == 1)
            options_.DeleteFileList().Add(
                rng_.Chance(50) ? L"Loose\\keep.txt" : L"\\Loose\\keep.txt", true);
        else
            options_.ExcludePathList().Add(L"..\\Scan", true);
    }
    if (rng_.Chance(7)) {
        Mark(Hostile::NulEntry);
        // The file calls would see only the part before the NUL: keep.txt, D:\Keep.
        if (rng_.Chance(50))
            options_.DeleteFileList().Add(L"D:\\Loose\\keep.txt\0.tmp"s, true);
        else
            options_.DeleteFolderList().Add(L"D:\\Keep\0\\x"s, true);
    }
    if (rng_.Chance(10)) OtherProgramsValues();
}

// ACDSee's database folder and Google Earth's cache folder, as those programs store
// them, naming the profile, the user's own folders or a drive.
void ScenarioMaker::OtherProgramsValues() {
    Mark(Hostile::OtherProgram);
    for (const std::wstring& f :
         {kProfile + L"\\Documents\\dbCache.dat", kProfile + L"\\Desktop\\dbCache.dat",
          kProfile + L"\\dbCache.dat", L"C:\\dbCache.dat"s})
        fakes_.files.AddFile(f, 3);
    fakes_.files.AddJunction(kLocal + L"\\ACD\\Pictures", kProfile + L"\\Documents");
    const std::vector<std::wstring> places = {kProfile + L"\\Documents",
                                              kProfile,
                                              L"C:\\",
                                              kLocal + L"\\..\\..\\Desktop",
                                              L"C:/Users/ann/Documents/",
                                              kLocal + L"\\ACD\\Pictures",
                                              kProfile + L"\\Documents\0\\x"s};
    if (rng_.Chance(60)) {
        fakes_.registry.SetString(L"Software\\ACD Systems\\ACDSee\\90", L"DBPath",
                                  rng_.Pick(places));
        options_.Box(settings::Option::Acdsee).SetChecked(true);
    }
    if (rng_.Chance(60)) {
        fakes_.registry.SetString(L"Software\\Google\\Google Earth Plus", L"CachePath",
                                  rng_.Pick(places));
        options_.Box(settings::Option::GoogleEarth).SetChecked(true);
    }
}

// The built-in targets whose base folders a case took away, or whose folder the
// temporary-folder setting moved onto a protected one, may lose nothing.
void ScenarioMaker::Withhold(Unit& u) const {
    const bool onLocal = u.label == L"Thumbnail cache" || u.label == L"Burn cache" ||
                         u.label == L"Chrome" || u.label == L"Opera cache" || u.label == L"Firefox";
    if ((u.label == L"Temporary folder" && tempAtProtected_) || (onLocal && noLocal_)) {
        u.roots.clear();
        u.extraFiles.clear();
    } else if (u.label == L"Firefox" && noRoaming_) {
        u.roots.resize(1);
        u.extraFiles.resize(1);
    }
}

} // namespace safety
