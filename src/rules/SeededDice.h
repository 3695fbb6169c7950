// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The dice stream of one standard generator: a draw is a face 1..6, Int(r * 6 + 1) for r
// uniform in [0, 1). A seed below 2^32 gives the games it has always given; a larger seed gives
// games of its own.
#include <cstdint>
#include <random>

namespace ruvo {

class SeededDice {
public:
    explicit SeededDice(uint64_t seed) : generator_(Seeded(seed)) {}

    int draw() { return static_cast<int>((uint64_t{generator_()} * 6) >> 32) + 1; }

private:
    static std::mt19937 Seeded(uint64_t seed) {
        if (seed >> 32 == 0) {
            return std::mt19937(static_cast<uint32_t>(seed));
        }
        std::seed_seq sequence{static_cast<uint32_t>(seed), static_cast<uint32_t>(seed >> 32)};
        return std::mt19937(sequence);
    }

    std::mt19937 generator_;
};

} // namespace ruvo
