// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The computer's choice among the possible moves: a fixed table of weights, the first of the
// best-scoring entries wins.
#include "engine/GameState.h"
#include "moves/OpponentMap.h"

namespace ruvo {

// Score weights.
struct MoveWeights {
    static constexpr int Base = 1;
    static constexpr int ReachHome = 60;
    static constexpr int LeaveYard = 55;
    static constexpr int Capture = 40;
    static constexpr int JoinOwn = 30;
    static constexpr int HomeColumn = 42;
    static constexpr int OpponentAhead = 5;
    static constexpr int OpponentBehindDestination = -5;
    static constexpr int OpponentBehindOrigin = 10;
    static constexpr int BreakStack = -50;
};

// Score of entry n of the possible-moves list for the player, on the board as it stands.
int ScoreMove(const GameState& state, int player, int n);

// Sets ChosenMove to the best entry (2 when the list holds one move).
void ChooseComputerMove(GameState& state, int player);
void ChooseComputerMove(GameState& state, int player, const OpponentMap& opponents);

// Everything a turn needs after a throw: the move limits, the list, the computer's choice and
// each piece's options. ChosenMove is -1 when there is no move. The options are only read while
// a person moves; withOptions false leaves them to be built when a person is prompted.
void PrepareTurnMoves(GameState& state, int player, bool withOptions = true);

} // namespace ruvo
