// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/RolloutPosition.h"

namespace ruvo {

RulesState RolloutPosition::Of(const GameState& state) {
    RulesState rules;
    rules.clearBoard();
    for (int p = 0; p < 4; ++p) {
        for (int k = 0; k < 4; ++k) {
            rules.putPiece(p, k, state.PieceSquares[p][k]);
        }
        rules.enabled[p] = state.PlayerEnabled[p] == state.FlagYes;
        rules.finishPlace[p] = static_cast<uint8_t>(state.FinishPlace[p]);
        rules.frequentFace[p] = static_cast<uint8_t>(state.FrequentFace[p]);
        for (int face = 0; face < 7; ++face) {
            rules.throwCount[p][face] = static_cast<uint16_t>(state.ThrowCount[p][face]);
        }
    }
    rules.finishedCount = static_cast<uint8_t>(state.FinishedCount);
    rules.playerCount = static_cast<uint8_t>(state.PlayerCount);
    rules.current = static_cast<int8_t>(state.CurrentPlayer);
    return rules;
}

} // namespace ruvo
