// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rules part of a game's position (pieces, squares, throw counts, places, turn) as the rules
// core holds it: small and cheap to copy, so that every finish of a rollout starts from a copy.
#include "game/GameState.h"
#include "rules/RulesState.h"

namespace ruvo {

struct RolloutPosition {
    static RulesState Of(const GameState& state);
};

} // namespace ruvo
