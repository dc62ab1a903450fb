// How many times the focused row has been recalculated since start-up; the
// partner banner rotation reads it.
#pragma once

#include <QtGlobal>

namespace vantrel {

class TRecalcCounter {
public:
    TRecalcCounter() = default;
    explicit TRecalcCounter(quint32 start) : m_count(start) {}

    qint32 value() const { return static_cast<qint32>(m_count); }
    // Wraps at the 32-bit limit rather than overflowing.
    void count() { ++m_count; }

private:
    quint32 m_count = 0;
};

} // namespace vantrel
