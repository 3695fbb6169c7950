// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A game in progress as the saved game file holds it.
#include "files/SavedSquare.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace ruvo {

struct SavedGame {
    int16_t CurrentPlayer = -1;              // -1 before the first turn, else 0..3
    int16_t SpeedFactor = 0;                 // speed slider position, 1..30
    int16_t SoundOn = 0;                     // 1 sound effects on, 0 off
    std::array<std::string, 4> PlayerType;   // "H" person, "C" computer
    std::array<int16_t, 4> PlayerEnabled{};  // 1 the player takes part
    std::array<int16_t, 4> PlayerPaused{};   // 1 the game pauses after its events
    std::array<std::string, 4> PieceSquares; // path positions of pieces 0..3, "dd,dd,dd,dd"
    std::vector<SavedSquare> Squares;        // the occupied squares in ascending order
};

} // namespace ruvo
