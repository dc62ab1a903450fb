#include "core/random.h"

#include <chrono>
#include <random>

namespace vantrel {

namespace {
std::mt19937& engine() {
    static std::mt19937 e(5489u);
    return e;
}
} // namespace

void Randomize() {
    const auto now = std::chrono::system_clock::now().time_since_epoch().count();
    engine().seed(static_cast<quint32>(now ^ (now >> 32)));
}

void RandSeed(quint32 seed) { engine().seed(seed); }

int Random(int n) {
    if (n < 1)
        return 0;
    return std::uniform_int_distribution<int>(0, n - 1)(engine());
}

} // namespace vantrel
