// SPDX-License-Identifier: GPL-3.0-or-later
#include "moves/RolloutPosition.h"

namespace ruvo {

RolloutPosition RolloutPosition::Of(const GameState& state) {
    RolloutPosition position;
    position.pieces = state.PieceSquares;
    position.owner = state.SquareOwner;
    position.count = state.SquareCount;
    position.throwCount = state.ThrowCount;
    position.frequentFace = state.FrequentFace;
    position.finishPlace = state.FinishPlace;
    for (int p = 0; p < 4; ++p) {
        position.playing[p] = state.PlayerEnabled[p] == state.FlagYes;
    }
    position.finishedCount = state.FinishedCount;
    position.playerCount = state.PlayerCount;
    position.currentPlayer = state.CurrentPlayer;
    return position;
}

} // namespace ruvo
