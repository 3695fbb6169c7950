// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The board's two numberings: board squares 0..91 (track 0..51, home columns 52..75, yards
// 76..91) and each player's path positions (1 start square .. 51, home column 52..56, 57 home,
// or the piece's own yard square).

namespace ruvo {

inline constexpr int SquareTotal = 92;     // board squares 0..91
inline constexpr int ControlTotal = 101;   // square display controls 0..100
inline constexpr int HomePosition = 57;    // the final square of every path
inline constexpr int FirstYardSquare = 76; // yards are 76..91
inline constexpr int AmountMarker = 96;    // control showing the previewed amount
inline constexpr int TargetMarker = 97;    // control marking the previewed destination

// Board square of a path position of a player.
constexpr int BoardSquare(int player, int position) {
    if (position >= 76) {
        return position; // yard squares are the same in both numberings
    }
    if (player == 0) {
        return position;
    }
    if (player >= 1 && player <= 3) {
        if (position >= 52) {
            return position + 6 * player;
        }
        const int square = (position + 13 * player) % 52;
        return square < 0 ? square + 52 : square;
    }
    return 0;
}

// Yard square of piece k of player p.
constexpr int YardSquare(int player, int piece) {
    return FirstYardSquare + 4 * player + piece;
}

// Start square of a player: 1, 14, 27, 40.
constexpr int StartSquare(int player) {
    return 1 + 13 * player;
}

// Player whose start square s is, or -1.
constexpr int StartSquareOwner(int square) {
    return (square >= 1 && square <= 40 && (square - 1) % 13 == 0) ? (square - 1) / 13 : -1;
}

// Player whose home column (52..75) holds square s, or -1.
constexpr int HomeColumnOwner(int square) {
    return (square >= 52 && square <= 75) ? (square - 52) / 6 : -1;
}

// True for the final square of a player's home column: 57, 63, 69, 75.
constexpr bool IsFinalSquare(int square) {
    return square >= 57 && square <= 75 && (square - 57) % 6 == 0;
}

// True for a position that piece k of player p can hold: 1..57 or its own yard square.
constexpr bool IsValidPiecePosition(int player, int piece, int position) {
    return (position >= 1 && position <= HomePosition) || position == YardSquare(player, piece);
}

} // namespace ruvo
