// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rules part of a game, small and cheap to copy: where every piece stands, who holds each
// square and how many pieces stand there, the throw counts that steer the dice, who has finished
// and whose turn it is.
#include "board/BoardGeometry.h"
#include "engine/GameState.h"

#include <array>
#include <cstdint>

namespace ruvo {

struct RolloutPosition {
    std::array<std::array<int16_t, 4>, 4> pieces{}; // path positions, as PieceSquares
    std::array<int16_t, SquareTotal> owner{};
    std::array<int16_t, SquareTotal> count{};
    std::array<std::array<int16_t, 7>, 4> throwCount{};
    std::array<int16_t, 4> frequentFace{};
    std::array<int16_t, 4> finishPlace{};
    std::array<bool, 4> playing{};
    int16_t finishedCount = 0;
    int16_t playerCount = 4;
    int16_t currentPlayer = 0;

    static RolloutPosition Of(const GameState& state);
};

} // namespace ruvo
