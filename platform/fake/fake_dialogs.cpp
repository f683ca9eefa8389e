#include "platform/fake/fake_dialogs.h"

namespace platform::fake {

std::wstring FakeDialogs::BrowseForFolder(const std::wstring& title) {
    FolderTitles.push_back(title);
    if (Folders.empty()) return {};
    std::wstring answer = std::move(Folders.front());
    Folders.pop_front();
    return answer;
}

std::vector<std::wstring> FakeDialogs::OpenFiles() {
    ++FileDialogsShown;
    if (FileSets.empty()) return {};
    std::vector<std::wstring> answer = std::move(FileSets.front());
    FileSets.pop_front();
    return answer;
}

int FakeDialogs::SmallIconIndex(const std::wstring& path) {
    IconLookups.push_back(path);
    auto found = Icons.find(path);
    return found == Icons.end() ? 0 : found->second;
}

} // namespace platform::fake
