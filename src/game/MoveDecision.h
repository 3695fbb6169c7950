// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One choice a computer player faces, taken out of the game so that it can be thought about on
// another thread: the position, the possible-moves list, the distinct candidates among it, the
// weight table's choice and the seed of the player's own random stream for this choice.
#include "game/GameState.h"
#include "game/TurnMoves.h"

#include <cstdint>
#include <vector>

namespace ruvo {

struct MoveDecision {
    RulesState position;
    int player = 0;
    std::array<MoveEntry, MaxMoveEntries> moves{}; // entries 2..moveCount, as PossibleMoves
    int moveCount = 1;
    // The first entry of each distinct outcome (entries that leave the player's pieces on the
    // same squares are one move), in list order.
    std::vector<int> candidates;
    int standardChoice = -1;
    uint64_t seed = 0;

    // The decision of the player to move, whose moves are listed and scored. The seed depends
    // only on the pieces, the throws, the player and the game's seed.
    static MoveDecision Of(const GameState& state, int player, uint64_t gameSeed);
};

} // namespace ruvo
