// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How well a computer player plays: Easy picks any of its distinct moves at random, Standard
// scores the moves with the fixed weight table, Strong plays each distinct move out many times.
#include <array>
#include <optional>
#include <string>

namespace ruvo {

enum class ComputerLevel { Easy, Standard, Strong };

// "Easy", "Standard", "Strong".
const char* LevelName(ComputerLevel level);

// A level from its name in any case ("easy", "Strong"); nothing for any other text.
std::optional<ComputerLevel> ParseLevel(const std::string& name);

// Four comma-separated level names, players 1 to 4 ("strong,standard,standard,easy").
// Throws std::invalid_argument naming the fault.
std::array<ComputerLevel, 4> ParseLevelList(const std::string& text);

} // namespace ruvo
