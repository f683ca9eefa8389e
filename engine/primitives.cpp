#include "engine/primitives.h"

#include "settings/option_set.h"

namespace engine {

namespace {
using platform::FindData;
namespace attr = platform::attr;
} // namespace

std::wstring WithBackslash(const std::wstring& path) {
    if (!path.empty() && path.back() == L'\\') return path;
    return path + L'\\';
}

std::wstring LowerExtension(const std::wstring& name) {
    size_t dot = name.rfind(L'.');
    if (dot == std::wstring::npos) return {};
    std::wstring ext = name.substr(dot);
    for (wchar_t& c : ext)
        if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
    return ext;
}

Primitives::Primitives(RunView view, RunState& state, TForm2& options,
                       platform::Services& services)
    : view_(view), state_(state), options_(options), services_(services) {}

const std::wstring& Primitives::Text(int n) const {
    static const std::wstring empty;
    return n >= 0 && n < static_cast<int>(view_.text.size()) ? view_.text[static_cast<size_t>(n)]
                                                             : empty;
}

void Primitives::SetStatus(const std::wstring& text) { view_.status.SetPanelText(0, text); }

void Primitives::ShowDeletedCount(const std::wstring& separator) {
    view_.status.SetPanelText(1, Text(18) + separator + std::to_wstring(state_.DeletedCount));
}

void Primitives::Counted() {
    ++state_.DeletedCount;
    ShowDeletedCount();
}

void Primitives::StepProgress() {
    forms::ProgressBar& bar = view_.progress;
    int next = bar.Position() + 1;
    bar.SetPosition(next >= bar.Max() ? 0 : next);
}

void Primitives::AdvanceProgress(int by) {
    forms::ProgressBar& bar = view_.progress;
    bar.SetPosition(std::min(bar.Max(), bar.Position() + by));
}

bool Primitives::ListItems() const {
    return options_.CheckBox24.Checked() && state_.ItemRowsPhase;
}

bool Primitives::IsLink(const std::wstring& path) {
    std::uint32_t a = 0;
    std::wstring bare = path;
    while (bare.size() > 3 && bare.back() == L'\\') bare.pop_back();
    return services_.files.GetAttributes(bare, a) && (a & attr::ReparsePoint) != 0;
}

bool Primitives::ShellDeletePath(const std::wstring& path) {
    SetStatus(Text(17) + L" " + path);
    view_.app.ProcessMessages();
    services_.files.SetAttributes(path, attr::Normal);
    const bool recycle = state_.UserTargetsPhase && options_.CheckBox3.Checked();
    const bool deleted =
        recycle ? services_.shell.DeleteWithShell(path, true) == 0 : DeletePermanently(path);
    if (!deleted) return false;
    Counted();
    return true;
}

// A permanent deletion needs no shell: the direct calls give the same result, are
// faster, take paths of any length, and remove links as links by construction.
bool Primitives::DeletePermanently(const std::wstring& path) {
    std::uint32_t a = 0;
    if (!services_.files.GetAttributes(path, a)) return false;
    if ((a & attr::Directory) == 0) return services_.files.RemoveFile(path);
    if (a & attr::ReparsePoint) return services_.files.RemoveFolder(path);
    return RemoveTreeDirectly(path);
}

bool Primitives::RemoveTreeDirectly(const std::wstring& folder) {
    const std::wstring dir = WithBackslash(folder);
    {
        std::unique_ptr<platform::DirectoryListing> listing = services_.files.List(dir + L"*.*");
        FindData entry;
        while (listing && listing->Next(entry)) {
            if (entry.name == L"." || entry.name == L"..") continue;
            view_.app.ProcessMessages();
            if (state_.StopRequested) return false;
            const std::wstring full = dir + entry.name;
            services_.files.SetAttributes(full, attr::Normal);
            if (entry.IsLink() && entry.IsDirectory())
                services_.files.RemoveFolder(full);
            else if (entry.IsDirectory())
                RemoveTreeDirectly(full);
            else
                services_.files.RemoveFile(full);
        }
    }
    return services_.files.RemoveFolder(folder);
}

bool Primitives::DeleteFolderTree(const std::wstring& path, bool deleteSelf) {
    // The top of this walk is fixed now: a nested walk run from the message pump may
    // change CurrentPath meanwhile, and must not decide what this walk keeps.
    const std::wstring top = state_.CurrentPath;
    return WalkTree(path, deleteSelf, top);
}

bool Primitives::WalkTree(const std::wstring& path, bool deleteSelf, const std::wstring& top) {
    if (path.size() < 4) return false;
    SetStatus(Text(17) + L" " + path);
    const std::wstring dir = WithBackslash(path);
    if (IsLink(dir)) {
        // A link where a folder was expected is never walked; it goes as a link only
        // where the folder itself would have gone.
        if (dir == top && !deleteSelf) return false;
        if (!services_.files.RemoveFolder(dir)) return false;
        Counted();
        return true;
    }
    bool result = true;
    {
        std::unique_ptr<platform::DirectoryListing> listing = services_.files.List(dir + L"*.*");
        FindData entry;
        while (listing && listing->Next(entry)) {
            view_.app.ProcessMessages();
            if (entry.name.empty() || entry.name[0] == L'.') continue;
            if (state_.StopRequested) break;
            const std::wstring full = dir + entry.name;
            if (entry.IsDirectory()) {
                if (ShellDeletePath(full)) {
                    if (ListItems()) view_.rows.AddResultRow(full, picture::DeletedFolder);
                } else {
                    result = false;
                    if (!entry.IsLink()) WalkTree(full, deleteSelf, top);
                }
                continue;
            }
            if (state_.UserTargetsPhase) {
                if (ShellDeletePath(full)) {
                    if (ListItems()) view_.rows.AddResultRow(full, picture::DeletedFile);
                } else {
                    result = false;
                }
            } else {
                services_.files.SetAttributes(full, attr::Normal);
                if (services_.files.RemoveFile(full)) {
                    if (ListItems()) view_.rows.AddResultRow(full, picture::DeletedFile);
                    Counted();
                } else {
                    result = false;
                }
            }
            StepProgress();
        }
    }
    if (dir != top) {
        services_.files.SetAttributes(dir, attr::Normal);
        return services_.files.RemoveFolder(dir);
    }
    if (!deleteSelf) return result;
    services_.files.SetAttributes(top, attr::Normal);
    const bool removed = services_.files.RemoveFolder(top);
    return removed && result;
}

void Primitives::DeleteMatching(const std::wstring& path, const std::wstring& folderName,
                                bool folderExact, bool deleteSelf, const std::wstring& fileName,
                                bool fileExact, const std::wstring& extension) {
    SetStatus(Text(17) + L" " + path);
    const std::wstring dir = WithBackslash(path);
    if (IsLink(dir)) return;
    std::unique_ptr<platform::DirectoryListing> listing = services_.files.List(dir + L"*.*");
    FindData entry;
    while (listing && listing->Next(entry)) {
        view_.app.ProcessMessages();
        if (entry.name.empty() || entry.name[0] == L'.') continue;
        if (state_.StopRequested) break;
        const std::wstring full = dir + entry.name;
        if (entry.IsDirectory()) {
            const bool match =
                !folderName.empty() && (folderExact ? entry.name == folderName
                                                    : entry.name.find(folderName) != std::wstring::npos);
            if (match) {
                state_.CurrentPath = full;
                DeleteFolderTree(state_.CurrentPath, deleteSelf);
            } else if (!entry.IsLink()) {
                DeleteMatching(full, folderName, folderExact, deleteSelf, fileName, fileExact,
                               extension);
            }
            continue;
        }
        bool match = false;
        if (!fileName.empty())
            match = fileExact ? entry.name == fileName
                              : entry.name.find(fileName) != std::wstring::npos;
        if (!match && !extension.empty()) match = extension == LowerExtension(entry.name);
        if (match && ShellDeletePath(full) && ListItems())
            view_.rows.AddResultRow(full, picture::DeletedFile);
        StepProgress();
    }
}

std::wstring Primitives::SpecialFolderPath(int csidl) {
    std::optional<std::wstring> folder = services_.shell.SpecialFolder(csidl);
    if (!folder || folder->empty()) return {};
    if (folder->back() != L'\\' && folder->back() != L'/') return *folder + L'\\';
    return *folder;
}

} // namespace engine
