#pragma once
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/shell.h"

namespace platform::fake {

// What a node of the fake tree is.
enum class NodeKind { Folder, File, Junction, FileLink };

// An in-memory file system with the rules of Windows: names compare without regard to
// case; read-only files and files held open refuse deletion; a folder goes only when
// empty; links (junctions and symbolic links) are entries of their own whose targets
// are never touched through them; listings come in name order.
//
// Paths are Windows paths ("C:\Temp\a.txt", "C:\", "C:"); trailing and doubled
// backslashes, "." and ".." are taken as Windows takes them, and a path without a
// drive is completed from Current. A link met before the last name of a path is
// followed, as Windows follows it; the last name is the link itself, except for a
// listing, which lists what the link points at. Every drive letter has an empty root.
class FakeFileSystem : public FileSystem {
public:
    // The folder named by Current exists from the start: a process always has one.
    FakeFileSystem();
    ~FakeFileSystem() override;

    bool DirectoryExists(const std::wstring& path) override;
    bool FileExists(const std::wstring& path) override;
    bool MakeDirectory(const std::wstring& path) override;
    std::wstring CurrentDirectory() override { return Current; }
    // Takes "folder\*.*" or "folder\*"; any other pattern is a mistake in the test and
    // throws std::invalid_argument. The listing is a snapshot: ".", ".." (not at a
    // drive root, as NTFS does) and then the entries by lower-cased name.
    std::unique_ptr<DirectoryListing> List(const std::wstring& pattern) override;
    bool RemoveFile(const std::wstring& path) override;
    // A read-only folder refuses, as RemoveDirectoryW refuses it.
    bool RemoveFolder(const std::wstring& path) override;
    bool SetAttributes(const std::wstring& path, std::uint32_t attributes) override;
    // A file with none of the bits reads as attr::Normal, as Windows reports it.
    bool GetAttributes(const std::wstring& path, std::uint32_t& attributes) override;
    std::wstring TempFolder() override { return Temp; }
    std::wstring WindowsFolder() override { return Windows; }
    // File content lives with the file. Reading fails for a locked file, one marked
    // with DenyReading or one whose size is above kMaxReadBytes (AddFile gives a size
    // without content); replacing fails for a read-only or locked file, or while
    // FailWrites is set, and then leaves the old content whole.
    bool ReadBytes(const std::wstring& path, std::string& bytes) override;
    bool ReplaceWithBytes(const std::wstring& path, const std::string& bytes) override;
    std::optional<std::uint64_t> FileSize(const std::wstring& path) override;
    // Moves a file or a link to a file into an existing folder, under the new name; a
    // locked item refuses, and so does a folder, a locked or a read-only file at `to`.
    bool MoveReplacing(const std::wstring& from, const std::wstring& to) override;
    // Links followed to the end, short names given by AddShortName resolved.
    std::optional<std::wstring> FinalPath(const std::wstring& path) override;
    std::wstring LongPath(const std::wstring& path) override;
    bool SameIgnoringCase(std::wstring_view a, std::wstring_view b) override;
    // An 8.3 alias ("PROGRA~1") by which an existing entry can also be reached.
    void AddShortName(const std::wstring& path, const std::wstring& alias);
    void SetContent(const std::wstring& path, const std::string& bytes); // makes the file
    std::string Content(const std::wstring& path) const;
    void DenyReading(const std::wstring& path);
    bool FailWrites = false;

    // Building trees; parents are made as needed. Paths may end in a backslash.
    // Building over an entry of another kind throws std::logic_error.
    void AddDirectory(const std::wstring& path, std::uint32_t attributes = 0);
    void AddFile(const std::wstring& path, std::uint64_t size = 1, std::uint32_t attributes = 0);
    // A junction (directory link) or a symbolic link to a file, pointing at target.
    void AddJunction(const std::wstring& path, const std::wstring& target);
    void AddFileLink(const std::wstring& path, const std::wstring& target);
    // A file held open by someone: it cannot be deleted, moved or recycled.
    // Throws std::logic_error when nothing is there.
    void Lock(const std::wstring& path);
    // A folder whose listing cannot start (access denied). Throws like Lock.
    void DenyListing(const std::wstring& path);

    bool Exists(const std::wstring& path) const;
    // Every path below root (not root itself), with its stored letter case, sorted
    // without regard to case; links are listed but never entered.
    std::vector<std::wstring> Under(const std::wstring& root) const;
    // The tree's nodes, for the shell double: a lookup, and taking a whole subtree out
    // (null when the path does not exist). Node is in fake_file_tree.h.
    struct Node;
    Node* Find(const std::wstring& path) const;
    std::unique_ptr<Node> Detach(const std::wstring& path);
    // The absolute path Windows makes of `path` (relative paths completed from Current),
    // in the letter case given; empty when it is no local path at all.
    std::wstring FullPath(const std::wstring& path) const;

    // Every successful removal, in order, as the path was given.
    std::vector<std::wstring> Removed;
    // Called before each removal attempt (file or folder), e.g. to press Stop mid-walk.
    std::function<void(const std::wstring&)> BeforeRemove;
    // Called before each listing, with its pattern: for a walk that deletes nothing.
    std::function<void(const std::wstring&)> BeforeList;
    // Listings started (FindFirstFileW calls).
    int ListingsStarted = 0;
    int ListingsOpen = 0;
    // Listings whose folder was reached through a junction: a walker that counts any
    // here has entered a link.
    int ListingsThroughLinks = 0;

    std::wstring Current = L"C:\\Work";
    std::wstring Temp = L"C:\\Users\\ann\\AppData\\Local\\Temp\\";
    std::wstring Windows = L"C:\\Windows";
    bool FailCreate = false;

private:
    struct Trace;
    std::optional<std::vector<std::wstring>> Parts(const std::wstring& path) const;
    Node* Walk(const std::vector<std::wstring>& parts, std::size_t count, Trace& trace) const;
    Node* Enter(Node* node, Trace& trace) const;
    Node* Lookup(const std::wstring& path) const;
    Node* FolderHolding(const std::vector<std::wstring>& parts) const;
    Node& Build(const std::wstring& path, NodeKind kind);
    bool Remove(const std::wstring& path, bool folder);

    std::unique_ptr<Node> root_;
};

// The shell over the fake file system. A deletion removes what it can and fails when
// anything stayed; an item for the recycle bin goes whole or not at all. A path the
// shell cannot take (MAX_PATH or longer, counted in UTF-16 units) anywhere in the item
// fails the call before anything changes.
class FakeShell : public Shell {
public:
    // Results, as SHFileOperationW gives them.
    static constexpr int ErrorInUse = 0x20;
    static constexpr int ErrorNotFound = 0x7C;
    static constexpr int ErrorPathTooLong = 0x7E;
    static constexpr std::size_t kMaxPath = 260;

    explicit FakeShell(FakeFileSystem& files) : files_(files) {}
    std::optional<std::wstring> SpecialFolder(int csidl) override;
    int DeleteWithShell(const std::wstring& path, bool toRecycleBin) override;
    // Empties the recycle bin list; fails while EmptyFails is set. Keeps the owner.
    bool EmptyRecycleBins(WindowHandle owner) override;
    bool OpenDocument(const std::wstring& path) override;

    std::map<int, std::wstring> Folders;
    bool EmptyFails = false;
    int EmptyCount = 0;
    WindowHandle EmptyOwner = nullptr;
    std::vector<std::wstring> Opened;
    // Paths of the items in the recycle bin, as they were given, in order.
    std::vector<std::wstring> RecycleBin;
    // The bytes the bin keeps from each drive, by its upper-case name ("C:"): a recycled
    // file still takes its room there until the bins are emptied.
    std::map<std::wstring, std::uint64_t> RecycleBinBytes;
    // Every call: path and whether it was for the recycle bin.
    std::vector<std::pair<std::wstring, bool>> Calls;

private:
    int Recycle(const std::wstring& path, const FakeFileSystem::Node& item);
    int DeletePermanently(const std::wstring& path, FakeFileSystem::Node& item);

    FakeFileSystem& files_;
};

} // namespace platform::fake
