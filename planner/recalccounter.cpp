#include "planner/recalccounter.h"

namespace vantrel {

namespace {
quint32 g_count = 0;
}

qint32 RecalcCounter() {
    return static_cast<qint32>(g_count);
}
void CountRecalc() {
    ++g_count;
}
void ResetRecalcCounterForTest() {
    g_count = 0;
}

} // namespace vantrel
