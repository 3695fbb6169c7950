// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One player's view of the board along its own path, rotated from the occupancy bitsets: the
// path positions 1..51 where an opponent block stands, and the amounts each piece may move.
#include "rules/RulesState.h"

#include <bit>
#include <cstdint>

namespace ruvo {

class PlayerView {
public:
    PlayerView(const RulesState& state, int player) {
        blocked = Blocks(state, player) & ~uint64_t{1};
        for (int k = 0; k < 4; ++k) {
            allowed[k] = AllowedAmounts(state.position[player][k], blocked);
        }
    }

    // Opponent blocks along the player's path: bit r for position r (0..51).
    static uint64_t Blocks(const RulesState& state, int player) {
        const uint64_t track =
            state.trackHeld[0] | state.trackHeld[1] | state.trackHeld[2] | state.trackHeld[3];
        return Rotated(state.trackStacked & (track ^ state.trackHeld[player]), player);
    }

    // Track bits (square s at bit s) as seen along a player's path: bit r for position r.
    static uint64_t Rotated(uint64_t squares, int player) {
        constexpr uint64_t Track = (uint64_t{1} << 52) - 1;
        const int turn = 13 * player;
        return ((squares >> turn) | (squares << (52 - turn))) & Track;
    }

    // Bit m: the piece at this position may move m squares (m = 1..31): up to the square
    // before the first block ahead or home, and from its yard only with 6 or more.
    static uint32_t AllowedAmounts(int position, uint64_t blocked) {
        const bool inYard = position > 75;
        const int start = inYard ? 1 : position;
        const uint64_t ahead = start < 64 ? blocked >> start : 0;
        const int last = ahead != 0 ? start + std::countr_zero(ahead) - 1 : HomePosition;
        const int most = inYard ? last + 5 : last - position;
        if (most < (inYard ? 6 : 1)) {
            return 0;
        }
        const uint32_t upTo = most >= 31 ? ~uint32_t{0} : (uint32_t{2} << most) - 1;
        return upTo & (inYard ? ~uint32_t{0x3F} : ~uint32_t{1});
    }

    uint64_t blocked = 0;  // bit r: an opponent block stands on path position r
    uint32_t allowed[4]{}; // per piece, the amounts it may move
};

} // namespace ruvo
