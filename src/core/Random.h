#pragma once
// The one process-wide pseudo-random generator: a linear congruential generator
// (seed := seed * 134775813 + 1 mod 2^32; result = high 32 bits of seed * n).
// Tests seed it with fixed values; the drill seeds it from the clock.

#include <cstdint>

namespace numerava {

extern uint32_t RandSeed;

// Uniform integer 0..n-1. Random(0) (or a negative n) gives 0 and still advances the generator.
int32_t Random(int32_t n);

inline void SeedRandom(uint32_t seed) { RandSeed = seed; }

} // namespace numerava
