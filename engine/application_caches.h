#pragma once
#include <string>
#include <vector>

#include "engine/primitives.h"

namespace engine {

// The caches and databases that other programs keep in the user's profile or name in
// the registry. Each method is one category's work; the run controller checks the
// option and a stop request before calling it. Nothing here goes to the recycle bin.
class ApplicationCaches {
public:
    ApplicationCaches(Primitives& walkers, RunState& state, TForm2& options,
                      platform::Services& services, ResultRows& rows);

    void Firefox();
    void Chrome();
    void Acdsee();
    void GoogleEarth();
    void Safari();
    void Opera();
    void AcrobatReader();
    void FlashCache();
    void FlashCookies();
    void Java();

private:
    void AcdseeDatabases();
    void AcdseeDatabase(const std::wstring& keyName);
    void GoogleEarthCache();
    // True when `path` may be emptied as a database folder another program named.
    bool AcceptableDatabaseFolder(const std::wstring& path);
    // Empties each folder that exists and keeps it; one heading row before the first.
    // False when none existed.
    bool EmptyFolders(const std::vector<std::wstring>& folders, const std::wstring& subject);
    // A heading row, then one known file deleted directly: counted, but the status bar
    // is left as it is.
    void DeleteOneFile(const std::wstring& file, const std::wstring& subject);
    bool FolderThere(const std::wstring& path);
    void Row(const std::wstring& subject);

    Primitives& walkers_;
    RunState& state_;
    TForm2& options_;
    platform::Services& services_;
    ResultRows& rows_;
};

} // namespace engine
