#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "tests/safety/junk_rules.h"

namespace safety {

// The profile the generated worlds live in.
inline const std::wstring kLocal = L"C:\\Users\\ann\\AppData\\Local";
inline const std::wstring kRoaming = L"C:\\Users\\ann\\AppData\\Roaming";

// How a target's content may go.
enum class UnitKind {
    Walked,     // a built-in folder emptied and kept
    Chrome,     // cache blocks by name
    Firefox,    // "Cache" folders and, on request, the unsafe-site lists
    UserFolder, // DeleteFolderList
    UserFile,   // DeleteFileList
    SearchPath, // SearchPathList, scanned for junk
};

// One target of a run: a category or one ticked list entry, in the order a run takes
// them. Roots are real paths; nothing outside the roots of the units that are on may
// change.
struct Unit {
    UnitKind kind = UnitKind::Walked;
    std::wstring label;
    std::vector<std::wstring> roots;
    bool on = false;
    // Firefox: which unsafe-site list each root may lose ("" for none).
    std::vector<std::wstring> extraFiles;
};

enum class StopMode { None, AfterRemovals, ClickStop };

// The kinds of input a case may draw that point at places no target may reach.
enum class Hostile {
    TempAtProtected,
    EmptyBase,
    RootEntry,
    RelativeEntry,
    NulEntry,
    OtherSpelling,
    ShortName,
    LinkEntry,
    OtherProgram,
    EmptyListEntry,
    Count
};
const char* HostileName(Hostile kind);
// Folders nothing may remove, nor anything above them, whatever a case's inputs say.
const std::vector<std::wstring>& ProtectedFolders();

// Everything the checks need to know about a case besides the file system itself.
struct Scenario {
    std::uint64_t seed = 0;
    std::vector<Unit> units; // in run order, only those that are on
    std::vector<std::wstring> exclusions; // ticked, as the paths they stand for
    JunkOptions junk;
    bool recycle = false;
    bool delFolder = false;
    bool empFolder = false;
    StopMode stop = StopMode::None;
    int stopAt = 0;
    std::wstring logPath;
    // Which kinds of hostile input the case drew, one bit per Hostile.
    std::uint32_t hostile = 0;
    // For the report: the settings in short.
    std::vector<std::wstring> settingsText;
};

} // namespace safety
