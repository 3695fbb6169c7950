// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small, fast and well-mixed random numbers for the computer players' own streams (never the
// game's dice): splitmix64 steps and the mixing of several numbers into one seed.
#include <cstdint>

namespace ruvo {

// The next number of a splitmix64 stream whose state is `state`.
inline uint64_t NextRandom(uint64_t& state) {
    uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

// A seed made of two numbers; different pairs give unrelated seeds.
inline uint64_t MixSeed(uint64_t seed, uint64_t value) {
    uint64_t state = seed ^ (value * 0xD1B54A32D192ED03ULL);
    return NextRandom(state);
}

} // namespace ruvo
