// The program's one pseudo-random generator: seeded once at start-up, drawn by
// the banner rotation. Tests seed it to make draws repeatable.
#pragma once

#include <QtGlobal>

namespace vantrel {

void Randomize();              // seeds from the clock
void RandSeed(quint32 seed);   // seeds with a fixed value
int Random(int n);             // uniform integer from 0 to n - 1; 0 when n < 1

} // namespace vantrel
