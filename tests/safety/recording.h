#pragma once
#include <string>
#include <vector>

#include "platform/fake/fake_file_system.h"

namespace safety {

// What the program asked of the file system and the shell, in order. Touches are
// every call naming a path; they tell which target the run was busy with when a stop
// came.
enum class Op { Touch, RemoveFile, RemoveFolder, Recycle, ShellDelete };

struct Event {
    Op op = Op::Touch;
    std::wstring path;
    bool ok = false;
    // Shell deletions only: whether the item held anything when it was handed over.
    bool heldAnything = false;
};

// Passes every call on to the fake file system and writes it down.
class RecordingFiles : public platform::FileSystem {
public:
    RecordingFiles(platform::fake::FakeFileSystem& inner, std::vector<Event>& log)
        : inner_(inner), log_(log) {}

    bool DirectoryExists(const std::wstring& path) override;
    bool FileExists(const std::wstring& path) override;
    bool MakeDirectory(const std::wstring& path) override;
    std::wstring CurrentDirectory() override { return inner_.CurrentDirectory(); }
    std::unique_ptr<platform::DirectoryListing> List(const std::wstring& pattern) override;
    bool RemoveFile(const std::wstring& path) override;
    bool RemoveFolder(const std::wstring& path) override;
    bool SetAttributes(const std::wstring& path, std::uint32_t attributes) override;
    bool GetAttributes(const std::wstring& path, std::uint32_t& attributes) override;
    std::wstring TempFolder() override { return inner_.TempFolder(); }
    std::wstring WindowsFolder() override { return inner_.WindowsFolder(); }
    bool ReadBytes(const std::wstring& path, std::string& bytes) override;
    bool ReplaceWithBytes(const std::wstring& path, const std::string& bytes) override;
    std::optional<std::uint64_t> FileSize(const std::wstring& path) override;
    bool MoveReplacing(const std::wstring& from, const std::wstring& to) override;
    std::optional<std::wstring> FinalPath(const std::wstring& path) override {
        return inner_.FinalPath(path);
    }
    std::wstring LongPath(const std::wstring& path) override { return inner_.LongPath(path); }
    bool SameIgnoringCase(std::wstring_view a, std::wstring_view b) override {
        return inner_.SameIgnoringCase(a, b);
    }

private:
    void Touch(const std::wstring& path) { log_.push_back({Op::Touch, path, true, false}); }

    platform::fake::FakeFileSystem& inner_;
    std::vector<Event>& log_;
};

// Passes every call on to the fake shell and writes deletions down. Emptying the
// recycle bin keeps a copy of what was in it, so a run that empties the bin at its
// end can still be checked for what it recycled.
class RecordingShell : public platform::Shell {
public:
    RecordingShell(platform::fake::FakeShell& inner, platform::fake::FakeFileSystem& files,
                   std::vector<Event>& log)
        : inner_(inner), files_(files), log_(log) {}

    std::optional<std::wstring> SpecialFolder(int csidl) override {
        return inner_.SpecialFolder(csidl);
    }
    int DeleteWithShell(const std::wstring& path, bool toRecycleBin) override;
    bool EmptyRecycleBins(platform::WindowHandle owner) override;
    bool OpenDocument(const std::wstring& path) override { return inner_.OpenDocument(path); }

    // Everything the recycle bin received during the run, emptied or not.
    std::vector<std::wstring> EverRecycled() const;

private:
    platform::fake::FakeShell& inner_;
    platform::fake::FakeFileSystem& files_;
    std::vector<Event>& log_;
    std::vector<std::wstring> emptied_;
};

} // namespace safety
