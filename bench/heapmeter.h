// The heap a piece of work leaves allocated, as the C library counts it: chunk
// overheads and large mapped blocks included.
#pragma once

#include <cstddef>
#include <vector>

namespace vantrel::bench {

// Live heap bytes now.
std::size_t liveHeapBytes();

// Growth of the live heap from construction to bytes(). The C library counts
// chunks parked in its per-thread cache as in use, so work that reused them
// would seem to cost nothing; the measure holds on to every cached chunk
// (counted on both sides) to make the work take fresh ones.
class HeapGrowth {
public:
    HeapGrowth();
    ~HeapGrowth();
    HeapGrowth(const HeapGrowth&) = delete;
    HeapGrowth& operator=(const HeapGrowth&) = delete;

    std::size_t bytes() const;

private:
    std::vector<void*> m_held;
    std::size_t m_start = 0;
};

} // namespace vantrel::bench
