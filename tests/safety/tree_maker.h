#pragma once
#include <set>
#include <string>
#include <vector>

#include "platform/fake/fake_file_system.h"
#include "tests/safety/rng.h"

namespace safety {

// Folders outside every target that links inside the targets point at: they must
// come through every run whole.
inline const std::wstring kPrecious = L"E:\\Precious";

// Builds random trees in the fake file system: junk-looking and ordinary names, dot
// entries, blanks and letters beyond ASCII, empty files, read-only and held files,
// folders that refuse listing, links leading out to the precious trees, and now and
// then a chain of folders deep enough to pass 260 characters.
class TreeMaker {
public:
    TreeMaker(platform::fake::FakeFileSystem& files, Rng& rng);

    // Names a target adds to the usual mix (cache blocks, "Cache" folders).
    std::vector<std::wstring> ExtraFileNames;
    std::vector<std::wstring> ExtraFolderNames;

    // A random subtree in `folder` (made when missing), at most `depth` levels deep.
    void Fill(const std::wstring& folder, int depth);
    // Folders of long names down to a path over 260 characters, with a file or two.
    void LongChain(const std::wstring& folder);
    // The outside world: system files, documents and the precious trees.
    void Surroundings();

    // What was made, for picking list entries and exclusions.
    std::vector<std::wstring> Files;
    std::vector<std::wstring> Folders;

private:
    std::wstring FreshName(const std::wstring& folder, const std::vector<std::wstring>& pool);
    void AddEntry(const std::wstring& folder, int depth);
    void AddFile(const std::wstring& path);
    void AddFolder(const std::wstring& path, int depth);
    void AddLink(const std::wstring& folder);

    platform::fake::FakeFileSystem& files_;
    Rng& rng_;
    std::set<std::wstring> taken_; // keys of everything made
};

} // namespace safety
