#include "platform/fake/fake_file_tree.h"
#include "platform/fake/fake_services.h"

namespace platform::fake {

std::optional<std::uint64_t> FakeDiskSpace::FreeBytes(const std::wstring& path) {
    const std::wstring full = files_.FullPath(path);
    if (FreeSpaceFails || full.size() < 2) return std::nullopt;
    std::wstring drive = full.substr(0, 2);
    if (drive[0] >= L'a' && drive[0] <= L'z') drive[0] = static_cast<wchar_t>(drive[0] - L'a' + L'A');
    const FakeFileSystem::Node* root = files_.Find(drive + L"\\");
    std::uint64_t used = root ? FileBytes(*root) : 0;
    const auto binned = shell_.RecycleBinBytes.find(drive);
    if (binned != shell_.RecycleBinBytes.end()) used += binned->second;
    return used >= Capacity ? 0 : Capacity - used;
}

std::optional<RecycleBinContents> FakeDiskSpace::RecycleBins() {
    if (BinQueryFails) return std::nullopt;
    RecycleBinContents contents;
    contents.items = shell_.RecycleBin.size();
    for (const auto& drive : shell_.RecycleBinBytes)
        contents.bytes += drive.second;
    return contents;
}

} // namespace platform::fake
