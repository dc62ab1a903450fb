// Builds row-stream bytes field by field, for golden and hostile test files.
#pragma once

#include "tests/support/defaultrow.h"

#include <QByteArray>
#include <QtEndian>
#include <initializer_list>

namespace vantrel::test {

class StreamBytes {
public:
    StreamBytes& int32(qint32 value) {
        char raw[4];
        qToLittleEndian<qint32>(value, raw);
        m_bytes.append(raw, 4);
        return *this;
    }
    StreamBytes& byte(quint8 value) {
        m_bytes.append(char(value));
        return *this;
    }
    StreamBytes& raw(const QByteArray& bytes) {
        m_bytes.append(bytes);
        return *this;
    }
    // A current-layout text entry: Int32 length, then the bytes.
    StreamBytes& text(const QByteArray& bytes) { return int32(qint32(bytes.size())).raw(bytes); }
    // An older-layout text entry: one length byte, then the bytes.
    StreamBytes& shortText(const QByteArray& bytes) {
        return byte(quint8(bytes.size())).raw(bytes);
    }
    // A row header of 24 bytes with the given counts and the default values.
    StreamBytes& header(qint32 subRows, qint32 texts, qint32 image = 0, qint32 selected = -1,
                        qint32 state = -1, qint32 user = 0) {
        return int32(24).int32(image).int32(selected).int32(state).int32(user).int32(subRows).int32(
            texts);
    }
    QByteArray bytes() const { return m_bytes; }
    operator QByteArray() const { return m_bytes; }

private:
    QByteArray m_bytes;
};

// The 121 bytes of a file saved with the one default planner row.
inline QByteArray workedExampleBytes() {
    StreamBytes s;
    s.int32(-1).int32(1).header(0, 8);
    for (const QByteArray& t : defaultRowTexts())
        s.text(t);
    return s;
}

} // namespace vantrel::test
