#include "engine/target_guard.h"

#include "platform/paths.h"

namespace engine {

namespace {
namespace csidl = platform::csidl;
constexpr int kFavorites = 6;
constexpr int kMyMusic = 13;
constexpr int kMyVideo = 14;
constexpr int kCommonAppData = 35;
constexpr int kMyPictures = 39;
constexpr int kWindows = 36;

// The parent of a normalized path; empty at a root.
std::wstring Parent(const std::wstring& path) {
    if (platform::IsDriveRoot(path)) return {};
    const std::size_t cut = path.rfind(L'\\');
    if (cut == std::wstring::npos) return {};
    return cut == 2 ? path.substr(0, 3) : path.substr(0, cut);
}

std::wstring Join(const std::wstring& base, const wchar_t* name) {
    if (base.empty()) return {};
    return (base.back() == L'\\' ? base : base + L'\\') + name;
}

bool EndsWith(const std::wstring& text, const std::wstring& tail, platform::FileSystem& files) {
    return text.size() >= tail.size() &&
           files.SameIgnoringCase(std::wstring_view(text).substr(text.size() - tail.size()), tail);
}

} // namespace

std::wstring TargetGuard::Special(int id) {
    std::optional<std::wstring> folder = services_.shell.SpecialFolder(id);
    return folder ? *folder : std::wstring();
}

std::optional<std::wstring> TargetGuard::Resolve(const std::wstring& path) {
    std::optional<std::wstring> normalized = platform::NormalizePath(path);
    if (!normalized) return std::nullopt;
    return Located(*normalized);
}

std::optional<std::wstring> TargetGuard::ResolveExclusion(const std::wstring& path) {
    std::optional<std::wstring> normalized =
        platform::NormalizePath(path, platform::NameEnds::Keep);
    if (!normalized) return std::nullopt;
    return Located(*normalized);
}

std::wstring TargetGuard::Located(const std::wstring& normalized) {
    // Where the path itself is not found, the nearest folder above it that is tells
    // where it would be: an exclusion still holds for what appears there later.
    std::wstring rest;
    for (std::wstring at = normalized; !at.empty(); at = Parent(at)) {
        if (std::optional<std::wstring> final = services_.files.FinalPath(at))
            return rest.empty() ? *final : Join(*final, rest.c_str());
        const std::wstring name = at.substr(at.rfind(L'\\') + 1);
        rest = rest.empty() ? name : name + L'\\' + rest;
    }
    return normalized;
}

std::optional<std::wstring> TargetGuard::Canonical(const std::wstring& path) {
    std::optional<std::wstring> normalized = platform::NormalizePath(path);
    if (!normalized) return std::nullopt;
    const std::wstring full = services_.files.LongPath(*normalized);
    // The folders on the way are taken where they really are; the entry itself stays a
    // link when it is one.
    const std::wstring parent = Parent(full);
    if (parent.empty()) return full;
    std::optional<std::wstring> real;
    if (folder_ && parent == folder_->spelled) {
        real = folder_->real;
    } else {
        real = services_.files.FinalPath(parent);
        if (folder_) *folder_ = {parent, real};
    }
    if (!real) return full;
    return Join(*real, L"") + full.substr(full.rfind(L'\\') + 1);
}

bool TargetGuard::Covers(const std::wstring& folder, const std::wstring& path) {
    platform::FileSystem& files = services_.files;
    return platform::IsSameOrBelow(
        path, folder, [&files](std::wstring_view a, std::wstring_view b) {
            return files.SameIgnoringCase(a, b);
        });
}

void TargetGuard::Protect(const std::wstring& path, bool system) {
    std::optional<std::wstring> normalized = platform::NormalizePath(path);
    if (!normalized) return;
    protected_.push_back({*normalized, system});
    std::optional<std::wstring> final = services_.files.FinalPath(*normalized);
    if (final && !services_.files.SameIgnoringCase(*final, *normalized))
        protected_.push_back({*final, system});
}

void TargetGuard::WorkOut() {
    protected_.clear();
    shellFolders_.clear();
    dataFolders_.clear();
    const std::wstring local = Special(csidl::LocalAppData);
    std::wstring profile = Special(csidl::Profile);
    if (profile.empty()) {
        // Where the shell does not say, the local application data tells.
        std::optional<std::wstring> l = platform::NormalizePath(local);
        if (l && EndsWith(*l, L"\\AppData\\Local", services_.files))
            profile = l->substr(0, l->size() - 14);
    }
    std::optional<std::wstring> windows = platform::NormalizePath(services_.files.WindowsFolder());
    if (!windows) windows = platform::NormalizePath(Special(kWindows));
    // Without a Windows folder to go by, the system drive is the profile's, and its
    // usual Windows folder stays protected all the same.
    const std::optional<std::wstring> home = platform::NormalizePath(profile);
    const std::wstring drive = windows ? windows->substr(0, 3)
                               : home && home->size() > 3 && (*home)[1] == L':' ? home->substr(0, 3)
                                                                                : std::wstring();
    const std::wstring win = windows ? *windows : Join(drive, L"Windows");
    const std::wstring users = drive.empty() ? std::wstring() : drive + L"Users";
    for (const std::wstring& folder :
         {win, Join(win, L"System32"), Join(win, L"SysWOW64"), Join(win, L"Sysnative"),
          Special(csidl::ProgramFiles), Special(csidl::ProgramFilesX86),
          Join(drive, L"Program Files"), Join(drive, L"Program Files (x86)"),
          Join(drive, L"ProgramData"), Special(kCommonAppData), users, profile,
          Parent(platform::NormalizePath(profile).value_or(L"")), Special(csidl::AppData), local})
        Protect(folder, true);
    for (const std::wstring& folder :
         {Join(profile, L"AppData\\LocalLow"), Special(csidl::DesktopDirectory),
          Special(csidl::Personal), Special(kMyPictures), Special(kMyMusic), Special(kMyVideo),
          Join(profile, L"Downloads"), Special(kFavorites), Join(users, L"Public")})
        Protect(folder, false);
    for (const std::wstring& folder :
         {profile, Join(drive, L"ProgramData"), Special(kCommonAppData)})
        if (std::optional<std::wstring> where = Resolve(folder)) dataFolders_.push_back(*where);
    for (const std::wstring& home : {profile, Join(users, L"Public")}) {
        if (home.empty()) continue;
        for (const wchar_t* name :
             {L"Favorites", L"Links", L"Contacts", L"Saved Games", L"Searches", L"Desktop",
              L"Documents", L"Downloads", L"Music", L"Pictures", L"Videos", L"3D Objects"})
            if (std::optional<std::wstring> f = platform::NormalizePath(Join(home, name))) {
                shellFolders_.push_back(*f);
                // Where the shell names them elsewhere, the usual places still count.
                Protect(*f, false);
            }
    }
    ready_ = true;
}

bool TargetGuard::Permits(const std::wstring& target, Scope scope) {
    if (!ready_) WorkOut();
    const std::optional<std::wstring> normalized = platform::NormalizePath(target);
    if (!normalized || platform::IsDriveRoot(*normalized)) return false;
    // A file that is no link is neither a root nor at or above any folder, wherever the
    // way to it leads: only its spelling is compared, and no handle is opened for it.
    std::uint32_t a = 0;
    const bool plainFile = services_.files.GetAttributes(*normalized, a) &&
                           (a & (platform::attr::Directory | platform::attr::ReparsePoint)) == 0;
    const std::optional<std::wstring> final =
        plainFile ? std::nullopt : services_.files.FinalPath(*normalized);
    if (final && platform::IsDriveRoot(*final)) return false;
    for (const Protected& p : protected_) {
        if (scope == Scope::UserList && !p.system) continue;
        // Refused when it is the folder or lies above it.
        if (Covers(*normalized, p.path) || (final && Covers(*final, p.path))) return false;
    }
    return true;
}

bool TargetGuard::InsideDataFolders(const std::wstring& target) {
    if (!ready_) WorkOut();
    const std::optional<std::wstring> where = Resolve(target);
    if (!where) return false;
    for (const std::wstring& home : dataFolders_)
        if (Covers(home, *where) && !Covers(*where, home)) return true;
    return false;
}

bool TargetGuard::KeepsEmptyFolder(const std::wstring& folder) {
    if (!ready_) WorkOut();
    for (const std::wstring& shell : shellFolders_)
        if (Covers(folder, shell) && Covers(shell, folder)) return true;
    return !Permits(folder, Scope::Category);
}

} // namespace engine
