// The benchmark program: measures the figures of Ace Tidyhawk's engine and window on
// the machine it runs on, each against a baseline taken in the same run, and prints
//   bench NAME: ratio R (target <= T)
// one line per figure, then "bench: K of N within target". Details follow each figure
// on indented lines. Arguments: --scale N divides every size by N (for a quick look);
// --only NAME,NAME measures only the figures named.
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <exception>
#include <functional>
#include <limits>
#include <map>

#include "bench/figures.h"

namespace {

using bench::Figure;

// The figures in the order they are printed, with their targets; they are measured in
// another order (start-up first, before this process has windows of its own).
struct Known {
    const char* name;
    double target;
};
const Known kFigures[] = {{"scan-nomatch", 1.2}, {"scan-delete", 1.3}, {"tree-delete", 1.3},
                          {"recycle", 1.2},      {"rows-time", 1.5},   {"rows-memory", 1.5},
                          {"stop-latency", 100}, {"startup", 1.25}, {"analyze", 1.2}};

// A figure that could not be measured: out of target, with the reason below it.
Figure Failed(const std::string& name, const std::string& reason) {
    double target = 0;
    for (const Known& k : kFigures)
        if (name == k.name) target = k.target;
    return Figure{
        name, std::numeric_limits<double>::infinity(), target, {name + ": failed: " + reason}};
}

bench::Sizes SizesFor(int scale) {
    bench::Sizes s;
    s.tree.filesPerFolder /= scale;
    s.recycleFiles /= scale;
    s.rows /= scale;
    if (s.rowWindow > s.rows / 10) s.rowWindow = s.rows / 10;
    return s;
}

// The value after an option, or empty.
std::wstring Argument(int argc, wchar_t** argv, const wchar_t* option) {
    for (int i = 1; i + 1 < argc; ++i)
        if (std::wcscmp(argv[i], option) == 0) return argv[i + 1];
    return {};
}

// Whether a measurement is wanted: every one without --only.
bool Wanted(const std::wstring& only, const std::vector<std::string>& names) {
    if (only.empty()) return true;
    const std::wstring list = L"," + only + L",";
    for (const std::string& name : names)
        if (list.find(L"," + std::wstring(name.begin(), name.end()) + L",") != std::wstring::npos)
            return true;
    return false;
}

std::wstring ProgramFolder() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder = path;
    return folder.substr(0, folder.find_last_of(L"\\/"));
}

void Progress(const char* what) {
    std::fprintf(stderr, "bench: measuring %s\n", what);
    std::fflush(stderr);
}

// Runs one measurement; a failure becomes figures that are out of target with the reason.
void Measure(std::map<std::string, Figure>& results, const std::wstring& only,
             const std::vector<std::string>& names,
             const std::function<std::vector<Figure>()>& measure) {
    if (!Wanted(only, names)) return;
    Progress(names.front().c_str());
    try {
        for (Figure& f : measure())
            results[f.name] = f;
    } catch (const std::exception& e) {
        for (const std::string& name : names)
            results[name] = Failed(name, e.what());
    }
}

void Print(const std::map<std::string, Figure>& results, const bench::Sizes& s, int scale) {
    std::printf("  sizes: %d files in %d folders, %d recycled files, %d rows, %d repetitions%s\n",
                s.tree.Files(), s.tree.Folders(), s.recycleFiles, s.rows, s.repetitions,
                scale == 1 ? " (full size)" : " (scaled down)");
    int within = 0, count = 0;
    for (const Known& known : kFigures) {
        auto it = results.find(known.name);
        if (it == results.end()) continue;
        const Figure& f = it->second;
        std::printf("bench %s: ratio %.2f (target <= %g)\n", f.name.c_str(), f.value, f.target);
        for (const std::string& note : f.notes)
            std::printf("  %s\n", note.c_str());
        ++count;
        if (f.Within()) ++within;
    }
    std::printf("bench: %d of %d within target\n", within, count);
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    // Plain newlines: the output is read on the host side.
    _setmode(_fileno(stdout), _O_BINARY);
    const int scale = std::max(1, _wtoi(Argument(argc, argv, L"--scale").c_str()));
    const std::wstring only = Argument(argc, argv, L"--only");
    const bench::Sizes sizes = SizesFor(scale);
    std::map<std::string, Figure> results;
    using Figures = std::vector<Figure>;
    Measure(results, only, {"startup"},
            [&] { return Figures{bench::Startup(sizes, ProgramFolder())}; });
    if (only == L"startup") return Print(results, sizes, scale), 0;
    try {
        CreateDirectoryW(sizes.root.c_str(), nullptr);
        bench::ProgramHarness program;
        Measure(results, only, {"scan-nomatch"},
                [&] { return Figures{bench::ScanNoMatch(program, sizes)}; });
        Measure(results, only, {"scan-delete"},
                [&] { return Figures{bench::ScanDelete(program, sizes)}; });
        Measure(results, only, {"tree-delete", "stop-latency"},
                [&] { return bench::TreeDelete(program, sizes); });
        Measure(results, only, {"analyze"},
                [&] { return Figures{bench::Analyze(program, sizes)}; });
        Measure(results, only, {"recycle"},
                [&] { return Figures{bench::Recycle(program, sizes)}; });
        Measure(results, only, {"rows-time", "rows-memory"},
                [&] { return bench::ResultRows(program, sizes); });
    } catch (const std::exception& e) {
        // Without the main window no engine figure can be taken.
        for (const Known& k : kFigures)
            if (!results.count(k.name) && Wanted(only, {k.name}))
                results[k.name] = Failed(k.name, std::string("no main window: ") + e.what());
    }
    Print(results, sizes, scale);
    // Out of target is a result; a figure that could not be taken is a failure.
    for (const auto& entry : results)
        if (entry.second.value == std::numeric_limits<double>::infinity()) return 1;
    return 0;
}
