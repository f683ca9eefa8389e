// Whole-file reads and safe whole-file writes for Win32FileSystem.
#include <algorithm>
#include <string>

#include "platform/win32/long_path.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/win32_platform.h"
#include "platform/win32/windows_api.h"

namespace platform::win32 {
namespace {

// One ReadFile or WriteFile call moves at most this much, well inside a DWORD.
constexpr DWORD kChunkBytes = 1u << 20;

UniqueKernelObject OpenForReading(const std::wstring& path) {
    // Others keep every right: the file may be one another program is writing.
    return UniqueKernelObject(NullIfInvalid(::CreateFileW(
        ApiPath(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
        nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr)));
}

// Reads to the end of the file, which may have grown or shrunk since its size was asked:
// each read asks for one byte more than is left, so growth shows and is read on.
bool ReadToEnd(HANDLE file, ULONGLONG expected, std::string& bytes) {
    const auto part = static_cast<DWORD>(std::min<ULONGLONG>(expected + 1, kChunkBytes));
    for (;;) {
        const size_t done = bytes.size();
        bytes.resize(done + part);
        DWORD read = 0;
        const bool ok = ::ReadFile(file, bytes.data() + done, part, &read, nullptr) != FALSE;
        bytes.resize(done + read);
        if (!ok || bytes.size() > kMaxReadBytes) return false;
        if (read == 0) return true;
    }
}

bool WriteAll(HANDLE file, const std::string& bytes) {
    for (size_t done = 0; done < bytes.size();) {
        DWORD part = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, kChunkBytes));
        DWORD written = 0;
        if (!::WriteFile(file, bytes.data() + done, part, &written, nullptr) || written == 0)
            return false;
        done += written;
    }
    return true;
}

// A new file beside the one to be replaced, removed again unless it is kept: every early
// return before the move then leaves nothing behind.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::wstring& beside) {
        // The process id tells programs apart, the tick count runs apart, and a name that
        // is taken anyway is skipped with the next number.
        const std::wstring stem = beside + L".tmp-" + std::to_wstring(::GetCurrentProcessId()) +
                                  L"-" + std::to_wstring(::GetTickCount());
        for (int attempt = 0; attempt < 100 && !file_; ++attempt) {
            path_ = ApiPath(stem + L"-" + std::to_wstring(attempt));
            file_ = UniqueKernelObject(
                NullIfInvalid(::CreateFileW(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                            FILE_ATTRIBUTE_NORMAL, nullptr)));
            if (!file_ && ::GetLastError() != ERROR_FILE_EXISTS) break;
        }
        created_ = bool(file_);
    }
    ~TemporaryFile() {
        file_.Reset();
        if (created_ && !kept_) ::DeleteFileW(path_.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    bool Created() const { return created_; }
    HANDLE Handle() const { return file_.Get(); }
    const std::wstring& ApiName() const { return path_; }
    // Closes the file, which must happen before it can be moved.
    void Close() { file_.Reset(); }
    void Keep() { kept_ = true; }

private:
    std::wstring path_;
    UniqueKernelObject file_;
    bool created_ = false;
    bool kept_ = false;
};

// A read-only file is not to be replaced. Windows refuses to move anything over one,
// but not every system that runs the program does, so it is asked first.
bool IsReadOnly(const std::wstring& path) {
    const DWORD attributes = ::GetFileAttributesW(ApiPath(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

} // namespace

bool Win32FileSystem::ReadBytes(const std::wstring& path, std::string& bytes) {
    bytes.clear();
    UniqueKernelObject file = OpenForReading(path);
    LARGE_INTEGER size{};
    if (!file || !::GetFileSizeEx(file.Get(), &size)) return false;
    const auto expected = static_cast<ULONGLONG>(size.QuadPart);
    if (expected > kMaxReadBytes || !ReadToEnd(file.Get(), expected, bytes)) {
        // Half a file would read as a whole shorter one.
        bytes.clear();
        return false;
    }
    return true;
}

bool Win32FileSystem::ReplaceWithBytes(const std::wstring& path, const std::string& bytes) {
    if (IsReadOnly(path)) return false;
    TemporaryFile temporary(path);
    // The content must be on the disk before it takes the old file's name: a crash
    // between the two must not leave an empty file where the old one was.
    if (!temporary.Created() || !WriteAll(temporary.Handle(), bytes) ||
        !::FlushFileBuffers(temporary.Handle()))
        return false;
    temporary.Close();
    if (!::MoveFileExW(temporary.ApiName().c_str(), ApiPath(path).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return false;
    temporary.Keep();
    return true;
}

std::optional<std::uint64_t> Win32FileSystem::FileSize(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExW(ApiPath(path).c_str(), GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return std::nullopt;
    return (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

bool Win32FileSystem::MoveReplacing(const std::wstring& from, const std::wstring& to) {
    if (IsReadOnly(to)) return false;
    return ::MoveFileExW(ApiPath(from).c_str(), ApiPath(to).c_str(), MOVEFILE_REPLACE_EXISTING) !=
           FALSE;
}

} // namespace platform::win32
