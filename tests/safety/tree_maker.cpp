#include "tests/safety/tree_maker.h"

#include "platform/fake/fake_file_tree.h"
#include "tests/safety/path_text.h"
#include "tests/safety/world.h"

namespace safety {

namespace {

namespace attr = platform::attr;

const std::vector<std::wstring> kFileNames = {
    L"a.txt", L"report.doc", L"~lock.doc", L"draft.~do", L"old.bak", L"A.TMP", L"x.tmp",
    L"b.chk", L"setup.old", L"c.log", L"Thumbs.db", L"thumbs.db", L"THUMBS.DB", L"desktop.ini",
    L"Desktop.ini", L"notes", L"a b.txt", L" lead.txt", L"\u00c9t\u00e9.obj",
    L"\u00e9t\u00e9.OBJ", L"\u0436\u0443\u0440\u043d\u0430\u043b.log",
    L"\u0424\u0430\u0439\u043b.TMP", L"\u03a9mega.gss", L"x.obj", L"y.GSS", L"z.pih", L"noext",
    L"dot.", L"zero.dat", L"~", L"index.dat", L"x.~", L"a.b.LOG", L"x y.z", L"data_0",
    L"f_000001", L"photo.jpg", L"x.tmpx", L"bak", L"\u00e9.log"};
const std::vector<std::wstring> kDotNames = {L".keep", L".tmp", L".git", L".~x", L".Thumbs.db",
                                             L".log"};
const std::vector<std::wstring> kFolderNames = {
    L"sub", L"Sub Folder", L"\u00c4rger", L"\u041f\u0430\u043f\u043a\u0430", L"deep", L"empty",
    L"x.tmp", L"Thumbs.db", L"~old", L"cache2", L"a b", L"\u03b4\u03ad\u03bb\u03c4\u03b1"};
// Where links lead: folders and files outside every target, and one that is gone.
const std::vector<std::wstring> kFolderTargets = {
    kPrecious + L"\\Linked", kPrecious + L"\\deep\\er", L"C:\\Users\\ann\\Documents",
    L"E:\\Gone"};
const std::vector<std::wstring> kFileTargets = {kPrecious + L"\\secret.tmp",
                                                L"C:\\Users\\ann\\Documents\\thesis.docx"};

std::vector<std::wstring> Joined(const std::vector<std::wstring>& a,
                                 const std::vector<std::wstring>& b) {
    std::vector<std::wstring> all = a;
    all.insert(all.end(), b.begin(), b.end());
    return all;
}

} // namespace

TreeMaker::TreeMaker(platform::fake::FakeFileSystem& files, Rng& rng)
    : files_(files), rng_(rng) {}

// Siblings never differ only in letter case: Windows would take them for one name.
std::wstring TreeMaker::FreshName(const std::wstring& folder,
                                  const std::vector<std::wstring>& pool) {
    for (int tries = 0; tries < 8; ++tries) {
        const std::wstring name = rng_.Pick(pool);
        if (taken_.count(Key(folder + L"\\" + name)) == 0) return name;
    }
    return {};
}

void TreeMaker::Fill(const std::wstring& folder, int depth) {
    const std::wstring dir = Trimmed(folder);
    if (!files_.Exists(dir)) files_.AddDirectory(dir);
    taken_.insert(Key(dir));
    const int count = rng_.Chance(15) ? 0 : 1 + rng_.Below(5);
    for (int i = 0; i < count; ++i) AddEntry(dir, depth);
    if (rng_.Chance(4) && !files_.Find(dir)->listingDenied) files_.DenyListing(dir);
}

void TreeMaker::AddEntry(const std::wstring& folder, int depth) {
    const int roll = rng_.Below(100);
    if (roll < 8) {
        const std::wstring name = FreshName(folder, kDotNames);
        if (name.empty()) return;
        if (rng_.Chance(50)) AddFile(folder + L"\\" + name);
        else AddFolder(folder + L"\\" + name, depth);
    } else if (roll < 16) {
        AddLink(folder);
    } else if (roll < 36 && depth > 0) {
        const std::wstring name = FreshName(folder, Joined(kFolderNames, ExtraFolderNames));
        if (!name.empty()) AddFolder(folder + L"\\" + name, depth);
    } else {
        const std::wstring name = FreshName(folder, Joined(kFileNames, ExtraFileNames));
        if (!name.empty()) AddFile(folder + L"\\" + name);
    }
}

void TreeMaker::AddFile(const std::wstring& path) {
    const std::uint64_t size = rng_.Chance(20) ? 0 : 1 + static_cast<std::uint64_t>(rng_.Below(5000));
    files_.AddFile(path, size, rng_.Chance(12) ? attr::ReadOnly | attr::Hidden : 0);
    if (rng_.Chance(8)) files_.Lock(path);
    taken_.insert(Key(path));
    Files.push_back(path);
}

void TreeMaker::AddFolder(const std::wstring& path, int depth) {
    files_.AddDirectory(path, rng_.Chance(5) ? attr::ReadOnly : 0);
    taken_.insert(Key(path));
    Folders.push_back(path);
    if (rng_.Chance(20)) return; // left empty
    if (rng_.Chance(8)) { // holding only a dot entry
        files_.AddFile(path + L"\\.keep");
        taken_.insert(Key(path + L"\\.keep"));
        return;
    }
    Fill(path, depth - 1);
}

void TreeMaker::AddLink(const std::wstring& folder) {
    const bool toFolder = rng_.Chance(60);
    const std::wstring name = FreshName(folder, toFolder ? std::vector<std::wstring>{
                                                              L"link", L"Cache", L"x.tmp", L"sub"}
                                                        : std::vector<std::wstring>{
                                                              L"linked.tmp", L"data_9", L"Thumbs.db",
                                                              L"~link"});
    if (name.empty()) return;
    const std::wstring path = folder + L"\\" + name;
    if (toFolder) files_.AddJunction(path, rng_.Pick(kFolderTargets));
    else files_.AddFileLink(path, rng_.Pick(kFileTargets));
    taken_.insert(Key(path));
}

void TreeMaker::LongChain(const std::wstring& folder) {
    std::wstring path = Trimmed(folder);
    while (path.size() < 270) {
        path += L"\\long " + std::wstring(40 + static_cast<std::size_t>(rng_.Below(20)), L'n');
        files_.AddDirectory(path);
        taken_.insert(Key(path));
        Folders.push_back(path);
    }
    AddFile(path + L"\\far.tmp");
    if (rng_.Chance(50)) AddFile(path + L"\\Thumbs.db");
    if (rng_.Chance(50)) {
        files_.AddDirectory(path + L"\\bare");
        taken_.insert(Key(path + L"\\bare"));
        Folders.push_back(path + L"\\bare");
    }
}

void TreeMaker::Surroundings() {
    for (const wchar_t* f :
         {L"C:\\Windows\\notepad.exe", L"C:\\Windows\\System32\\kernel32.dll",
          L"C:\\Windows\\System32\\drivers\\etc\\hosts", L"C:\\Windows\\setupact.log",
          L"C:\\Program Files\\App\\app.log", L"C:\\Program Files\\App\\~temp.tmp",
          L"C:\\Users\\ann\\Documents\\thesis.docx", L"C:\\Users\\ann\\Documents\\old draft.bak",
          L"C:\\Users\\ann\\Documents\\Thumbs.db", L"D:\\Keep\\photo.jpg", L"D:\\Keep\\x.tmp",
          L"E:\\Precious\\secret.tmp", L"E:\\Precious\\Linked\\a.log",
          L"E:\\Precious\\Linked\\sub\\Thumbs.db", L"E:\\Precious\\deep\\er\\data_0",
          L"E:\\Precious\\deep\\er\\~x.doc"})
        files_.AddFile(f, 3);
    // Decoys beside the targets, with names the targets would take.
    for (const std::wstring& f :
         {kLocal + L"\\Google\\Chrome\\Application\\data_1.dll",
          kLocal + L"\\Mozilla\\Firefox\\Crash Reports\\Cache\\x.dat",
          kLocal + L"\\Opera\\Opera\\settings.ini", kLocal + L"\\Temporary.tmp"})
        files_.AddFile(f, 3);
    files_.AddDirectory(L"E:\\Precious\\Linked\\empty");
}

} // namespace safety
