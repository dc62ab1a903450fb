#include "bench/heapmeter.h"

#include <cstdlib>
#include <malloc.h>

namespace vantrel::bench {

namespace {

// The cache keeps a few chunks of each size up to about a kilobyte, sizes 16
// bytes apart; more requests per size than it can hold empty it.
constexpr std::size_t kCachedSizeLimit = 1040;
constexpr std::size_t kSizeStep = 16;
constexpr int kRequestsPerSize = 16;

} // namespace

std::size_t liveHeapBytes() {
    const struct mallinfo2 info = mallinfo2();
    // uordblks: bytes in use in the arenas; hblkhd: blocks mapped on their own.
    return info.uordblks + info.hblkhd;
}

HeapGrowth::HeapGrowth() {
    m_held.reserve(kCachedSizeLimit / kSizeStep * kRequestsPerSize);
    for (std::size_t size = 1; size <= kCachedSizeLimit; size += kSizeStep)
        for (int i = 0; i < kRequestsPerSize; ++i)
            m_held.push_back(std::malloc(size));
    m_start = liveHeapBytes();
}

HeapGrowth::~HeapGrowth() {
    for (void* p : m_held)
        std::free(p);
}

std::size_t HeapGrowth::bytes() const {
    const std::size_t now = liveHeapBytes();
    return now > m_start ? now - m_start : 0;
}

} // namespace vantrel::bench
