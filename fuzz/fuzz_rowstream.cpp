// Any bytes as a configuration file. The reader must either refuse them with
// "Stream read error" or give rows that write back to a stream which reads
// again to the very same bytes; a file and a pipe with the same bytes must
// read alike; and nothing read may hold more than the input could carry.
#include "core/error.h"
#include "grid/rowstream.h"
#include "tests/support/pipedevice.h"

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
    qint64 consumed = 0;
    RowStreamLayout layout = RowStreamLayout::Current;
};

QByteArray write(const TGridRowList& rows) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    writeRowStream(buffer, rows);
    return bytes;
}

template <class Device> Outcome readFrom(Device& device, qint64 (*position)(const Device&)) {
    Outcome outcome;
    try {
        const TGridRowList rows = readRowStream(device, &outcome.layout);
        outcome.ok = true;
        outcome.consumed = position(device);
        outcome.written = write(rows);
    } catch (const EError& e) {
        if (e.message() != QLatin1String("Stream read error"))
            fail("a read failed with another message");
    }
    return outcome;
}

Outcome readBuffer(const QByteArray& bytes) {
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    return readFrom<QBuffer>(buffer, [](const QBuffer& b) { return b.pos(); });
}

Outcome readPipe(const QByteArray& bytes) {
    test::PipeDevice device(bytes);
    return readFrom<test::PipeDevice>(device,
                                      [](const test::PipeDevice& d) { return d.consumed(); });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    const Outcome file = readBuffer(input);
    const Outcome pipe = readPipe(input);
    if (file.ok != pipe.ok)
        fail("a file and a pipe with the same bytes disagree on success");
    if (!file.ok)
        return 0;
    if (file.written != pipe.written || file.consumed != pipe.consumed ||
        file.layout != pipe.layout)
        fail("a file and a pipe with the same bytes read different rows");
    if (file.consumed > qint64(size))
        fail("the reader claims more bytes than the input has");
    // A row record takes at least 28 bytes and is written in 28; a text takes
    // at least its length byte and is written with a length of 4.
    if (file.written.size() > 4 * qint64(size) + 8)
        fail("the rows read hold more than the input could carry");
    const Outcome again = readBuffer(file.written);
    if (!again.ok || again.layout != RowStreamLayout::Current)
        fail("written rows do not read back in the current layout");
    if (again.written != file.written || again.consumed != file.written.size())
        fail("written rows read back to other bytes");
    return 0;
}
