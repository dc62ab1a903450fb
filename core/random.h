// A pseudo-random generator: seeded from the clock at start-up, drawn by the
// banner rotation. Each owner has its own, so tests seed theirs to make draws
// repeatable.
#pragma once

#include <QtGlobal>
#include <random>

namespace vantrel {

class TRandom {
public:
    void seedFromClock();
    void seed(quint32 value) { m_engine.seed(value); }
    // Uniform integer from 0 to n - 1; 0 when n < 1.
    int draw(int n);

private:
    std::mt19937 m_engine{5489u};
};

} // namespace vantrel
