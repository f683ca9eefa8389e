#pragma once
#include <string>

#include "engine/primitives.h"
#include "forms/timer.h"

namespace engine {

// The places Windows itself fills, one short recipe each, and the search index that
// can only go once its service has stopped.
class WindowsLocations {
public:
    WindowsLocations(Primitives& walkers, RunState& state, TForm2& options,
                     platform::Services& services, ResultRows& rows, forms::Timer& searchTimer);

    void TemporaryFolder();
    void InternetCache();
    void SearchIndex();
    void ErrorReports();
    void ThumbnailCache();
    void StopUpdateService();
    void Hotfixes();
    void UpdateDataStore();
    void ReadyBoost();
    void SystemLogs();
    void RestartUpdateService();
    void DiagnosticsFiles();
    void BurnCache();
    void SideBySideStore();
    void MediaPlayerCache();
    void MediaPlayerDatabase();
    // One tick of the wait for the search service (every 500 ms while armed).
    void PollSearchService();

private:
    void TemporaryCategory(const std::wstring& folder, int labelText);
    // Walks `folder` and keeps it, writing a row first when it exists.
    bool StandardFolder(const std::wstring& folder, bool stepFirst, const std::wstring& subject);
    void EmptyIfPresent(const std::wstring& folder);
    // WinDir + "System32\" + rest as this 32-bit program must open it: on 64-bit
    // Windows "System32" would lead to the 32-bit folder.
    std::wstring RealSystem32(const std::wstring& rest);
    void RunHidden(const char* command);
    void Row(const std::wstring& subject);

    Primitives& walkers_;
    RunState& state_;
    TForm2& options_;
    platform::Services& services_;
    ResultRows& rows_;
    forms::Timer& searchTimer_;
    bool updateServiceWasRunning_ = false;
};

} // namespace engine
