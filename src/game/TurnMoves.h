// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The moves of a turn as the game's record holds them: the possible-moves list, the computer's
// choice and each piece's options, made on the rules core from the record's pieces and throws.
#include "game/GameState.h"
#include "rules/MoveList.h"
#include "rules/RulesState.h"

#include <string>

namespace ruvo {

// The rules state of the record: pieces and squares, players taking part, finish places, throw
// counts and whose turn it is.
RulesState RulesOf(const GameState& state);

// The throws of the record's turn (DiceThrow 1..3).
Throws ThrowsOf(const GameState& state);

// The move of a list entry.
MoveList::Move MoveOf(const MoveEntry& entry);

// Everything a turn needs after a throw: the list of the throws (DiceThrow), the computer's
// choice and each piece's options. ChosenMove is -1 when there is no move (the options are then
// left as they were). withOptions false leaves the options to be built when a person is prompted.
void PrepareTurnMoves(GameState& state, int player, bool withOptions = true);
void PrepareTurnMoves(GameState& state, const RulesState& rules, int player, bool withOptions);

// Each piece's distinct options (amount and destination) in the listed moves, smallest first.
void BuildPieceOptions(GameState& state);

// The title of the list, entry 1.
inline constexpr const char* PossibleMovesTitle = "Possible Unique Moves";

// Entry n of the list as text: the title for n = 1, otherwise the 30-character move block and
// destination block.
std::string MoveEntryText(const GameState& state, int n);

// An option as text: two-digit amount, a comma, two-digit destination ("09,04").
std::string PieceOptionText(const PieceOption& option);

} // namespace ruvo
