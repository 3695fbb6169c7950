// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the settings file gives the game at start-up: the user's settings and the board data.
#include "rules/BoardGeometry.h"

#include <array>
#include <cstdint>
#include <string>

namespace ruvo {

struct Settings {
    int16_t SpeedFactor = 0;                             // speed slider position, 1..30
    int16_t SoundOn = 0;                                 // 1 sound effects on, 0 off
    std::array<std::string, 4> PlayerType;               // "H" person, "C" computer
    std::array<int16_t, 4> PlayerEnabled{};              // 1 the player takes part
    std::array<int16_t, 4> PlayerPaused{};               // 1 the game pauses after its events
    std::array<int16_t, SquareTotal> SquareCol{};        // grid column 1..15 of each square
    std::array<int16_t, SquareTotal> SquareRow{};        // grid row 1..15 of each square
    std::array<std::string, ControlTotal> SquareRecords; // record of display control 0..100
};

} // namespace ruvo
