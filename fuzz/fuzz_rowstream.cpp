// Any bytes as a configuration file. The reader must either refuse them with
// "Stream read error" or give rows that write back to a stream which reads
// again to the very same bytes; bytes after a stream must not change what it
// reads to; and nothing read may hold more than the input could carry.
#include "core/error.h"
#include "grid/rowstream.h"

#include <QBuffer>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace vantrel;

namespace {

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "row stream property broken: %s\n", what);
    std::abort();
}

struct Outcome {
    bool ok = false;
    QByteArray written; // the rows read, written back
    RowStreamLayout layout = RowStreamLayout::Current;
};

QByteArray write(const TGridRowList& rows) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    writeRowStream(buffer, rows);
    return bytes;
}

// The view is the fuzzer's own allocation of exactly the input's size, so
// the sanitizer sees any read past its end.
Outcome read(QByteArrayView bytes) {
    Outcome outcome;
    try {
        const TGridRowList rows = readRowStream(bytes, &outcome.layout);
        outcome.ok = true;
        outcome.written = write(rows);
    } catch (const EError& e) {
        if (e.message() != QLatin1String("Stream read error"))
            fail("a read failed with another message");
    }
    return outcome;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView input(reinterpret_cast<const char*>(data), qsizetype(size));
    const Outcome first = read(input);
    if (!first.ok)
        return 0;
    // A row record takes at least 28 bytes and is written in 28; a text takes
    // at least its length byte and is written with a length of 4.
    if (first.written.size() > 4 * qint64(size) + 8)
        fail("the rows read hold more than the input could carry");
    const Outcome padded = read(QByteArray(input.data(), input.size()) + QByteArray(64, '\x7f'));
    if (!padded.ok || padded.written != first.written || padded.layout != first.layout)
        fail("bytes after the stream changed what it reads to");
    const Outcome again = read(first.written);
    if (!again.ok || again.layout != RowStreamLayout::Current)
        fail("written rows do not read back in the current layout");
    if (again.written != first.written)
        fail("written rows read back to other bytes");
    return 0;
}
