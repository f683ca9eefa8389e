#pragma once
#include <cstdint>
#include <string>

namespace engine {

// What a walker passes for an item no listing has just shown.
constexpr std::uint32_t kNotListed = 0xFFFFFFFF;

// How a single file removed by the file system's own delete is counted: not at all
// (the update history's database), among the items only, or among the items with the
// count shown at once.
enum class Tally { None, Counted, Shown };

// What happens to the items the walkers choose. A walker lists, keeps away from links,
// decides what is to go and hands each item here with what its listing showed; the
// action deletes it, or only measures it. Each call says whether the item went (or
// would go), which steers the walk: a folder that did not go whole is entered.
class ItemAction {
public:
    virtual ~ItemAction() = default;
    ItemAction() = default;
    ItemAction(const ItemAction&) = delete;
    ItemAction& operator=(const ItemAction&) = delete;

    // A walk lists this folder next.
    virtual void Entering(const std::wstring& folder) = 0;
    // A file met while a folder is emptied.
    virtual bool File(const std::wstring& path, std::uint32_t attributes, std::uint64_t size) = 0;
    // An item that goes at once: a file, a link, or a folder with all it holds.
    // `attributes` and `size` as listed, or kNotListed and 0.
    virtual bool Whole(const std::wstring& path, std::uint32_t attributes, std::uint64_t size) = 0;
    // A folder a walk has emptied. `leftSome`: the walk left entries in it (dot entries,
    // or folders below that stayed).
    virtual bool Emptied(const std::wstring& folder, bool leftSome) = 0;
    // A link where a folder was expected, named without its trailing backslash.
    virtual bool Link(const std::wstring& link) = 0;
    // One file by the file system's delete alone, its attributes as they are.
    virtual void Single(const std::wstring& path, Tally tally) = 0;
    // Attributes cleared on an item about to go (the hotfix leftovers).
    virtual void ClearAttributes(const std::wstring& path) = 0;
    // An item a walk took, for the list of the user's items.
    virtual void Went(const std::wstring& path, int picture) = 0;
};

} // namespace engine
