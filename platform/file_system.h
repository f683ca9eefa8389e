#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/interface.h"

namespace platform {

// File attribute bits, numbered as Windows numbers them.
namespace attr {
constexpr std::uint32_t ReadOnly = 0x1;
constexpr std::uint32_t Hidden = 0x2;
constexpr std::uint32_t System = 0x4;
constexpr std::uint32_t Directory = 0x10;
constexpr std::uint32_t Archive = 0x20;
constexpr std::uint32_t Normal = 0x80;
constexpr std::uint32_t ReparsePoint = 0x400;
} // namespace attr

// The largest file ReadBytes reads. The files the program reads whole are small (logs,
// lists); anything larger is none of them, and reading it would only eat memory.
constexpr std::uint64_t kMaxReadBytes = 256ull << 20;

// One entry of a folder listing.
struct FindData {
    std::wstring name;
    std::uint32_t attributes = 0;
    std::uint64_t size = 0;
    bool IsDirectory() const { return (attributes & attr::Directory) != 0; }
    // A junction, a symbolic link or another reparse point: never entered by a walk.
    bool IsLink() const { return (attributes & attr::ReparsePoint) != 0; }
};

// An open folder listing (FindFirstFileW/FindNextFileW); closed when released.
class DirectoryListing : public Interface {
public:
    // The next entry, "." and ".." included, in the file system's order; false at the end.
    virtual bool Next(FindData& entry) = 0;
};

// Paths of any length: implementations use the \\?\ form where Windows needs it, and
// never shorten a path.
class FileSystem : public Interface {
public:
    virtual bool DirectoryExists(const std::wstring& path) = 0;
    virtual bool FileExists(const std::wstring& path) = 0;
    // Creates one folder; its parent must exist. False when it could not be created.
    virtual bool MakeDirectory(const std::wstring& path) = 0;
    // The process's current directory, without a trailing backslash unless it is a root.
    virtual std::wstring CurrentDirectory() = 0;

    // Lists a pattern such as "C:\Temp\*.*"; null when the listing cannot start.
    virtual std::unique_ptr<DirectoryListing> List(const std::wstring& pattern) = 0;
    // DeleteFileW: a read-only file or one held open refuses. A link to a file goes
    // as a link; its target is untouched.
    virtual bool RemoveFile(const std::wstring& path) = 0;
    // RemoveDirectoryW: only an empty folder, or a junction or directory link (the
    // link goes, its target is untouched).
    virtual bool RemoveFolder(const std::wstring& path) = 0;
    // SetFileAttributesW.
    virtual bool SetAttributes(const std::wstring& path, std::uint32_t attributes) = 0;
    // GetFileAttributesW; false when the path does not exist.
    virtual bool GetAttributes(const std::wstring& path, std::uint32_t& attributes) = 0;
    // GetTempPathW, ending in a backslash.
    virtual std::wstring TempFolder() = 0;
    // GetWindowsDirectoryW, as Windows gives it (no trailing backslash unless a root).
    virtual std::wstring WindowsFolder() = 0;

    // A whole file's bytes; false when it cannot be opened or read, or is larger than
    // kMaxReadBytes (bytes then empty).
    virtual bool ReadBytes(const std::wstring& path, std::string& bytes) = 0;
    // A file's size in bytes (GetFileAttributesExW); nothing when no file is there or it
    // cannot be asked.
    virtual std::optional<std::uint64_t> FileSize(const std::wstring& path) = 0;
    // MoveFileExW with MOVEFILE_REPLACE_EXISTING: a file moved to a new name, replacing a
    // file already there, which is refused when read-only. False on failure, and then
    // nothing changed.
    virtual bool MoveReplacing(const std::wstring& from, const std::wstring& to) = 0;
    // Writes a file's new content safely: into a temporary file beside it, then moved
    // over the old one, so a failed write leaves the old file whole. False on failure.
    virtual bool ReplaceWithBytes(const std::wstring& path, const std::string& bytes) = 0;

    // Where an existing file or folder really is: every link, junction, mapped drive and
    // short 8.3 name on the way resolved, in the names' stored letter case, without a
    // trailing backslash except at a root (GetFinalPathNameByHandleW). Nothing when it
    // does not exist or cannot be opened.
    virtual std::optional<std::wstring> FinalPath(const std::wstring& path) = 0;
    // The same path with each short 8.3 name on it in its long form, links left as they
    // are (GetLongPathNameW); the path as given where that cannot be worked out.
    virtual std::wstring LongPath(const std::wstring& path) = 0;
    // Whether two names or paths are the same to the file system, which ignores letter
    // case by its own rules.
    virtual bool SameIgnoringCase(std::wstring_view a, std::wstring_view b) = 0;
};

// The entries of one folder for a walk: the listing of "<folder>*.*" without "." and
// "..". `folder` ends in a backslash. Costs per entry what the listing itself costs.
class FolderEntries {
public:
    FolderEntries(FileSystem& files, const std::wstring& folder)
        : listing_(files.List(folder + L"*.*")) {}
    // False when the listing could not start (a missing or unreadable folder).
    bool Listed() const { return listing_ != nullptr; }
    // The next entry; false at the end.
    bool Next(FindData& entry) {
        while (listing_ && listing_->Next(entry))
            if (!IsDotEntry(entry.name)) return true;
        return false;
    }

private:
    static bool IsDotEntry(const std::wstring& name) {
        const std::size_t n = name.size();
        return (n == 1 || n == 2) && name[0] == L'.' && name[n - 1] == L'.';
    }
    std::unique_ptr<DirectoryListing> listing_;
};

} // namespace platform
