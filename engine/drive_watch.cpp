#include "engine/drive_watch.h"

#include "platform/paths.h"

namespace engine {

namespace {

std::wstring WithoutLongPrefix(const std::wstring& path) {
    if (path.compare(0, 8, L"\\\\?\\UNC\\") == 0) return L"\\\\" + path.substr(8);
    if (path.compare(0, 4, L"\\\\?\\") == 0) return path.substr(4);
    return path;
}

} // namespace

std::wstring DriveWatch::RootOf(const std::wstring& path) {
    const std::wstring p = WithoutLongPrefix(path);
    if (p.size() >= 2 && p[1] == L':' &&
        ((p[0] >= L'A' && p[0] <= L'Z') || (p[0] >= L'a' && p[0] <= L'z'))) {
        const wchar_t letter = p[0] >= L'a' ? static_cast<wchar_t>(p[0] - L'a' + L'A') : p[0];
        return std::wstring(1, letter) + L":\\";
    }
    if (p.compare(0, 2, L"\\\\") != 0) return {};
    const std::size_t server = p.find(L'\\', 2);
    if (server == std::wstring::npos || server == 2) return {};
    const std::size_t share = p.find(L'\\', server + 1);
    const std::wstring root = p.substr(0, share);
    return root.size() > server + 1 ? root + L'\\' : std::wstring();
}

bool DriveWatch::OnRoot(const std::wstring& path, const std::wstring& root) {
    if (root.size() == 3 && root[1] == L':')
        return path.size() >= 2 && path[1] == L':' && (path[0] & ~0x20) == root[0];
    return RootOf(path) == root;
}

void DriveWatch::Note(const std::wstring& path) {
    const std::wstring root = RootOf(path);
    if (root.empty()) return;
    last_ = root;
    for (const RunState::DriveFree& d : state_.Drives)
        if (platform::SamePath(d.root, root)) return;
    // A drive that cannot be asked is left out of the report rather than shown wrong.
    const std::optional<std::uint64_t> free = disks_.FreeBytes(root);
    if (free) state_.Drives.push_back({root, *free});
}

} // namespace engine
