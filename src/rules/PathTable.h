// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The board square of every player's path positions 0..91, looked up instead of computed.
#include "rules/BoardGeometry.h"

#include <array>
#include <cstdint>

namespace ruvo {

inline constexpr auto PathSquares = [] {
    std::array<std::array<int8_t, SquareTotal>, 4> table{};
    for (int p = 0; p < 4; ++p) {
        for (int r = 0; r < SquareTotal; ++r) {
            table[p][r] = static_cast<int8_t>(BoardSquare(p, r));
        }
    }
    return table;
}();

// Board square of a path position (the same as BoardSquare), from the table where it can.
inline int PathSquare(int player, int position) {
    if (player >= 0 && player < 4 && position >= 0 && position < SquareTotal) {
        return PathSquares[player][position];
    }
    return BoardSquare(player, position);
}

} // namespace ruvo
