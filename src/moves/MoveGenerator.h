// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which moves the throws of a turn allow: every distinct way of spending all the throws on the
// player's pieces, and each piece's options drawn from that list.
#include "engine/GameState.h"
#include "moves/OpponentMap.h"

#include <string>

namespace ruvo {

// The largest amount each of the player's pieces may move (negative for a yard piece: the
// largest amount that may open it).
void ComputeMoveLimits(GameState& state, int player);
void ComputeMoveLimits(GameState& state, int player, const OpponentMap& opponents);

// Builds PossibleMoves and PossibleMoveCount from DiceThrow and MoveLimit.
void ListPossibleMoves(GameState& state, int player);

// Tries the three amounts (0 = not used) on every ordered triple of pieces and adds each legal,
// new move to the list.
void AddMoveCombination(GameState& state, int player, int first, int second, int third);

// Each piece's distinct options (amount and destination), smallest amount first.
void BuildPieceOptions(GameState& state, int player);

// The title of the list, entry 1.
inline constexpr const char* PossibleMovesTitle = "Possible Unique Moves";

// Entry n of the list as text: the title for n = 1, otherwise the 30-character move block and
// destination block.
std::string MoveEntryText(const GameState& state, int n);

// An option as text: two-digit amount, a comma, two-digit destination ("09,04").
std::string PieceOptionText(const PieceOption& option);

// The 24 ordered triples of different pieces, "1A2B3C" .. "4A3B2C".
void FillPieceTriples(GameState& state);

} // namespace ruvo
