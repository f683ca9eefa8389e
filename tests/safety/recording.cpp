#include "tests/safety/recording.h"

namespace safety {

namespace {

// "C:\X\*.*" names the folder "C:\X".
std::wstring FolderOf(const std::wstring& pattern) {
    const std::size_t slash = pattern.rfind(L'\\');
    return slash == std::wstring::npos ? pattern : pattern.substr(0, slash);
}

} // namespace

bool RecordingFiles::DirectoryExists(const std::wstring& path) {
    Touch(path);
    return inner_.DirectoryExists(path);
}

bool RecordingFiles::FileExists(const std::wstring& path) {
    Touch(path);
    return inner_.FileExists(path);
}

bool RecordingFiles::MakeDirectory(const std::wstring& path) {
    Touch(path);
    return inner_.MakeDirectory(path);
}

std::unique_ptr<platform::DirectoryListing> RecordingFiles::List(const std::wstring& pattern) {
    Touch(FolderOf(pattern));
    return inner_.List(pattern);
}

bool RecordingFiles::RemoveFile(const std::wstring& path) {
    Touch(path);
    const bool ok = inner_.RemoveFile(path);
    log_.push_back({Op::RemoveFile, path, ok, false});
    return ok;
}

bool RecordingFiles::RemoveFolder(const std::wstring& path) {
    Touch(path);
    const bool ok = inner_.RemoveFolder(path);
    log_.push_back({Op::RemoveFolder, path, ok, false});
    return ok;
}

bool RecordingFiles::SetAttributes(const std::wstring& path, std::uint32_t attributes) {
    Touch(path);
    return inner_.SetAttributes(path, attributes);
}

bool RecordingFiles::GetAttributes(const std::wstring& path, std::uint32_t& attributes) {
    Touch(path);
    return inner_.GetAttributes(path, attributes);
}

bool RecordingFiles::ReadBytes(const std::wstring& path, std::string& bytes) {
    Touch(path);
    return inner_.ReadBytes(path, bytes);
}

bool RecordingFiles::ReplaceWithBytes(const std::wstring& path, const std::string& bytes) {
    Touch(path);
    return inner_.ReplaceWithBytes(path, bytes);
}

std::optional<std::uint64_t> RecordingFiles::FileSize(const std::wstring& path) {
    Touch(path);
    return inner_.FileSize(path);
}

bool RecordingFiles::MoveReplacing(const std::wstring& from, const std::wstring& to) {
    Touch(from);
    Touch(to);
    return inner_.MoveReplacing(from, to);
}

int RecordingShell::DeleteWithShell(const std::wstring& path, bool toRecycleBin) {
    log_.push_back({Op::Touch, path, true, false});
    const bool held = !files_.Under(path).empty();
    const int result = inner_.DeleteWithShell(path, toRecycleBin);
    log_.push_back({toRecycleBin ? Op::Recycle : Op::ShellDelete, path, result == 0, held});
    return result;
}

bool RecordingShell::EmptyRecycleBins(platform::WindowHandle owner) {
    emptied_.insert(emptied_.end(), inner_.RecycleBin.begin(), inner_.RecycleBin.end());
    return inner_.EmptyRecycleBins(owner);
}

std::vector<std::wstring> RecordingShell::EverRecycled() const {
    std::vector<std::wstring> all = emptied_;
    all.insert(all.end(), inner_.RecycleBin.begin(), inner_.RecycleBin.end());
    return all;
}

} // namespace safety
