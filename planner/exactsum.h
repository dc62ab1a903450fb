// A sum of doubles rounded once, at the end: Shewchuk's exact summation keeps
// the running sum as a few non-overlapping partials, so a total of many rows
// carries no rounding noise of its own (24 x 3.68 gives 88.32).
#pragma once

#include <QVarLengthArray>

namespace vantrel {

class TExactSum {
public:
    void add(double x);
    // The exact sum of everything added, correctly rounded (ties to even).
    // An addend that is not finite, or an exact sum that passes the largest
    // double on the way, gives the plain running sum instead.
    double value() const;

private:
    QVarLengthArray<double, 8> m_partials; // increasing magnitude, none overlapping
    double m_plain = 0;
    bool m_inexact = false; // the partials no longer hold the sum
};

} // namespace vantrel
