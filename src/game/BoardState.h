// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading and writing the board part of the game record: piece positions, square records and
// the occupants of squares.
#include "game/GameState.h"
#include "rules/PathTable.h"

#include <array>
#include <string>

namespace ruvo {

// Path position of piece k of a player.
inline int PiecePosition(const GameState& state, int player, int piece) {
    return state.PieceSquares[player][piece];
}

// Sets a piece's path position.
inline void SetPiecePosition(GameState& state, int player, int piece, int position) {
    state.PieceSquares[player][piece] = static_cast<int16_t>(position);
}

// A player's piece positions as text: four two-digit numbers separated by commas.
std::string PieceSquaresText(const GameState& state, int player);

// Sets a player's piece positions from such a text.
void SetPieceSquaresText(GameState& state, int player, const std::string& text);

// Board square the piece stands on.
inline int PieceSquare(const GameState& state, int player, int piece) {
    return PathSquare(player, PiecePosition(state, player, piece));
}

// The player and piece index standing on a square, from its square record; (-1, -1) when empty.
struct Occupant {
    int player = -1;
    int piece = -1;
};
Occupant SquareOccupant(const GameState& state, int square);

// Writes the occupant digit and the count digit into a square record.
inline void MarkSquare(GameState& state, int square, int player, int count) {
    std::string& record = state.Piece[square].Tag;
    if (record.size() >= 3) {
        record[1] = static_cast<char>('0' + (player < 0 ? -player : player) % 10);
        record[2] = static_cast<char>('0' + (count < 0 ? -count : count) % 10);
    }
}

// Blanks the occupant and count characters of a square record.
inline void ClearSquareMark(GameState& state, int square) {
    std::string& record = state.Piece[square].Tag;
    if (record.size() >= 3) {
        record[1] = ' ';
        record[2] = ' ';
    }
}

// Gives the four final squares their picture, captions not bold.
void ShowFinalSquares(GameState& state);

// Fills SquareCount, SquareOwner and PieceSquares for a new game (every piece in its yard).
void PlaceAllInYards(GameState& state);

} // namespace ruvo
