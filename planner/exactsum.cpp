// Exact summation with a single rounding at the end.
#include "planner/exactsum.h"

#include <cmath>
#include <utility>

namespace vantrel {

void TExactSum::add(double x) {
    m_plain += x;
    if (m_inexact)
        return;
    if (!std::isfinite(x)) {
        m_inexact = true;
        return;
    }
    qsizetype kept = 0;
    for (qsizetype i = 0; i < m_partials.size(); ++i) {
        double y = m_partials[i];
        if (std::fabs(x) < std::fabs(y))
            std::swap(x, y);
        const double hi = x + y;
        const double lo = y - (hi - x); // exactly what hi lost
        if (!std::isfinite(hi)) {
            m_inexact = true;
            return;
        }
        if (lo != 0)
            m_partials[kept++] = lo;
        x = hi;
    }
    m_partials.resize(kept);
    m_partials.append(x);
}

double TExactSum::value() const {
    if (m_inexact)
        return m_plain;
    qsizetype n = m_partials.size();
    if (n == 0)
        return 0;
    double hi = m_partials[--n];
    double lo = 0;
    while (n > 0) {
        const double x = hi;
        const double y = m_partials[--n];
        hi = x + y;
        lo = y - (hi - x);
        if (lo != 0)
            break;
    }
    // hi was rounded half to even; when the partials below lo push the same
    // way, the exact sum lies beyond the halfway point and hi must move on.
    if (n > 0 && ((lo < 0 && m_partials[n - 1] < 0) || (lo > 0 && m_partials[n - 1] > 0))) {
        const double y = lo * 2;
        const double x = hi + y;
        if (y == x - hi)
            hi = x;
    }
    return hi;
}

} // namespace vantrel
