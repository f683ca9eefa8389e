#include "settings/option_table.h"

#include <cwchar>

#include "settings/option_set.h"

namespace settings {

const std::vector<BoolOption>& BoolOptions() {
    static const std::vector<BoolOption> options = {
        {L"Tempfolder", &TForm2::CheckBox1, L"Temporary folder", true, true},
        {L"Interfolder", &TForm2::CheckBox2, L"IE Temporary folder", true, true},
        {L"Recycle", &TForm2::CheckBox3,
         L"Delete files of search pathes to Recycle bin(others delete directly)", true, true},
        {L"Thumbs", &TForm2::CheckBox4, L"Picture Thumb Cache", true, true},
        {L"Tempfile", &TForm2::CheckBox5, L"Temporary files (*.~xy, ~xy.*)", true, true},
        {L"Oldfile", &TForm2::CheckBox6, L".tmp .old .bak .chk ", true, true},
        {L"Delfolder", &TForm2::CheckBox7, L"Also delete folder itself", false, false},
        {L"FirefoxCache", &TForm2::CheckBox8, L"Firefox cache folder", true, true},
        {L"Displaybox", &TForm2::CheckBox9, L"Display confirmation box when start clean", false,
         true},
        {L"Errorreport", &TForm2::CheckBox10, L"Windows error report", true, true},
        {L"Logs", &TForm2::CheckBox11, L"Save log for ", false, false},
        {L"Zerofile", &TForm2::CheckBox12, L"0 size file", false, false},
        {L"Picthumb", &TForm2::CheckBox13, L"Picture Thumb files", true, true},
        {L"Savepos", &TForm2::CheckBox14, L"Restore window size when run", true, true},
        {L"Contextmenu", &TForm2::CheckBox15, L"Integrated with Windows Explorer context menu",
         true, true},
        {L"GoogleEarth", &TForm2::CheckBox16, L"Google Earth Cache", true, true},
        {L"Acrobatreader", &TForm2::CheckBox17, L"Acrobat Reader Cache", true, true},
        {L"Autobegin", &TForm2::CheckBox18, L"Automatically begin clean when program start", false,
         true},
        {L"Hotfix", &TForm2::CheckBox19, L"Windows hotfix or patch", true, true},
        {L"Logfile", &TForm2::CheckBox20, L"Log files (*.log)", false, true},
        {L"Acdsee", &TForm2::CheckBox21, L"Acdsee database", true, true},
        {L"WDIfile", &TForm2::CheckBox22, L"WDI created files", true, true},
        {L"Empfolder", &TForm2::CheckBox23, L"Delete empty folder", false, false},
        {L"Display", &TForm2::CheckBox24,
         L"Display the deleted file which was found in the search pathes", true, true},
        {L"DataStore", &TForm2::CheckBox25, L"Update DataStore", true, true},
        {L"ChromeCache", &TForm2::CheckBox26, L"Google Chrome Cache", true, true},
        {L"Burncache", &TForm2::CheckBox29, L"DVD burn Cache", true, true},
        {L"Displayresultsbox", &TForm2::CheckBox30, L"Display results box when completed clean",
         true, true},
        {L"Emptyrecycle", &TForm2::CheckBox31, L"Empty Recycle Bin automatically", false, false},
        {L"ReadyBoost", &TForm2::CheckBox32, L"ReadyBoost  Cache", true, true},
        {L"SafariCache", &TForm2::CheckBox33, L"Apple Safari Cache", true, true},
        {L"FFunsafeurls", &TForm2::CheckBox34, L"Firefox unsafe url database", true, false},
        {L"Autoclose", &TForm2::CheckBox35, L"Automatically close program after completed clean",
         false, true},
        {L"ShowEmptyrecycle", &TForm2::CheckBox36, L"Show empty Recycle Bin dialog", true, false},
        {L"Javacache", &TForm2::CheckBox37, L"Sun Java Cache", true, true},
        {L"SearchDB", &TForm2::CheckBox38, L"Search database and index", true, true},
        {L"WMPcache", &TForm2::CheckBox39, L"Windows Media Player Cache", true, true},
        {L"Flashcache", &TForm2::CheckBox40, L"Adobe Flash Cache ", true, true},
        {L"Flaxhcookies", &TForm2::CheckBox41, L"Adobe Flash cookies", true, true},
        {L"OperaCache", &TForm2::CheckBox42, L"Opera Cache", true, true},
        {L"Winsxs", &TForm2::CheckBox43, L"Backup and Cache folder in 'winsxs'", true, true},
        {L"WMPdatabase", &TForm2::CheckBox44, L"Windows Media Player Database", false, false},
    };
    return options;
}

const BoolOption* FindOption(const wchar_t* name) {
    for (const BoolOption& o : BoolOptions())
        if (std::wcscmp(o.name, name) == 0) return &o;
    return nullptr;
}

const std::vector<const wchar_t*>& LoadOrder() {
    static const std::vector<const wchar_t*> order = {
        L"Tempfolder",   L"Interfolder",       L"Recycle",      L"Thumbs",
        L"Tempfile",     L"Oldfile",           L"Delfolder",    L"FirefoxCache",
        L"Displaybox",   L"Errorreport",       L"Logs",         L"Zerofile",
        L"Picthumb",     L"Savepos",           L"Contextmenu",  L"GoogleEarth",
        L"Acrobatreader", L"Hotfix",           L"Logfile",      L"Acdsee",
        L"WDIfile",      L"Empfolder",         L"Display",      L"DataStore",
        L"ChromeCache",  L"Burncache",         L"Displayresultsbox", L"Emptyrecycle",
        L"ShowEmptyrecycle", L"Autobegin",     L"Autoclose",    L"ReadyBoost",
        L"SafariCache",  L"Javacache",         L"SearchDB",     L"WMPcache",
        L"Flashcache",   L"Flaxhcookies",      L"OperaCache",   L"Winsxs",
        L"WMPdatabase",  L"FFunsafeurls",
    };
    return order;
}

const std::vector<const wchar_t*>& SaveOrder() {
    static const std::vector<const wchar_t*> order = {
        L"Tempfolder",   L"Interfolder",  L"Recycle",      L"Thumbs",
        L"Tempfile",     L"Oldfile",      L"Delfolder",    L"FirefoxCache",
        L"FFunsafeurls", L"Displaybox",   L"Errorreport",  L"Logs",
        L"Zerofile",     L"Picthumb",     L"Savepos",      L"Contextmenu",
        L"GoogleEarth",  L"Acrobatreader", L"Hotfix",      L"Logfile",
        L"Acdsee",       L"WDIfile",      L"Empfolder",    L"Display",
        L"DataStore",    L"ChromeCache",  L"Burncache",    L"SafariCache",
        L"Javacache",    L"SearchDB",     L"WMPcache",     L"Flashcache",
        L"Flaxhcookies", L"OperaCache",   L"Winsxs",       L"WMPdatabase",
        L"Displayresultsbox", L"Emptyrecycle", L"ShowEmptyrecycle", L"Autobegin",
        L"Autoclose",    L"ReadyBoost",
    };
    return order;
}

const PathListNames SearchPaths{&TForm2::SearchPathList, L"Pathnum", L"Patha", L"Pathb"};
const PathListNames ExcludePaths{&TForm2::ExcludePathList, L"Pathexnum", L"Pathexa", L"Pathexb"};
const PathListNames DeleteFolders{&TForm2::DeleteFolderList, L"Foldernum", L"Foldera",
                                  L"Folderb"};
const PathListNames DeleteFiles{&TForm2::DeleteFileList, L"Filenum", L"Filea", L"Fileb"};

} // namespace settings
