#pragma once
#include <map>
#include <string>
#include <vector>

#include "platform/fake/fake_services.h"
#include "settings/option_set.h"
#include "tests/safety/rng.h"
#include "tests/safety/tree_maker.h"
#include "tests/safety/world.h"

namespace safety {

// Generates one case: the trees of every target, the surroundings, and random
// settings on the settings dialog of a started program. The scenario it returns is
// read back from the dialog, so click rules between options are already applied.
class ScenarioMaker {
public:
    ScenarioMaker(platform::fake::FakeServices& fakes, TForm2& options, std::uint64_t seed);
    Scenario Make();

private:
    // What a list entry stands for, by key.
    struct Listed {
        UnitKind kind;
        std::wstring path;
    };
    void BuiltInTrees();
    void BuiltInTree(const std::wstring& root, int depth);
    void UserFolders();
    void UserFiles();
    void SearchPaths();
    void Exclusions(std::size_t firstFile, std::size_t firstFolder);
    void AddToList(forms::ListView& list, const std::wstring& path, UnitKind kind);
    std::wstring Caption(const std::wstring& path, bool foldBeyondAscii);
    void Options();
    void MakeAliases();
    std::wstring Spelled(const std::wstring& path);
    void HostileInputs();
    void OtherProgramsValues();
    void Withhold(Unit& u) const;
    void Mark(Hostile kind) { hostile_ |= 1u << static_cast<int>(kind); }
    void ReadBack(Scenario& s);
    void ReadBackList(Scenario& s, forms::ListView& list, const wchar_t* what);
    void Describe(Scenario& s);

    platform::fake::FakeServices& fakes_;
    TForm2& options_;
    std::uint64_t seed_;
    Rng rng_;
    TreeMaker trees_;
    // By the key of the caption as well as of the path.
    std::map<std::wstring, Listed> listed_;
    // Exclusion captions by key, and the paths they stand for.
    std::map<std::wstring, std::wstring> excluded_;
    std::uint32_t hostile_ = 0;
    bool tempAtProtected_ = false;
    bool noLocal_ = false;
    bool noRoaming_ = false;
};

// The built-in targets the cases fill, with their option and root(s), in run order.
std::vector<Unit> BuiltInUnits(const TForm2& options, const std::wstring& temp);

} // namespace safety
