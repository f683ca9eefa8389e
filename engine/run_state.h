#pragma once
#include <string>
#include <vector>

#include "engine/accounting.h"

namespace engine {

// The state of a clean run, shared by the run controller, the walkers and the
// categories. It lives as long as the main window.
struct RunState {
    // Raised when the user confirms a stop; every walker and category winds down.
    bool StopRequested = false;
    // Items deleted in this run, and the bytes they held.
    Accounting Deleted;
    int ElapsedSeconds = 0;
    // Raised for the user's own folders, files and search paths; stays raised after a
    // run until the next one starts.
    bool UserTargetsPhase = false;
    // Raised while the user's targets run: walkers then list every item they delete.
    bool ItemRowsPhase = false;
    std::wstring CategoryLabel;

    // A run nobody watches (/clean): no question and no box, and the window closes when
    // the run ends, stopped or not.
    bool Unattended = false;
    // Items a deletion was refused for in this run; a later walk may still take some.
    std::vector<std::wstring> Refused;
    // How many of them were still there when the run ended (counted by the wrap-up),
    // and the targets refused whole as protected or unsound.
    int StayedCount = 0;
    // Raised by the wrap-up; lowered when the next run starts.
    bool Ended = false;

    // Base paths, worked out once per run; each ends in a backslash.
    std::wstring WinDir;
    std::wstring DriveRoot;
    std::wstring AppData;
    std::wstring LocalAppData;

    // The search index waits for its service to stop.
    std::wstring PendingSearchPath;
    int ServiceWaitTicks = 0;
    // The update service was running when the run stopped it, and is started again.
    bool UpdateServiceWasRunning = false;

    // Items the search-path scans listed as deleted over all runs: read with the
    // options, saved after every run and with the main window's placement.
    int TotalDeleted = 0;
};

} // namespace engine
