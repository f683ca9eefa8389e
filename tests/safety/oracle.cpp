#include "tests/safety/oracle.h"

#include "tests/safety/path_text.h"
#include "tests/safety/unit_rules.h"

namespace safety {

namespace {

bool IsRemoval(const Event& e) { return e.ok && e.op != Op::Touch; }

class Checker {
public:
    explicit Checker(const RunRecord& run)
        : run_(run), rules_(run.scenario, run.before) {}

    std::vector<std::wstring> Run() {
        Appeared();
        KeptAndChanged();
        Removed();
        Protected();
        Required();
        AfterStop();
        Recycling();
        ScannedFolders();
        Count();
        return failures_;
    }

private:
    const Unit& U(int i) const { return run_.scenario.units[static_cast<std::size_t>(i)]; }
    bool Gone(const std::wstring& key) const { return !run_.after.Find(key); }
    void Fail(const std::wstring& what, const std::wstring& path) {
        failures_.push_back(what + L": " + path);
    }

    void Appeared() {
        for (const auto& [key, item] : run_.after.Items())
            if (!run_.before.Find(key) && key != Key(run_.scenario.logPath))
                Fail(L"appeared", item.path);
    }

    void KeptAndChanged() {
        for (const auto& [key, item] : run_.before.Items()) {
            const Item* now = run_.after.Find(key);
            if (!now || now->SameAs(item)) continue;
            const int unit = rules_.UnitOf(key);
            Item same = *now;
            same.attributes = item.attributes;
            if (unit < 0) Fail(L"changed outside the targets", item.path);
            else if (!same.SameAs(item)) Fail(L"changed without being deleted", item.path);
            else if (rules_.KeptByScan(unit, key)) Fail(L"attributes of a kept file changed", item.path);
        }
    }

    void Removed() {
        for (const auto& [key, item] : run_.before.Items()) {
            if (!Gone(key)) continue;
            const int unit = rules_.UnitOf(key);
            if (unit < 0) Fail(L"removed outside the targets", item.path);
            else if (!rules_.May(unit, key)) Fail(L"removed against the rules of " + U(unit).label, item.path);
        }
    }

    // Whatever the inputs named, no protected folder nor one above it was removed or
    // handed to the recycle bin.
    void Protected() {
        for (const Event& e : run_.log) {
            if (!IsRemoval(e)) continue;
            for (const std::wstring& folder : ProtectedFolders())
                if (SameOrBelow(Key(folder), Key(e.path))) Fail(L"removed a protected folder or one above it", e.path);
        }
    }

    // The last target the run was busy with before the stop; -1 when none yet.
    int StopUnit() const {
        for (std::size_t i = *run_.stopEvent; i-- > 0;) {
            const int unit = rules_.UnitOf(Key(run_.log[i].path));
            if (unit >= 0) return unit;
        }
        return -1;
    }

    void Required() {
        const int done = run_.stopEvent ? StopUnit() : static_cast<int>(run_.scenario.units.size());
        for (const auto& [key, item] : run_.before.Items()) {
            const int unit = rules_.UnitOf(key);
            if (unit >= 0 && unit < done && !Gone(key) && rules_.Must(unit, key))
                Fail(L"left behind by " + U(unit).label, item.path);
        }
    }

    // After a stop no later target loses anything, and the running one only the item
    // in hand when the stop came and the folders that item leaves empty above it.
    void AfterStop() {
        if (!run_.stopEvent) return;
        const int running = StopUnit();
        std::wstring inHand;
        for (std::size_t i = *run_.stopEvent; i < run_.log.size(); ++i) {
            const Event& e = run_.log[i];
            if (!IsRemoval(e)) continue;
            const int unit = rules_.UnitOf(Key(e.path));
            if (unit > running) Fail(L"deleted after the stop by a later target", e.path);
            else if (inHand.empty()) inHand = Key(e.path);
            else if (!StrictlyBelow(inHand, Key(e.path)))
                Fail(L"deleted after the stop beyond the item in hand", e.path);
        }
    }

    bool InRecycleBin(const std::wstring& key) const {
        for (const std::wstring& r : run_.recycled)
            if (SameOrBelow(key, Key(r))) return true;
        return false;
    }

    static bool UserKind(UnitKind k) {
        return k == UnitKind::UserFolder || k == UnitKind::UserFile || k == UnitKind::SearchPath;
    }

    void Recycling() {
        for (const std::wstring& r : run_.recycled) {
            const int unit = rules_.UnitOf(Key(r));
            if (!run_.scenario.recycle) Fail(L"recycled with Recycle off", r);
            else if (unit >= 0 && !UserKind(U(unit).kind)) Fail(L"built-in category item recycled", r);
        }
        if (!run_.scenario.recycle) return;
        for (const auto& [key, item] : run_.before.Items()) {
            const int unit = rules_.UnitOf(key);
            // A link goes as a link in every mode, its target untouched.
            if (Gone(key) && unit >= 0 && UserKind(U(unit).kind) && !InRecycleBin(key) &&
                !item.IsLink())
                Fail(L"deleted past the recycle bin", item.path);
        }
    }

    // The scan removes a folder only when it holds nothing at all.
    void ScannedFolders() {
        for (const Event& e : run_.log) {
            const int unit = rules_.UnitOf(Key(e.path));
            if (e.ok && e.heldAnything && unit >= 0 && U(unit).kind == UnitKind::SearchPath)
                Fail(L"scan removed a folder that held something", e.path);
        }
    }

    // Each item that went while its folder stayed is counted, and no more is counted
    // than the removals that succeeded.
    void Count() {
        int least = 0, most = 0;
        for (const auto& [key, item] : run_.before.Items()) {
            const std::wstring parent = ParentKey(key);
            if (Gone(key) && (!run_.before.Find(parent) || !Gone(parent))) ++least;
        }
        for (const Event& e : run_.log) most += IsRemoval(e) ? 1 : 0;
        const int n = run_.deletedCount;
        if (n < least || n > most)
            Fail(L"count " + std::to_wstring(n) + L" outside " + std::to_wstring(least) + L".." +
                     std::to_wstring(most),
                 L"DeletedCount");
    }

    const RunRecord& run_;
    UnitRules rules_;
    std::vector<std::wstring> failures_;
};

} // namespace

std::vector<std::wstring> CheckRun(const RunRecord& run) { return Checker(run).Run(); }

Tally TallyRun(const RunRecord& run) {
    Tally t;
    const UnitRules rules(run.scenario, run.before);
    for (const auto& [key, item] : run.before.Items()) {
        const int unit = rules.UnitOf(key);
        if (unit >= 0 && !run.after.Find(key))
            ++t.removedByKind[static_cast<int>(run.scenario.units[static_cast<std::size_t>(unit)].kind)];
    }
    t.recycled = static_cast<int>(run.recycled.size());
    t.stopped = run.stopEvent.has_value();
    t.hostile = run.scenario.hostile;
    return t;
}

} // namespace safety
