// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Dice from one standard generator, seeded once (from the time of day or a given seed).
#include "engine/DiceSource.h"

#include <cstdint>
#include <random>

namespace ruvo {

class RandomDice : public DiceSource {
public:
    RandomDice();                       // seeded from the time of day
    explicit RandomDice(uint64_t seed); // reproducible
    int draw() override;

private:
    std::mt19937 generator_;
};

} // namespace ruvo
