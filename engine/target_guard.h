#pragma once
#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace engine {

// Decides whether a folder or file that a category or one of the user's lists names may
// be emptied or deleted. Every input the program trusts (the temporary folder, another
// program's registry value, a list entry) could otherwise point a walk at the user's own
// files: a target is refused when it is unsound as a path, a drive root, or one of the
// protected folders or a folder above one, judged on where it really is, with links,
// junctions, mapped drives, short names, "." and ".." resolved.
class TargetGuard {
public:
    explicit TargetGuard(platform::Services& services) : services_(services) {}

    enum class Scope {
        // The program's own categories: the system's folders and the user's own
        // (Desktop, Documents, Pictures and the like) are all protected.
        Category,
        // The user's own lists are the user's explicit choice: only the system's part
        // is protected, so naming Downloads empties it.
        UserList,
    };

    // Worked out again on first use after this: a run starts.
    void Reset() { ready_ = false; }

    // While one lives, Canonical keeps the folder of the last entry it spelled and where
    // that folder really is, for the next entry in the same folder: a list names many
    // files of one folder, and each look-up opens a handle. Only for a walk that removes
    // files alone, under which no folder, and so no way to one, changes.
    class FilesOnlyWalk {
    public:
        explicit FilesOnlyWalk(TargetGuard& guard) : guard_(guard) { guard_.folder_.emplace(); }
        ~FilesOnlyWalk() { guard_.folder_.reset(); }
        FilesOnlyWalk(const FilesOnlyWalk&) = delete;
        FilesOnlyWalk& operator=(const FilesOnlyWalk&) = delete;

    private:
        TargetGuard& guard_;
    };

    bool Permits(const std::wstring& target, Scope scope);
    // For the search scan's empty folders, named in the form its walk lists them: a
    // protected folder or a shell folder of a profile (Favorites, Links...) stays even
    // when empty.
    bool KeepsEmptyFolder(const std::wstring& folder);
    // Where a list entry or base path really is, for walks that compare what they meet
    // with other paths: normalized, then resolved when it exists. Nothing when unsound.
    std::optional<std::wstring> Resolve(const std::wstring& path);
    // The same for an exclusion, which only ever widens what a walk leaves alone: names
    // ending in a dot or a blank are kept as written rather than refused.
    std::optional<std::wstring> ResolveExclusion(const std::wstring& path);
    // A list entry spelled in full for the walk that deletes it: normalized, short
    // names in their long form, links kept as links. Nothing when unsound.
    std::optional<std::wstring> Canonical(const std::wstring& path);
    // Lies below the user's profile or ProgramData (not either itself), where another
    // program's own data folder belongs.
    bool InsideDataFolders(const std::wstring& target);
    // `path` is `folder` or lies below it, by the file system's case rules.
    bool Covers(const std::wstring& folder, const std::wstring& path);

private:
    struct Protected {
        std::wstring path;
        bool system;
    };
    void WorkOut();
    std::wstring Located(const std::wstring& normalized);
    void Protect(const std::wstring& path, bool system);
    std::wstring Special(int csidl);

    platform::Services& services_;
    bool ready_ = false;
    // The last folder Canonical looked up, and where it really is; only while kept.
    struct KnownFolder {
        std::wstring spelled;
        std::optional<std::wstring> real;
    };
    std::optional<KnownFolder> folder_;
    std::vector<Protected> protected_;
    std::vector<std::wstring> shellFolders_;
    std::vector<std::wstring> dataFolders_;
};

} // namespace engine
