// Reading a generated case back from the settings dialog: what the run will see.
#include "settings/option_table.h"
#include "tests/safety/path_text.h"
#include "tests/safety/scenario_maker.h"

namespace safety {

void ScenarioMaker::ReadBack(Scenario& s) {
    const TForm2& o = options_;
    s.junk.picThumb = o.Box(settings::Option::Picthumb).Checked();
    s.junk.tempFile = o.Box(settings::Option::Tempfile).Checked();
    s.junk.zeroFile = o.Box(settings::Option::Zerofile).Checked();
    s.junk.oldFile = o.Box(settings::Option::Oldfile).Checked();
    s.junk.logFile = o.Box(settings::Option::Logfile).Checked();
    s.junk.filesName = o.Edit1.Text();
    s.junk.ext = o.Edit4.Text();
    s.recycle = o.Box(settings::Option::Recycle).Checked();
    s.delFolder = o.Box(settings::Option::Delfolder).Checked();
    s.empFolder = o.Box(settings::Option::Empfolder).Checked();
    s.logPath = o.Box(settings::Option::Logs).Checked() ? o.LogPath : std::wstring();
    for (Unit& u : BuiltInUnits(o, fakes_.files.Temp)) {
        if (!u.on) continue;
        Withhold(u);
        s.units.push_back(u);
    }
    // The lists run in the order they show, folders, then files, then search paths.
    ReadBackList(s, options_.DeleteFolderList(), L"folder");
    ReadBackList(s, options_.DeleteFileList(), L"file");
    ReadBackList(s, options_.SearchPathList(), L"search path");
    const forms::ListView& exclusions = options_.ExcludePathList();
    for (int i = 0; i < exclusions.Count(); ++i)
        if (exclusions.Item(i).checked) {
            const auto it = excluded_.find(Key(exclusions.Item(i).caption));
            s.exclusions.push_back(it != excluded_.end() ? it->second : exclusions.Item(i).caption);
        }
    const auto emptyEntry = [](const std::wstring& list) {
        return !list.empty() && (list.front() == L';' || list.back() == L';' ||
                                 list.find(L";;") != std::wstring::npos);
    };
    if (emptyEntry(s.junk.filesName) || emptyEntry(s.junk.ext)) Mark(Hostile::EmptyListEntry);
    s.hostile = hostile_;
}

void ScenarioMaker::ReadBackList(Scenario& s, forms::ListView& list, const wchar_t* what) {
    for (int i = 0; i < list.Count(); ++i) {
        const forms::ListItem& item = list.Item(i);
        auto it = listed_.find(Key(item.caption));
        if (!item.checked || it == listed_.end()) continue;
        const Listed& entry = it->second;
        const bool there = entry.kind == UnitKind::UserFile
                               ? fakes_.files.FileExists(entry.path)
                               : fakes_.files.DirectoryExists(entry.path);
        if (!there) continue;
        Unit u;
        u.kind = entry.kind;
        u.label = std::wstring(what) + L" " + item.caption;
        u.roots = {entry.path};
        u.on = true;
        s.units.push_back(u);
    }
}

void ScenarioMaker::Describe(Scenario& s) {
    std::wstring on = L"options on:";
    for (const settings::BoolOption& o : settings::BoolOptions())
        if (options_.Box(o.id).Checked()) on += std::wstring(L" ") + o.name;
    s.settingsText.push_back(on);
    s.settingsText.push_back(L"Ext=\"" + options_.Edit4.Text() + L"\" FilesName=\"" +
                             options_.Edit1.Text() + L"\"");
    const std::pair<const wchar_t*, forms::ListView*> lists[] = {
        {L"folder", &options_.DeleteFolderList()},
        {L"file", &options_.DeleteFileList()},
        {L"search path", &options_.SearchPathList()},
        {L"exclusion", &options_.ExcludePathList()}};
    for (const auto& [what, list] : lists)
        for (int i = 0; i < list->Count(); ++i)
            s.settingsText.push_back(std::wstring(list->Item(i).checked ? L"[x] " : L"[ ] ") +
                                     what + L" \"" + list->Item(i).caption + L"\"");
    const wchar_t* stop = s.stop == StopMode::None            ? L"none"
                          : s.stop == StopMode::AfterRemovals ? L"after removals"
                                                              : L"Stop clicked after pumps";
    s.settingsText.push_back(std::wstring(L"stop: ") + stop +
                             (s.stop == StopMode::None ? L"" : L" " + std::to_wstring(s.stopAt)));
}

} // namespace safety
