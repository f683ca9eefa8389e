#pragma once
#include <string>

#include "engine/run_state.h"
#include "platform/disk_space.h"

namespace engine {

// Notes each drive a run deletes on, with its free space as it was before the first
// deletion there, so the wrap-up can say how much the drive itself gained. Asked once
// per item: an item on the drive of the one before costs a comparison of its root.
class DriveWatch {
public:
    DriveWatch(platform::DiskSpace& disks, RunState& state) : disks_(disks), state_(state) {}

    void Before(const std::wstring& path) {
        if (!state_.Drives.empty() && OnRoot(path, last_)) return;
        Note(path);
    }

    // "C:\" for a path on drive C, "\\server\share\" for a network path; empty for a
    // path that names neither.
    static std::wstring RootOf(const std::wstring& path);

private:
    static bool OnRoot(const std::wstring& path, const std::wstring& root);
    void Note(const std::wstring& path);

    platform::DiskSpace& disks_;
    RunState& state_;
    std::wstring last_;
};

} // namespace engine
