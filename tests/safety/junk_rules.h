#pragma once
#include <cstdint>
#include <string>

namespace safety {

// The options the search-path scan decides by, read from the settings dialog.
struct JunkOptions {
    bool picThumb = false;  // Picthumb
    bool tempFile = false;  // Tempfile
    bool zeroFile = false;  // Zerofile
    bool oldFile = false;   // Oldfile
    bool logFile = false;   // Logfile
    std::wstring filesName; // FilesName, as typed
    std::wstring ext;       // Ext, as typed
};

// Whether a file met by the search-path scan is junk under these options. Written
// from the rules the user is promised, not from the program's code:
//   "Thumbs.db" exactly, with Picthumb; a name starting with "~", with Tempfile; an
//   empty file, with Zerofile; a name in the FilesName list, exactly as typed; then
//   by extension (from the last dot, ASCII letters lowered, the dot and at least one
//   character): "~" first with Tempfile, tmp/old/bak/chk with Oldfile, log with
//   Logfile, or one of the Ext list, which is lowered the same way.
bool IsJunk(const JunkOptions& options, const std::wstring& name, std::uint64_t size);

} // namespace safety
