// A sequential device over fixed bytes that hands them out in uneven pieces of
// at most `largest` bytes, the way a pipe does, so a reader's path for
// sequential devices runs on the same input as its path for files.
#pragma once

#include <QByteArray>
#include <QIODevice>
#include <algorithm>

namespace vantrel::test {

class PipeDevice : public QIODevice {
public:
    explicit PipeDevice(const QByteArray& bytes, qint64 largest = 13)
        : m_bytes(bytes), m_largest(std::max<qint64>(largest, 1)) {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override {
        return m_bytes.size() - m_next + QIODevice::bytesAvailable();
    }
    qint64 consumed() const { return m_next; }

protected:
    qint64 readData(char* out, qint64 maxSize) override {
        // Piece sizes in a pattern fixed by the position.
        const qint64 piece = 1 + (m_next * 7 + 3) % m_largest;
        const qint64 n = std::min({maxSize, piece, qint64(m_bytes.size()) - m_next});
        std::copy_n(m_bytes.constData() + m_next, n, out);
        m_next += n;
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray m_bytes;
    qint64 m_largest;
    qint64 m_next = 0;
};

} // namespace vantrel::test
