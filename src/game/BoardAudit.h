// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Checks that the board agrees with itself: every piece at a possible position, the square
// counts, owners and records, what each square shows, and finished players' pieces home.
#include "game/GameState.h"

#include <string>

namespace ruvo {

class BoardAudit {
public:
    // The first disagreement on the board, described; "" when there is none.
    static std::string Fault(const GameState& state);
};

} // namespace ruvo
