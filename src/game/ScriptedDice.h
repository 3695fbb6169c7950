// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Dice read from a given list of draws; running out stops the game.
#include "game/DiceSource.h"

#include <stdexcept>
#include <vector>

namespace ruvo {

class DrawsExhausted : public std::runtime_error {
public:
    DrawsExhausted() : std::runtime_error("draws exhausted") {}
};

class ScriptedDice : public DiceSource {
public:
    explicit ScriptedDice(std::vector<int> draws) : draws_(std::move(draws)) {}
    int draw() override;

private:
    std::vector<int> draws_;
    size_t next_ = 0;
};

} // namespace ruvo
