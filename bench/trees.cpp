#include "bench/trees.h"

#include <windows.h>

#include <cstdio>

#include "platform/win32/unique_handle.h"

namespace bench {

namespace {

using platform::win32::NullIfInvalid;
using platform::win32::UniqueKernelObject;

std::wstring Numbered(const wchar_t* format, int n) {
    wchar_t text[64];
    std::swprintf(text, 64, format, n);
    return text;
}

// An empty file; with CREATE_NEW only where none is.
bool MakeFile(const std::wstring& path, DWORD disposition = CREATE_NEW) {
    UniqueKernelObject file(NullIfInvalid(CreateFileW(
        path.c_str(), GENERIC_WRITE, 0, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr)));
    return static_cast<bool>(file);
}

int FillFolder(const std::wstring& folder, const TreeShape& shape, Part part) {
    CreateDirectoryW(folder.c_str(), nullptr); // may exist already
    int made = 0;
    for (int i = 0; i < shape.filesPerFolder; ++i) {
        const bool junk = i % shape.junkEvery == 0;
        if (part == Part::JunkOnly && !junk) continue;
        if (MakeFile(folder + Numbered(junk ? L"\\item_%05d.tmp" : L"\\item_%05d.dat", i))) ++made;
    }
    return made;
}

} // namespace

std::wstring TopFolder(const std::wstring& root, int top) {
    return root + Numbered(L"\\Folder %02d", top);
}

int BuildTopFolder(const std::wstring& root, int top, const TreeShape& shape, Part part) {
    const std::wstring folder = TopFolder(root, top);
    int made = FillFolder(folder, shape, part);
    for (int s = 0; s < shape.subFolders; ++s)
        made += FillFolder(folder + Numbered(L"\\Cache %03d", s), shape, part);
    return made;
}

int BuildTree(const std::wstring& root, const TreeShape& shape, Part part) {
    CreateDirectoryW(root.c_str(), nullptr);
    int made = 0;
    for (int t = 0; t < shape.topFolders; ++t)
        made += BuildTopFolder(root, t, shape, part);
    return made;
}

std::vector<std::wstring> BuildFlatFiles(const std::wstring& folder, const std::wstring& tag,
                                         int count) {
    CreateDirectoryW(folder.c_str(), nullptr);
    std::vector<std::wstring> paths;
    for (int i = 0; i < count; ++i) {
        std::wstring path = folder + L"\\report " + tag + Numbered(L" %05d.txt", i);
        if (MakeFile(path, CREATE_ALWAYS)) paths.push_back(std::move(path));
    }
    return paths;
}

std::wstring RealisticPath(int index) {
    static const wchar_t* const kFolders[] = {
        L"C:\\Users\\ann\\AppData\\Local\\Temp\\",
        L"C:\\Users\\ann\\AppData\\Local\\Mozilla\\Firefox\\Profiles\\k2v9x1qe."
        L"default\\cache2\\entries\\",
        L"C:\\Users\\ann\\AppData\\Local\\Google\\Chrome\\User Data\\Default\\Cache\\",
        L"C:\\Windows\\SoftwareDistribution\\Download\\",
        L"D:\\Projects\\invoices\\build\\obj\\Release\\",
        L"C:\\Users\\ann\\Documents\\Reports 2023\\",
    };
    static const wchar_t* const kNames[] = {L"~DF%04X.tmp",  L"%08X%08X%08X%08X",
                                            L"f_%06x",       L"%08x\\update-%04x.cab",
                                            L"module%u.obj", L"Quarterly summary %u.bak"};
    const int kind = index % 6;
    const unsigned mix = static_cast<unsigned>(index) * 2654435761u;
    wchar_t name[80];
    std::swprintf(name, 80, kNames[kind], mix & 0xFFFF, mix ^ 0x5A5A5A5Au, mix >> 3, mix * 7u);
    return std::wstring(kFolders[kind]) + name;
}

} // namespace bench
