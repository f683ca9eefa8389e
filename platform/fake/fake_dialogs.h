#pragma once
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "platform/dialogs.h"

namespace platform::fake {

// The pickers answer from queues that tests fill; an empty queue is a cancelled
// picker. Every question asked is recorded.
class FakeDialogs : public Dialogs {
public:
    std::wstring BrowseForFolder(const std::wstring& title) override;
    std::vector<std::wstring> OpenFiles() override;
    int SmallIconIndex(const std::wstring& path) override;

    std::deque<std::wstring> Folders;
    std::deque<std::vector<std::wstring>> FileSets;
    // Icon index per path; a path not here has no icon (0), as the shell answers for
    // something it cannot resolve.
    std::map<std::wstring, int> Icons;

    std::vector<std::wstring> FolderTitles;
    int FileDialogsShown = 0;
    std::vector<std::wstring> IconLookups;
};

} // namespace platform::fake
