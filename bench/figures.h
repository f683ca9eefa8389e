#pragma once
// The figures `make bench` prints. Each engine figure times the program's own code on
// the main window against a raw baseline measured in the same run, repetitions
// interleaved so that a drift of the machine weighs on both alike.
#include <string>
#include <vector>

#include "bench/program_harness.h"
#include "bench/trees.h"

namespace bench {

struct Figure {
    std::string name;
    double value = 0;
    double target = 0;
    std::vector<std::string> notes; // details printed below the figure's line
    bool Within() const { return value <= target; }
};

struct Sizes {
    TreeShape tree;
    int recycleFiles = 2000;
    int rows = 1000000;
    int rowWindow = 10000; // rows timed at the start and at the end of the list
    int repetitions = 5;
    std::wstring root = L"C:\\bench";
};

Figure ScanNoMatch(ProgramHarness& program, const Sizes& sizes);
Figure ScanDelete(ProgramHarness& program, const Sizes& sizes);
// tree-delete and stop-latency, which is measured during it.
std::vector<Figure> TreeDelete(ProgramHarness& program, const Sizes& sizes);
Figure Analyze(ProgramHarness& program, const Sizes& sizes);
Figure Recycle(ProgramHarness& program, const Sizes& sizes);
// rows-time and rows-memory.
std::vector<Figure> ResultRows(ProgramHarness& program, const Sizes& sizes);
// Launch to the first painted main window, against an empty window program; both
// programs lie in folder.
Figure Startup(const Sizes& sizes, const std::wstring& folder);

} // namespace bench
