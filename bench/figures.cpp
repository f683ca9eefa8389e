#include "bench/figures.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <stdexcept>

#include "bench/bench_clock.h"
#include "bench/raw_walks.h"
#include "bench/startup.h"
#include "engine/primitives.h"

namespace bench {

namespace {

// printf's own checks of the values against the format apply.
__attribute__((format(printf, 1, 2))) std::string Format(const char* format, ...) {
    char text[300];
    std::va_list values;
    va_start(values, format);
    std::vsnprintf(text, sizeof text, format, values);
    va_end(values);
    return text;
}

// The figure of a timed comparison: the medians' ratio, with both medians in a note.
Figure Compare(const char* name, double target, const std::vector<double>& program,
               const std::vector<double>& raw) {
    Figure f{name, Median(program) / Median(raw), target, {}};
    f.notes.push_back(std::string(name) + Format(": program %.0f ms, raw %.0f ms (medians)",
                                                 Median(program) * 1000, Median(raw) * 1000));
    return f;
}

void Expect(bool holds, const std::string& what) {
    if (!holds) throw std::runtime_error(what);
}

// The search-path scan's options: every deleted item listed, deleted for good, the
// usual junk rules on; the old-files rule (.tmp among them) only when asked.
void ScanOptions(TForm2& o, bool oldFiles) {
    o.Box(settings::Option::Display).SetChecked(true);
    o.Box(settings::Option::Recycle).SetChecked(false);
    o.Box(settings::Option::Empfolder).SetChecked(false);
    // The tree's files are empty: size decides nothing here.
    o.Box(settings::Option::Zerofile).SetChecked(false);
    o.Box(settings::Option::Picthumb).SetChecked(true);
    o.Box(settings::Option::Tempfile).SetChecked(true);
    o.Box(settings::Option::Logfile).SetChecked(true);
    o.Box(settings::Option::Oldfile).SetChecked(oldFiles);
    o.Edit1.SetText(L"");
    o.Edit4.SetText(L"");
}

std::wstring ScanRoot(const Sizes& s) {
    return s.root + L"\\scan";
}

// What one repetition took on each side.
struct Turns {
    double raw = 0;
    double ours = 0;
};

// The machine's speed swings while a figure runs (other work, the desktop process):
// raw and program take turns top folder by top folder, a tenth of the tree each, so
// that a swing weighs on both alike. Each side times its own turn (rebuilding what it
// deletes goes untimed) and returns the seconds.
template <class Raw, class Ours> Turns TakeTurns(const TreeShape& shape, Raw raw, Ours ours) {
    Turns t;
    for (int top = 0; top < shape.topFolders; ++top) {
        t.raw += raw(top);
        t.ours += ours(top);
    }
    return t;
}

} // namespace

Figure ScanNoMatch(ProgramHarness& program, const Sizes& s) {
    const std::wstring root = ScanRoot(s);
    BuildTree(root, s.tree, Part::Everything);
    ScanOptions(program.Options(), false);
    RawList(root); // the first listing fills the system's caches for both
    engine::UserTargets& targets = program.Run().Targets();
    std::vector<double> raw, ours;
    for (int r = 0; r < s.repetitions; ++r) {
        std::size_t seen = 0;
        program.BeginRun(true);
        const Turns t = TakeTurns(
            s.tree, [&](int top) { return TimeOf([&] { seen += RawList(TopFolder(root, top)); }); },
            [&](int top) { return TimeOf([&] { targets.ScanSearchPath(TopFolder(root, top)); }); });
        const int count = program.Run().State.Deleted.Items;
        program.EndRun();
        Expect(seen == std::size_t(s.tree.Files()), "scan-nomatch: the tree is incomplete");
        Expect(count == 0, "scan-nomatch deleted files");
        raw.push_back(t.raw);
        ours.push_back(t.ours);
    }
    return Compare("scan-nomatch", 1.2, ours, raw);
}

Figure ScanDelete(ProgramHarness& program, const Sizes& s) {
    const std::wstring root = ScanRoot(s);
    const std::size_t junk = static_cast<std::size_t>(s.tree.JunkFiles());
    BuildTree(root, s.tree, Part::Everything);
    ScanOptions(program.Options(), true);
    engine::UserTargets& targets = program.Run().Targets();
    std::vector<double> raw, ours;
    for (int r = 0; r < s.repetitions; ++r) {
        std::size_t deleted = 0;
        program.BeginRun(true);
        const Turns t = TakeTurns(
            s.tree,
            [&](int top) {
                BuildTopFolder(root, top, s.tree, Part::JunkOnly);
                return TimeOf([&] { deleted += RawDeleteMatching(TopFolder(root, top), L".tmp"); });
            },
            [&](int top) {
                BuildTopFolder(root, top, s.tree, Part::JunkOnly);
                return TimeOf([&] { targets.ScanSearchPath(TopFolder(root, top)); });
            });
        const int count = program.Run().State.Deleted.Items;
        const int rows = program.Main().Rows.List().Count();
        program.EndRun();
        Expect(deleted == junk, "raw scan-delete deleted " + std::to_string(deleted));
        Expect(count == static_cast<int>(junk), "scan-delete deleted " + std::to_string(count));
        Expect(rows == count, "scan-delete rows differ from its count");
        raw.push_back(t.raw);
        ours.push_back(t.ours);
    }
    ScanOptions(program.Options(), false);
    return Compare("scan-delete", 1.3, ours, raw);
}

// Empties each top folder of a temporary folder in turn, as the walk of the temporary
// folder category does with the folder it keeps.
std::vector<Figure> TreeDelete(ProgramHarness& program, const Sizes& s) {
    const std::wstring root = s.root + L"\\temp";
    BuildTree(root, s.tree, Part::Everything);
    PumpGapMonitor monitor;
    std::vector<double> raw, ours;
    double longestGap = 0;
    for (int r = 0; r < s.repetitions; ++r) {
        program.BeginRun(false);
        const Turns t = TakeTurns(
            s.tree,
            [&](int top) {
                BuildTopFolder(root, top, s.tree, Part::Everything);
                return TimeOf([&] { RawDeleteTree(TopFolder(root, top)); });
            },
            [&](int top) {
                BuildTopFolder(root, top, s.tree, Part::Everything);
                const std::wstring folder = engine::WithBackslash(TopFolder(root, top));
                monitor.Start();
                const double seconds = TimeOf(
                    [&] { program.Run().Walkers().DeleteFolderTree(folder, engine::Top::Keep); });
                monitor.Stop();
                longestGap = std::max(longestGap, monitor.LongestGapMs());
                return seconds;
            });
        program.EndRun();
        Expect(RawList(root) == 0, "tree-delete left files");
        raw.push_back(t.raw);
        ours.push_back(t.ours);
    }
    Figure gap{"stop-latency", longestGap, 100, {}};
    gap.notes.push_back(
        Format("stop-latency: longest gap between two message pumps %.0f ms", longestGap));
    return {Compare("tree-delete", 1.3, ours, raw), gap};
}

// Measures each top folder of a temporary folder as an analysis does, against a raw
// listing that sums the same sizes.
Figure Analyze(ProgramHarness& program, const Sizes& s) {
    const std::wstring root = s.root + L"\\analyze";
    BuildTree(root, s.tree, Part::Everything);
    RawList(root); // the first listing fills the system's caches for both
    engine::CleanRun& run = program.Run();
    std::vector<double> raw, ours;
    for (int r = 0; r < s.repetitions; ++r) {
        std::uint64_t rawBytes = 0;
        run.Measuring().Reset();
        program.BeginRun(false);
        const Turns t = TakeTurns(
            s.tree,
            [&](int top) { return TimeOf([&] { rawBytes += RawListBytes(TopFolder(root, top)); }); },
            [&](int top) {
                const std::wstring folder = engine::WithBackslash(TopFolder(root, top));
                engine::Primitives::ActionScope measuring(run.Walkers(), run.Measuring());
                return TimeOf([&] { run.Walkers().DeleteFolderTree(folder, engine::Top::Keep); });
            });
        program.EndRun();
        const engine::Accounting& m = run.Measured();
        Expect(m.PermanentBytes == rawBytes, "analyze measured " + std::to_string(m.PermanentBytes) +
                                                 " bytes, the listing " + std::to_string(rawBytes));
        Expect(RawList(root) == std::size_t(s.tree.Files()), "analyze deleted files");
        raw.push_back(t.raw);
        ours.push_back(t.ours);
    }
    return Compare("analyze", 1.2, ours, raw);
}

namespace {

// Recycling takes a shell call per file whose time swings with the desktop process
// behind it; raw and program take turns every kRecycleChunk files, so that a swing
// weighs on both alike.
constexpr int kRecycleChunk = 200;

// The program's share of one turn: the user's file list holds the chunk.
double RecycleByProgram(ProgramHarness& program, const std::vector<std::wstring>& files,
                        std::size_t from, std::size_t to) {
    forms::ListView& list = program.Options().DeleteFileList();
    list.Clear();
    for (std::size_t i = from; i < to; ++i)
        list.Add(files[i], true);
    return TimeOf([&] { program.Run().Targets().DeleteFiles(); });
}

} // namespace

Figure Recycle(ProgramHarness& program, const Sizes& s) {
    const std::wstring folder = s.root + L"\\recycle";
    CreateDirectoryW(folder.c_str(), nullptr);
    program.Options().Box(settings::Option::Recycle).SetChecked(true);
    std::vector<double> raw, ours;
    for (int r = 0; r < s.repetitions; ++r) {
        const std::wstring tag = std::to_wstring(r);
        const std::vector<std::wstring> rawFiles =
            BuildFlatFiles(folder + L"\\raw " + tag, L"raw " + tag, s.recycleFiles);
        const std::vector<std::wstring> ourFiles =
            BuildFlatFiles(folder + L"\\ours " + tag, L"ours " + tag, s.recycleFiles);
        program.BeginRun(true);
        double rawTime = 0, ourTime = 0;
        std::size_t recycled = 0;
        for (std::size_t from = 0; from < rawFiles.size(); from += kRecycleChunk) {
            const std::size_t to = std::min(rawFiles.size(), from + kRecycleChunk);
            const std::vector<std::wstring> chunk(rawFiles.begin() + from, rawFiles.begin() + to);
            rawTime += TimeOf([&] { recycled += RawRecycle(chunk); });
            ourTime += RecycleByProgram(program, ourFiles, from, std::min(ourFiles.size(), to));
        }
        const int count = program.Run().State.Deleted.Items;
        program.EndRun();
        Expect(recycled == rawFiles.size(), "raw recycle missed files");
        Expect(count == s.recycleFiles, "recycle deleted " + std::to_string(count));
        raw.push_back(rawTime);
        ours.push_back(ourTime);
    }
    program.Options().DeleteFileList().Clear();
    return Compare("recycle", 1.2, ours, raw);
}

std::vector<Figure> ResultRows(ProgramHarness& program, const Sizes& s) {
    engine::ResultRows& rows = program.Main().Rows;
    engine::Primitives& walkers = program.Run().Walkers();
    std::vector<double> first, last;
    double textBytes = 0, addedBytes = 0;
    for (int r = 0; r < s.repetitions; ++r) {
        program.BeginRun(true);
        const std::size_t before = CommittedPrivateBytes();
        double text = 0, start = Seconds();
        for (int i = 0; i < s.rows; ++i) {
            if (i == s.rows - s.rowWindow) start = Seconds();
            const std::wstring caption = RealisticPath(i);
            text += static_cast<double>(caption.size()) * sizeof(wchar_t);
            rows.AddResultRow(caption, engine::picture::DeletedFile);
            walkers.Pump(); // as a scan pumps once per item
            if (i == s.rowWindow - 1) first.push_back(Seconds() - start);
        }
        last.push_back(Seconds() - start);
        // A fresh heap only once: later repetitions reuse the blocks the first freed.
        if (r == 0) {
            addedBytes = static_cast<double>(CommittedPrivateBytes() - before);
            textBytes = text;
        }
        program.EndRun();
    }
    program.Main().Rows.List().Clear();
    Figure time{"rows-time", Median(last) / Median(first), 1.5, {}};
    time.notes.push_back(
        Format("rows-time: %.2f us a row over the first rows, %.2f us over the last",
               Median(first) * 1e6 / s.rowWindow, Median(last) * 1e6 / s.rowWindow));
    Figure memory{"rows-memory", addedBytes / textBytes, 1.5, {}};
    memory.notes.push_back(Format("rows-memory: %d rows add %.1f MB for %.1f MB of UTF-16 text",
                                  s.rows, addedBytes / 1048576, textBytes / 1048576));
    return {time, memory};
}

Figure Startup(const Sizes& s, const std::wstring& folder) {
    const std::wstring programPath = folder + L"\\shipped\\WindowsTidyhawk.exe";
    const std::wstring emptyPath = folder + L"\\bench_empty_window.exe";
    const std::wstring controlsPath = folder + L"\\bench_controls_window.exe";
    // The program's first start in a prefix makes its settings key and data folder.
    LaunchToFirstPaint(programPath);
    LaunchToFirstPaint(emptyPath);
    LaunchToFirstPaint(controlsPath);
    std::vector<double> ours, empty, controls;
    // Launches are short and vary with what the machine and Wine do meanwhile by tens of
    // milliseconds: many of them, taken in turns.
    for (int r = 0; r < std::max(31, s.repetitions); ++r) {
        empty.push_back(LaunchToFirstPaint(emptyPath));
        ours.push_back(LaunchToFirstPaint(programPath));
        controls.push_back(LaunchToFirstPaint(controlsPath));
    }
    // What the program itself adds to showing its window: against the same kinds of
    // controls with nothing behind them. The empty window shows what any window costs.
    Figure f = Compare("startup", 1.25, ours, controls);
    f.notes.back() =
        Format("startup: program %.0f ms, a window with the same kinds of controls and no "
               "program behind them %.0f ms (medians of %d launches each)",
               Median(ours) * 1000, Median(controls) * 1000, static_cast<int>(ours.size()));
    f.notes.push_back(Format("startup: an empty window program %.0f ms; the program takes %.2f "
                             "times as long, the controls window %.2f times",
                             Median(empty) * 1000, Median(ours) / Median(empty),
                             Median(controls) / Median(empty)));
    return f;
}

} // namespace bench
