#pragma once
// Reading and writing the board part of the game record: piece positions, square records and
// the occupants of squares.
#include "engine/GameState.h"

#include <string>

namespace ruvo {

// Path position of piece k of a player, read from its PieceSquares text.
int PiecePosition(const GameState& state, int player, int piece);

// Writes a piece's path position into its PieceSquares text.
void SetPiecePosition(GameState& state, int player, int piece, int position);

// Board square the piece stands on.
int PieceSquare(const GameState& state, int player, int piece);

// The player and piece index standing on a square, from its square record; (-1, -1) when empty.
struct Occupant {
    int player = -1;
    int piece = -1;
};
Occupant SquareOccupant(const GameState& state, int square);

// Writes the occupant digit and the count digit into a square record.
void MarkSquare(GameState& state, int square, int player, int count);

// Blanks the occupant and count characters of a square record.
void ClearSquareMark(GameState& state, int square);

// Board square of a path position, from a table (same result as BoardSquare for positions
// 0..91 and players 0..3).
int PathSquare(int player, int position);

// Fills SquareCount, SquareOwner and PieceSquares for a new game (every piece in its yard).
void PlaceAllInYards(GameState& state);

} // namespace ruvo
