// How many times the focused row has been recalculated since start-up; the
// partner banner rotation reads it.
#pragma once

#include <QtGlobal>

namespace vantrel {

qint32 RecalcCounter();
void CountRecalc(); // wraps at the 32-bit limit rather than overflowing
void ResetRecalcCounterForTest();

} // namespace vantrel
