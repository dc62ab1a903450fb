// The heap measure sees memory the work keeps, also where the C library
// hands the work chunks that it had cached from earlier frees.
#include "bench/heapmeter.h"

#include <QTest>
#include <cstdlib>

using namespace vantrel::bench;

namespace {

// Into blocks reserved beforehand, so the list itself allocates nothing.
void allocate(std::vector<void*>& blocks, int count, std::size_t size) {
    for (int i = 0; i < count; ++i)
        blocks.push_back(std::malloc(size));
}

std::vector<void*> reserved(int count) {
    std::vector<void*> blocks;
    blocks.reserve(std::size_t(count));
    return blocks;
}

void release(std::vector<void*>& blocks) {
    for (void* p : blocks)
        std::free(p);
    blocks.clear();
}

} // namespace

class TestBenchHeap : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
#if defined(__SANITIZE_ADDRESS__)
        QSKIP("AddressSanitizer keeps a heap of its own, which the C library's count never sees");
#endif
    }

    void countsChunksTakenFromTheCache() {
        // Frees park these chunks in the per-thread cache, still counted as in use.
        std::vector<void*> earlier = reserved(7);
        allocate(earlier, 7, 40);
        release(earlier);
        std::vector<void*> kept = reserved(7);
        std::size_t grown = 0;
        {
            const HeapGrowth growth;
            allocate(kept, 7, 40);
            grown = growth.bytes();
        }
        release(kept);
        QVERIFY2(grown >= 7 * 40, qPrintable(QString::number(grown)));
        QVERIFY2(grown <= 7 * 64, qPrintable(QString::number(grown)));
    }

    void countsLargeBlocksAndForgetsFreedOnes() {
        const HeapGrowth growth;
        std::vector<void*> big = reserved(1);
        allocate(big, 1, 8 << 20); // mapped on its own
        QVERIFY(growth.bytes() >= std::size_t(8 << 20));
        release(big);
        QVERIFY(growth.bytes() < std::size_t(64 << 10));
    }
};

QTEST_GUILESS_MAIN(TestBenchHeap)
#include "tst_benchheap.moc"
