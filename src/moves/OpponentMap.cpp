// SPDX-License-Identifier: GPL-3.0-or-later
#include "moves/OpponentMap.h"

#include "board/BoardState.h"

#include <array>

namespace ruvo {

namespace {

// For each player and board square, the path positions 0..91 of that player that lead to it
// (at most two; -1 marks an unused slot).
constexpr auto PositionsOfSquare = [] {
    std::array<std::array<std::array<int8_t, 2>, SquareTotal>, 4> table{};
    for (auto& player : table) {
        for (auto& square : player) {
            square = {-1, -1};
        }
    }
    for (int p = 0; p < 4; ++p) {
        for (int r = 0; r < SquareTotal; ++r) {
            const int square = BoardSquare(p, r);
            if (square >= SquareTotal) {
                continue; // player 3's positions 74 and 75 lie off the board
            }
            auto& slots = table[p][square];
            slots[slots[0] == -1 ? 0 : 1] = static_cast<int8_t>(r);
        }
    }
    return table;
}();

} // namespace

OpponentMap::OpponentMap(const GameState& state, int player) {
    for (int other = 0; other < 4; ++other) {
        if (other == player) {
            continue;
        }
        for (int k = 0; k < 4; ++k) {
            const int square = PieceSquare(state, other, k);
            const int owner = state.SquareOwner[square];
            if (owner == player || owner == -1) {
                continue;
            }
            for (int r : PositionsOfSquare[player][square]) {
                if (r >= 0) {
                    held_[r >> 6] |= uint64_t{1} << (r & 63);
                }
            }
            // A block on the shared track stands on one of the player's positions 1..51.
            if (square < 52 && state.SquareCount[square] >= 2) {
                const int mine = (square - 13 * player + 52) % 52;
                if (mine >= 1) {
                    blocked_ |= uint64_t{1} << mine;
                }
            }
        }
    }
}

} // namespace ruvo
