#include "core/random.h"

#include <chrono>

namespace vantrel {

void TRandom::seedFromClock() {
    const auto now = std::chrono::system_clock::now().time_since_epoch().count();
    m_engine.seed(static_cast<quint32>(now ^ (now >> 32)));
}

int TRandom::draw(int n) {
    if (n < 1)
        return 0;
    return std::uniform_int_distribution<int>(0, n - 1)(m_engine);
}

} // namespace vantrel
