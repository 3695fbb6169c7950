// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/MoveDecision.h"

#include "game/SeedMix.h"

#include <algorithm>

namespace ruvo {

MoveDecision MoveDecision::Of(const GameState& state, int player, uint64_t gameSeed) {
    MoveDecision decision;
    decision.position = RulesOf(state);
    decision.player = player;
    decision.moves = state.PossibleMoves;
    decision.moveCount = state.PossibleMoveCount;
    decision.standardChoice = state.ChosenMove;
    auto outcome = [&](int n) {
        std::array<int8_t, 4> ends = state.PossibleMoves[n].destination;
        std::sort(ends.begin(), ends.end());
        uint32_t key = 0;
        for (int8_t end : ends) {
            key = key << 8 | static_cast<uint8_t>(end);
        }
        return key;
    };
    const uint32_t standardOutcome =
        state.ChosenMove >= 2 ? outcome(state.ChosenMove) : uint32_t{0};
    std::vector<uint32_t> seen;
    for (int n = 2; n <= state.PossibleMoveCount; ++n) {
        const uint32_t key = outcome(n);
        if (std::find(seen.begin(), seen.end(), key) == seen.end()) {
            seen.push_back(key);
            // The weight table's own entry stands for its outcome.
            decision.candidates.push_back(key == standardOutcome ? state.ChosenMove : n);
        }
    }
    uint64_t seed = MixSeed(gameSeed, static_cast<uint64_t>(player) + 1);
    for (const auto& pieces : state.PieceSquares) {
        for (int16_t position : pieces) {
            seed = MixSeed(seed, static_cast<uint64_t>(position));
        }
    }
    for (int n = 1; n <= 3; ++n) {
        seed = MixSeed(seed, static_cast<uint64_t>(state.DiceThrow[n]));
    }
    decision.seed = seed;
    return decision;
}

} // namespace ruvo
