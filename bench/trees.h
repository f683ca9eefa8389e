#pragma once
// The file trees the figures run over, made on the drive the program sees.
#include <string>
#include <vector>

namespace bench {

// Folders two levels deep: topFolders folders, each holding subFolders folders; every
// folder holds filesPerFolder empty files, every junkEvery-th of them junk (".tmp").
struct TreeShape {
    int topFolders = 10;
    int subFolders = 99;
    int filesPerFolder = 100;
    int junkEvery = 5;

    int Folders() const { return topFolders * (1 + subFolders); }
    int Files() const { return Folders() * filesPerFolder; }
    int JunkFiles() const { return Folders() * ((filesPerFolder + junkEvery - 1) / junkEvery); }
};

enum class Part { Everything, JunkOnly };

// Makes what is missing of the tree below root (root itself included); with JunkOnly
// only the junk files, which is all a deleting scan takes away. Returns the files made.
int BuildTree(const std::wstring& root, const TreeShape& shape, Part part);
// One top folder of the tree (numbered from 0) and what is below it.
std::wstring TopFolder(const std::wstring& root, int top);
int BuildTopFolder(const std::wstring& root, int top, const TreeShape& shape, Part part);

// Makes count empty files in one new folder; returns their paths. Names carry the tag,
// so files sent to the recycle bin in one repetition never meet those of another there.
std::vector<std::wstring> BuildFlatFiles(const std::wstring& folder, const std::wstring& tag,
                                         int count);

// A path as a results list shows it: temporary, cache and update files of a user, with
// the lengths such paths have. The same index always gives the same path.
std::wstring RealisticPath(int index);

} // namespace bench
