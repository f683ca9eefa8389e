#include "tests/safety/junk_rules.h"

#include "tests/safety/path_text.h"

namespace safety {

namespace {

// ";" + entry + ";" inside ";" + list + ";": the entry between two separators, so
// "a.txt" is not found in "ba.txt" or "a.txt2".
bool ListHolds(const std::wstring& list, const std::wstring& entry) {
    return (L';' + list + L';').find(L';' + entry + L';') != std::wstring::npos;
}

bool ExtensionIsJunk(const JunkOptions& o, const std::wstring& name) {
    const std::size_t dot = name.rfind(L'.');
    if (dot == std::wstring::npos || name.size() - dot < 2) return false;
    const std::wstring ext = AsciiLower(name.substr(dot + 1));
    if (o.tempFile && ext[0] == L'~') return true;
    if (o.oldFile && (ext == L"tmp" || ext == L"old" || ext == L"bak" || ext == L"chk"))
        return true;
    if (o.logFile && ext == L"log") return true;
    return ListHolds(AsciiLower(o.ext), ext);
}

} // namespace

bool IsJunk(const JunkOptions& o, const std::wstring& name, std::uint64_t size) {
    if (name.empty()) return false;
    if (o.picThumb && name == L"Thumbs.db") return true;
    if (o.tempFile && name[0] == L'~') return true;
    if (o.zeroFile && size == 0) return true;
    if (ListHolds(o.filesName, name)) return true;
    return ExtensionIsJunk(o, name);
}

} // namespace safety
