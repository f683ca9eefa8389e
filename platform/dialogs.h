#pragma once
#include <string>
#include <vector>

#include "platform/interface.h"

namespace platform {

// The shell's own pickers and its icon lookup, as the settings dialog uses them.
class Dialogs : public Interface {
public:
    // The shell's folder browser, with no owner window and the whole shell namespace
    // as its root. The chosen item's file-system path (at most MAX_PATH characters);
    // empty when the user cancels or the item has no file-system path.
    virtual std::wstring BrowseForFolder(const std::wstring& title) = 0;
    // The file-open dialog with "All files" as its one filter, several files at once,
    // and no read-only check box. The full paths of the chosen files, in the order the
    // dialog gives them; empty when the user cancels.
    virtual std::vector<std::wstring> OpenFiles() = 0;
    // The path's place in the shell's system list of small icons (the list the path
    // lists show); 0 when the shell has no answer.
    virtual int SmallIconIndex(const std::wstring& path) = 0;
};

} // namespace platform
