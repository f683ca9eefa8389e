#include "engine/deleting_action.h"

#include "engine/path_names.h"
#include "engine/tree_bytes.h"

namespace engine {

namespace {
using platform::FindData;
namespace attr = platform::attr;

// For an item whose attributes were not read: its deletion is simply tried.
constexpr std::uint32_t kAttributesUnknown = 0;

// Only the read-only attribute stands in the way of a deletion, and resetting attributes
// costs as much as deleting: an item is deleted as it is, unless it was listed as
// read-only. One that was refused is left with its attributes reset, as every item was
// before, and is tried once more if it turns out to be read-only.
template <class Remove>
bool RemoveResettingIfNeeded(platform::FileSystem& files, const std::wstring& path,
                             std::uint32_t listed, Remove remove) {
    if ((listed & attr::ReadOnly) == 0 && remove()) return true;
    std::uint32_t now = listed;
    const bool readOnly = (listed & attr::ReadOnly) != 0 ||
                          (files.GetAttributes(path, now) && (now & attr::ReadOnly) != 0);
    files.SetAttributes(path, attr::Normal);
    return readOnly && remove();
}

bool DeleteFileEntry(platform::FileSystem& files, const std::wstring& path, std::uint32_t listed) {
    return RemoveResettingIfNeeded(files, path, listed, [&] { return files.RemoveFile(path); });
}

bool DeleteFolderEntry(platform::FileSystem& files, const std::wstring& path,
                       std::uint32_t listed) {
    return RemoveResettingIfNeeded(files, path, listed, [&] { return files.RemoveFolder(path); });
}

} // namespace

DeletingAction::DeletingAction(RunDisplay& display, RunState& state, RunRules rules,
                               platform::Services& services)
    : display_(display), state_(state), rules_(rules), files_(services.files),
      shell_(services.shell) {}

void DeletingAction::Entering(const std::wstring& folder) {
    display_.SetStatus(display_.Text(17) + L" " + folder);
}

void DeletingAction::ShowDeleting(const std::wstring& path) {
    display_.SetStatus(display_.Text(17) + L" " + path);
    display_.Pump();
}

// Outside the user's targets a file a walk meets is removed quietly, without the
// status line an item of its own gets.
bool DeletingAction::File(const std::wstring& path, std::uint32_t attributes, std::uint64_t size) {
    if (state_.UserTargetsPhase) return Whole(path, attributes, size);
    if (!Noted(path, DeleteFileEntry(files_, path, attributes))) return false;
    Counted(size, false);
    return true;
}

bool DeletingAction::Whole(const std::wstring& path, std::uint32_t listed, std::uint64_t size) {
    ShowDeleting(path);
    if (rules_.RecycleMode()) {
        const std::uint32_t a = listed != kNotListed ? listed : LookedUp(path);
        if (rules_.Recycles(a)) return Recycled(path, BytesToRecycle(path, a, listed, size));
    }
    std::uint64_t bytes = 0;
    if (!Noted(path, DeletePermanently(path, listed, size, bytes))) return false;
    Counted(bytes, false);
    return true;
}

// The shell takes read-only items itself. What it takes is summed first: once in the
// bin, it is no longer there to list.
bool DeletingAction::Recycled(const std::wstring& path, std::uint64_t bytes) {
    const bool gone = RemoveResettingIfNeeded(
        files_, path, kAttributesUnknown, [&] { return shell_.DeleteWithShell(path, true) == 0; });
    if (!Noted(path, gone)) return false;
    Counted(bytes, true);
    return true;
}

std::uint64_t DeletingAction::BytesToRecycle(const std::wstring& path, std::uint32_t attributes,
                                             std::uint32_t listed, std::uint64_t size) {
    if ((attributes & attr::Directory) != 0)
        return BytesBelow(files_, path, [] { return true; }).value_or(0);
    if (listed != kNotListed) return size;
    return files_.FileSize(path).value_or(0);
}

// Named without a trailing backslash, a link is the link and not what it points at.
// An item that cannot be looked up is handed on as it is: its deletion then fails.
std::uint32_t DeletingAction::LookedUp(const std::wstring& path) {
    std::uint32_t a = 0;
    std::wstring bare = path;
    while (bare.size() > 3 && bare.back() == L'\\')
        bare.pop_back();
    return files_.GetAttributes(bare, a) ? a : 0;
}

// A permanent deletion needs no shell: the direct calls give the same result, are
// faster, take paths of any length, and remove links as links by construction.
// `bytes`: what the item held, for when it went.
bool DeletingAction::DeletePermanently(const std::wstring& path, std::uint32_t listed,
                                       std::uint64_t size, std::uint64_t& bytes) {
    std::uint32_t a = listed;
    if (a == kNotListed && !files_.GetAttributes(path, a)) return false;
    if ((a & attr::Directory) == 0) {
        bytes = listed != kNotListed ? size : files_.FileSize(path).value_or(0);
        return DeleteFileEntry(files_, path, a);
    }
    if (a & attr::ReparsePoint) return DeleteFolderEntry(files_, path, a);
    int parts = 0;
    if (RemoveTreeDirectly(path, parts, bytes)) return true;
    // The folder stays, but what went inside it is gone all the same: counted here,
    // as the caller counts only a folder that went.
    state_.Deleted.Items += parts;
    state_.Deleted.PermanentBytes += bytes;
    if (parts > 0) display_.ShowDeletedCount(state_.Deleted.Items);
    return false;
}

bool DeletingAction::RemoveTreeDirectly(const std::wstring& folder, int& parts,
                                        std::uint64_t& bytes) {
    const std::wstring dir = WithBackslash(folder);
    {
        platform::FolderEntries entries(files_, dir);
        FindData entry;
        while (entries.Next(entry)) {
            display_.Pump();
            if (state_.StopRequested) return false;
            const std::wstring full = dir + entry.name;
            const int before = parts;
            bool gone = false;
            if (entry.IsLink() && entry.IsDirectory()) {
                gone = Noted(full, DeleteFolderEntry(files_, full, entry.attributes));
            } else if (entry.IsDirectory()) {
                gone = RemoveTreeDirectly(full, parts, bytes);
            } else {
                gone = Noted(full, DeleteFileEntry(files_, full, entry.attributes));
                if (gone) bytes += entry.size;
            }
            if (gone) parts = before + 1;
        }
    }
    return Noted(folder, DeleteFolderEntry(files_, folder, kAttributesUnknown));
}

// A folder a walk emptied is one of the walk's deletions: counted and, for the user's
// own targets with Recycle on, sent to the recycle bin like the rest. What it held was
// counted as it went.
bool DeletingAction::Emptied(const std::wstring& folder, bool /*leftSome*/) {
    if (rules_.RecycleMode()) {
        // The walk leaves dot entries in place; the shell would take them along.
        if (!IsEmptyFolder(folder)) return false;
        ShowDeleting(folder);
        return Recycled(folder, 0);
    }
    if (!Noted(folder, DeleteFolderEntry(files_, folder, kAttributesUnknown))) return false;
    Counted(0, false);
    return true;
}

bool DeletingAction::Link(const std::wstring& link) {
    if (rules_.RecycleMode()) return Whole(link, kNotListed, 0);
    if (!Noted(link, files_.RemoveFolder(link))) return false;
    Counted(0, false);
    return true;
}

void DeletingAction::Single(const std::wstring& path, Tally tally) {
    const std::uint64_t bytes = tally == Tally::None ? 0 : files_.FileSize(path).value_or(0);
    if (!Noted(path, files_.RemoveFile(path)) || tally == Tally::None) return;
    state_.Deleted.Add(bytes, false);
    // Elsewhere the next deletion of the run shows the total.
    if (tally == Tally::Shown) display_.ShowDeletedCount(state_.Deleted.Items, L": ");
}

void DeletingAction::ClearAttributes(const std::wstring& path) {
    files_.SetAttributes(path, attr::Normal);
}

void DeletingAction::Went(const std::wstring& path, int picture) {
    if (rules_.ListsItems()) display_.Rows().AddResultRow(path, picture);
}

bool DeletingAction::IsEmptyFolder(const std::wstring& path) {
    platform::FolderEntries entries(files_, WithBackslash(path));
    FindData entry;
    return !entries.Next(entry) && entries.Listed();
}

void DeletingAction::Counted(std::uint64_t bytes, bool recycled) {
    state_.Deleted.Add(bytes, recycled);
    display_.ShowDeletedCount(state_.Deleted.Items);
}

bool DeletingAction::Noted(const std::wstring& path, bool gone) {
    if (!gone) state_.Refused.push_back(path);
    return gone;
}

} // namespace engine
