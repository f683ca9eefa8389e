#pragma once
// Time and memory as the benchmark reads them: the performance counter, which every
// process of the machine shares, and the committed private memory of this process.
#include <windows.h>

#include <cstddef>
#include <vector>

namespace bench {

// Seconds on the performance counter; comparable across processes.
double Seconds();

template <class Work> double TimeOf(Work&& work) {
    const double start = Seconds();
    work();
    return Seconds() - start;
}

// The middle value (the mean of the two middle ones for an even count).
double Median(std::vector<double> values);

// Bytes of private memory this process has committed: heap blocks, their bookkeeping
// and the slack of growing arrays all count, as they would for the user.
std::size_t CommittedPrivateBytes();

} // namespace bench
