// Randomized whole runs: each case generates a world of targets and surroundings and
// random settings, runs the program over it headless, and checks that nothing outside
// the targets changed and that every target lost exactly what its rules allow.
//
//   safety_tests --cases N --seed S[,S2,...] [--jobs J]   N cases for each seed
//   safety_tests --case-seed X [--full]                  one case again, in full
// Cases are independent (each has its own program and fakes), so they run on J threads.
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "tests/safety/case_runner.h"
#include "tests/safety/path_text.h"
#include "tests/safety/rng.h"

namespace {

struct Options {
    long cases = 100;
    std::vector<std::uint64_t> seeds{1};
    bool single = false;
    std::uint64_t caseSeed = 0;
    bool full = false;
    int maxReports = 5;
    int jobs = 1;
    bool stats = false;
};

std::vector<std::uint64_t> SeedList(const char* text) {
    std::vector<std::uint64_t> seeds;
    for (const char* p = text; *p;) {
        char* end = nullptr;
        seeds.push_back(std::strtoull(p, &end, 0));
        if (end == p) break;
        p = *end == ',' ? end + 1 : end;
    }
    return seeds;
}

bool Parse(int argc, char** argv, Options& o) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
        if (arg == "--full") { o.full = true; continue; }
        if (arg == "--stats") { o.stats = true; continue; }
        if (!value) return false;
        ++i;
        if (arg == "--cases") o.cases = std::strtol(value, nullptr, 0);
        else if (arg == "--seed" || arg == "--seeds") o.seeds = SeedList(value);
        else if (arg == "--case-seed") { o.single = true; o.caseSeed = std::strtoull(value, nullptr, 0); }
        else if (arg == "--reports") o.maxReports = std::atoi(value);
        else if (arg == "--jobs") o.jobs = std::atoi(value);
        else return false;
    }
    return o.cases >= 0 && !o.seeds.empty() && o.jobs >= 1;
}

void Report(std::uint64_t caseSeed, const safety::CaseOutcome& outcome) {
    std::printf("%s case seed 0x%016llx (rerun: safety_tests --case-seed 0x%016llx --full)\n",
                outcome.violations.empty() ? "passed" : "FAILED",
                static_cast<unsigned long long>(caseSeed), static_cast<unsigned long long>(caseSeed));
    for (const std::wstring& v : outcome.violations) std::printf("  violation: %s\n", safety::Utf8(v).c_str());
    for (const std::wstring& d : outcome.description) std::printf("  %s\n", safety::Utf8(d).c_str());
}

std::vector<safety::CaseOutcome> RunAll(const std::vector<std::uint64_t>& run, const Options& o) {
    std::vector<safety::CaseOutcome> outcomes(run.size());
    std::atomic<std::size_t> next{0};
    auto work = [&] {
        for (std::size_t i = next++; i < run.size(); i = next++) outcomes[i] = safety::RunCase(run[i], o.full);
    };
    std::vector<std::thread> threads;
    for (int j = 1; j < o.jobs; ++j) threads.emplace_back(work);
    work();
    for (std::thread& t : threads) t.join();
    return outcomes;
}

// How much the cases did: a suite whose cases delete nothing proves nothing.
void PrintStats(const std::vector<safety::CaseOutcome>& outcomes) {
    const char* kinds[] = {"built-in folders", "Chrome", "Firefox", "user folders", "user files",
                           "search paths"};
    long removed[6] = {}, casesWith[6] = {}, recycled = 0, stopped = 0;
    for (const safety::CaseOutcome& o : outcomes) {
        for (int k = 0; k < 6; ++k) {
            removed[k] += o.tally.removedByKind[k];
            casesWith[k] += o.tally.removedByKind[k] > 0 ? 1 : 0;
        }
        recycled += o.tally.recycled;
        stopped += o.tally.stopped ? 1 : 0;
    }
    for (int k = 0; k < 6; ++k)
        std::printf("  %-16s %7ld items removed in %ld cases\n", kinds[k], removed[k], casesWith[k]);
    std::printf("  recycled %ld items; %ld runs stopped\n", recycled, stopped);
}

// The share of cases that drew each kind of hostile input.
void PrintInputShares(const std::vector<safety::CaseOutcome>& outcomes) {
    if (outcomes.empty()) return;
    for (int k = 0; k < static_cast<int>(safety::Hostile::Count); ++k) {
        long with = 0;
        for (const safety::CaseOutcome& o : outcomes) with += (o.tally.hostile >> k) & 1u;
        std::printf("  %5.1f%% of cases: %s\n", 100.0 * static_cast<double>(with) / static_cast<double>(outcomes.size()),
                    safety::HostileName(static_cast<safety::Hostile>(k)));
    }
}

} // namespace

int main(int argc, char** argv) {
    Options o;
    if (!Parse(argc, argv, o)) {
        std::fprintf(stderr, "usage: safety_tests [--cases N] [--seed S[,S...]] [--jobs J] [--reports R] [--stats]\n"
                     "       safety_tests --case-seed X [--full]\n");
        return 2;
    }
    std::vector<std::uint64_t> run;
    if (o.single) run.push_back(o.caseSeed);
    else
        for (std::uint64_t seed : o.seeds)
            for (long i = 0; i < o.cases; ++i) run.push_back(safety::CaseSeed(seed, static_cast<std::uint64_t>(i)));
    const std::vector<safety::CaseOutcome> outcomes = RunAll(run, o);
    long cases = 0, violations = 0, reported = 0, compared = 0, agreed = 0;
    for (std::size_t i = 0; i < run.size(); ++i) {
        const safety::CaseOutcome& outcome = outcomes[i];
        ++cases;
        violations += static_cast<long>(outcome.violations.size());
        if (outcome.compared) ++compared;
        if (outcome.agreed) ++agreed;
        if ((!outcome.violations.empty() && reported++ < o.maxReports) || o.full) Report(run[i], outcome);
    }
    if (o.stats) PrintStats(outcomes);
    if (!o.single) PrintInputShares(outcomes);
    std::printf("safety: %ld cases, %ld violations; the analysis agreed with the clean in %ld of "
                "the %ld cases compared (the %ld stopped cleans are not)\n",
                cases, violations, agreed, compared, cases - compared);
    return violations == 0 ? 0 : 1;
}
