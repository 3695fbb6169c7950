// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Dice from one standard generator, seeded once (from the time of day or a given seed).
#include "game/DiceSource.h"
#include "rules/SeededDice.h"

#include <cstdint>

namespace ruvo {

class RandomDice : public DiceSource {
public:
    RandomDice();                       // seeded from the time of day
    explicit RandomDice(uint64_t seed); // reproducible
    int draw() override { return dice_.draw(); }

private:
    SeededDice dice_;
};

} // namespace ruvo
