#pragma once
#include <functional>
#include <string>
#include <vector>

#include "engine/primitives.h"
#include "settings/options.h"

namespace engine {

// How a file met by the search-path scan matched its rules.
enum class FileMatch { None, Match, ZeroSize };

// The junk rules of the search-path scan, as the options stand when a folder is listed.
struct ScanRules {
    bool thumbs = false;   // "Thumbs.db"
    bool tempFiles = false; // ~name and .~ext
    bool zeroSize = false;
    bool oldFiles = false;  // .tmp .old .bak .chk
    bool logFiles = false;  // .log
    std::wstring fileNames;  // ";a.txt;b.ini;" or empty
    std::wstring extensions; // ";obj;gss;" in lower case, or empty

    static ScanRules From(const settings::Options& options);
    // The first rule that holds decides; only the zero-size rule marks a file as such.
    FileMatch Match(const std::wstring& name, std::uint64_t size) const;
};

// The user's own targets: the folders and files to delete and the search paths that
// are scanned for junk, skipping what the user excluded. The only stretch of a run
// whose deletions may go to the recycle bin and whose items are listed.
class UserTargets {
public:
    UserTargets(Primitives& walkers, RunState& state, const settings::Options& options,
                platform::Services& services, ResultRows& rows);

    void DeleteFolders();
    void DeleteFiles();
    void SearchPaths();
    // Scans one folder below a search path and says whether it was found empty: only
    // a folder that listed completely and held nothing at all, dot entries included.
    bool ScanSearchPath(const std::wstring& path);

private:
    // The rows of one list's entries: the analysis header of each, and the text and
    // picture of an entry that did not go.
    struct ListRows {
        Ui header;
        Ui failed;
        int failedPicture;
    };
    // Deletes one entry, given its caption and where it really is; true when it went.
    using RemoveEntry = std::function<bool(const std::wstring& caption, const std::wstring& path)>;
    // The checked entries of a list in order, until a stop: each permitted one that
    // `exists` finds where it really is goes by `remove`, with a row for how that went.
    void DeleteListed(const forms::ListView& list,
                      bool (platform::FileSystem::*exists)(const std::wstring&),
                      const ListRows& texts, const RemoveEntry& remove);
    bool Excluded(const std::wstring& path);
    void ListItem(const std::wstring& caption, int image);
    // In an analysis: what has been found so far, and the row of one target for what
    // was found since `mark`.
    Accounting Mark() const;
    void Measured(Ui header, const std::wstring& caption, const Accounting& mark);

    Primitives& walkers_;
    RunState& state_;
    const settings::Options& options_;
    platform::Services& services_;
    ResultRows& rows_;
    // The active exclusions where they really are, worked out as the scan starts.
    std::vector<std::wstring> excluded_;
};

} // namespace engine
