// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The computer's choice among the possible moves: a fixed table of weights, the first of the
// best-scoring entries wins.
#include "engine/GameState.h"
#include "moves/OpponentMap.h"
#include "rules/StandardChooser.h"

namespace ruvo {

// Score weights: the rules core's table.
using MoveWeights = StandardChooser::Weights;

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
