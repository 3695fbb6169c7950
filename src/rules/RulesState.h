// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rules' own small state: where every piece stands, who holds each square and how many
// pieces stand there, occupancy bitsets kept in step, and the turn (whose turn, finish places,
// throw counts). Plain data, cheap to copy: a computer player may copy it to look ahead.
//
// The rules core (this folder) knows nothing of texts, windows or files:
//   RulesState     this state; lift() and place() are its only board changes
//   SeededDice     the dice stream of a seed (the same games as ever for the same seed)
//   MoveList       every distinct way of spending a turn's throws, in the game's list order
//   PlayerView     one player's view of blocks and opponents, rotated from the bitsets
//   StandardChooser the computer's fixed table of weights
//   RulesPlay      a computer turn as one call, and playing a game on for N rounds or to its
//                  end, with any dice stream, any chooser and an optional observer
// Nothing here allocates, calls a virtual function or builds a string.
#include "rules/BoardGeometry.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace ruvo {

class RulesState {
public:
    // Board square of a player's path position 0..91 (or yard square), from a table.
    static int squareOf(int player, int position) { return SquareTable[player][position]; }

    // A new game for the players taking part (enabled[p] true); every piece in its yard.
    static RulesState newGame(const std::array<bool, 4>& enabled);
    // Back to the new-game position for the same players: pieces, finish places, throw counts
    // and turn count start again; each player's most frequent face is kept, as at a restart.
    void resetBoard();
    // Puts piece k of a player on a position (path position or its yard square) of an empty
    // board built by clearBoard(); squares and bitsets follow.
    void clearBoard();
    void putPiece(int player, int piece, int position);

    // Takes one of the player's pieces off a square.
    void lift(int player, int square);
    // Puts one of the player's pieces on a square. A lone opponent piece standing there goes
    // back to its own yard square; its player and piece index are returned (-1 when none).
    struct Captured {
        int player = -1;
        int piece = -1;
    };
    Captured place(int player, int square);

    bool allHome(int player) const {
        uint32_t pieces; // the four positions at once
        std::memcpy(&pieces, position[player].data(), sizeof pieces);
        return pieces == 0x01010101u * HomePosition;
    }

    // ---- Board
    std::array<std::array<uint8_t, 4>, 4> position{}; // path position 1..57 or own yard square
    std::array<int8_t, SquareTotal> owner{};          // player on each square, -1 empty
    std::array<uint8_t, SquareTotal> count{};         // pieces on each square
    std::array<uint64_t, 4> trackHeld{};              // bit s: the player holds track square s
    std::array<uint64_t, 4> restHeld{};               // bit s-52: the player holds square s>=52
    uint64_t trackStacked = 0;                        // track squares with two or more pieces

    // ---- Turn
    int8_t current = -1;     // the player whose turn it is; -1 before the first turn
    int16_t turnCount = 0;   // rounds of the turn order, skipped players included
    uint8_t playerCount = 0; // players taking part
    uint8_t finishedCount = 0;
    std::array<bool, 4> enabled{};
    std::array<uint8_t, 4> finishPlace{};  // 1, 2, 3 once finished, else 0
    std::array<uint8_t, 4> frequentFace{}; // the face each player has thrown most, 0 at first
    std::array<std::array<uint16_t, 7>, 4> throwCount{}; // [player][face 1..6]

private:
    static constexpr auto SquareTable = [] {
        std::array<std::array<uint8_t, SquareTotal>, 4> table{};
        for (int p = 0; p < 4; ++p) {
            for (int r = 0; r < SquareTotal; ++r) {
                const int square = BoardSquare(p, r);
                table[p][r] = static_cast<uint8_t>(square < SquareTotal ? square : 0);
            }
        }
        return table;
    }();

    // A square's bit in the track word or in the word of the squares from 52 on (the other 0).
    struct Bits {
        uint64_t track;
        uint64_t rest;
    };
    static Bits BitsOf(int square) {
        const bool onTrack = square < 52;
        const uint64_t trackBit = uint64_t{1} << (square & 63);
        const uint64_t restBit = uint64_t{1} << ((square - 52) & 63);
        return {onTrack ? trackBit : 0, onTrack ? 0 : restBit};
    }
};

inline void RulesState::lift(int player, int square) {
    const int left = --count[square];
    const Bits bits = BitsOf(square);
    const uint64_t emptied = uint64_t{0} - uint64_t{left == 0};
    owner[square] = left == 0 ? int8_t{-1} : owner[square];
    trackHeld[player] &= ~(bits.track & emptied);
    restHeld[player] &= ~(bits.rest & emptied);
    trackStacked &= ~(bits.track & (uint64_t{0} - uint64_t{left == 1}));
}

inline RulesState::Captured RulesState::place(int player, int square) {
    Captured captured;
    const int holder = owner[square];
    const Bits bits = BitsOf(square);
    if ((holder != -1) & (holder != player) & (count[square] >= 1)) {
        for (int k = 0; k < 4; ++k) {
            if (squareOf(holder, position[holder][k]) == square) {
                captured = {holder, k};
                break;
            }
        }
        const int k = captured.piece < 0 ? 0 : captured.piece;
        captured.piece = k;
        const int yard = YardSquare(holder, k);
        position[holder][k] = static_cast<uint8_t>(yard);
        count[yard] = 1;
        owner[yard] = static_cast<int8_t>(holder);
        restHeld[holder] |= BitsOf(yard).rest;
        trackHeld[holder] &= ~bits.track;
        restHeld[holder] &= ~bits.rest;
        count[square] = 0;
    }
    const int now = ++count[square];
    owner[square] = static_cast<int8_t>(player);
    trackHeld[player] |= bits.track;
    restHeld[player] |= bits.rest;
    trackStacked |= bits.track & (uint64_t{0} - uint64_t{now == 2});
    return captured;
}

} // namespace ruvo
