// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the other players' pieces mean to one player, from one pass over their twelve pieces:
// which of its path positions 0..91 an opponent holds (for the computer's scoring) and at which
// of its positions 1..57 an opponent block stands (for the move limits).
#include "engine/GameState.h"

#include <cstdint>

namespace ruvo {

class OpponentMap {
public:
    OpponentMap(const GameState& state, int player);

    // Path positions 1..57 with an opponent block (two or more pieces of one other player).
    uint64_t blockedPositions() const { return blocked_; }

    // How many of the path positions from..from+4 (from >= 0) an opponent holds.
    int countFive(int from) const {
        const int word = from >> 6;
        const int shift = from & 63;
        uint64_t window = held_[word] >> shift;
        if (shift > 59 && word == 0) {
            window |= held_[1] << (64 - shift);
        }
        constexpr uint8_t ones[32] = {0, 1, 1, 2, 1, 2, 2, 3, 1, 2, 2, 3, 2, 3, 3, 4,
                                      1, 2, 2, 3, 2, 3, 3, 4, 2, 3, 3, 4, 3, 4, 4, 5};
        return ones[window & 0x1F];
    }

private:
    uint64_t held_[2] = {0, 0};
    uint64_t blocked_ = 0;
};

} // namespace ruvo
