// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/RulesState.h"

namespace ruvo {

RulesState RulesState::newGame(const std::array<bool, 4>& enabled) {
    RulesState state;
    state.enabled = enabled;
    for (bool playing : enabled) {
        state.playerCount = static_cast<uint8_t>(state.playerCount + (playing ? 1 : 0));
    }
    state.resetBoard();
    return state;
}

void RulesState::clearBoard() {
    owner.fill(-1);
    count.fill(0);
    trackHeld.fill(0);
    restHeld.fill(0);
    trackStacked = 0;
}

void RulesState::putPiece(int player, int piece, int position) {
    this->position[player][piece] = static_cast<uint8_t>(position);
    place(player, squareOf(player, position));
}

void RulesState::resetBoard() {
    clearBoard();
    for (int p = 0; p < 4; ++p) {
        for (int k = 0; k < 4; ++k) {
            putPiece(p, k, YardSquare(p, k));
        }
        throwCount[p].fill(0);
    }
    finishPlace.fill(0);
    finishedCount = 0;
    turnCount = 0;
    current = -1;
}

} // namespace ruvo
