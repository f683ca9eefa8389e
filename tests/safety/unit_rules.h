#pragma once
#include <string>
#include <vector>

#include "tests/safety/snapshot.h"
#include "tests/safety/world.h"

namespace safety {

// What each target of a case may lose, and what it must lose once it ran to its end,
// judged on the file system as it stood before the run.
class UnitRules {
public:
    UnitRules(const Scenario& scenario, const Snapshot& before);

    // The unit whose target holds `key`, or -1 when no target does.
    int UnitOf(const std::wstring& key) const;
    // Removing this entry is within the unit's rules.
    bool May(int unit, const std::wstring& key) const;
    // A complete run of the unit removes this entry.
    bool Must(int unit, const std::wstring& key) const;
    // A file the search-path scan keeps: its attributes stay as they were.
    bool KeptByScan(int unit, const std::wstring& key) const;

private:
    std::wstring RootOf(int unit, const std::wstring& key) const;
    const Item* At(const std::wstring& key) const { return before_.Find(key); }
    bool BelowDenied(const std::wstring& key, const std::wstring& root) const;
    bool Excluded(const std::wstring& key) const;
    bool FitsRecycleBin(const std::wstring& key) const;
    bool WalkerMust(const std::wstring& key, const std::wstring& top) const;
    std::wstring CacheFolder(const std::wstring& key, const std::wstring& root, bool withLinks) const;
    bool FirefoxMay(int unit, const std::wstring& key, const std::wstring& root) const;
    bool FirefoxMust(int unit, const std::wstring& key, const std::wstring& root) const;
    bool UserFolderMust(const std::wstring& key, const std::wstring& root) const;
    bool ScanMay(const std::wstring& key, const std::wstring& root) const;
    bool ScanMust(const std::wstring& key, const std::wstring& root) const;

    const Scenario& s_;
    const Snapshot& before_;
};

} // namespace safety
