// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Another way of choosing a computer player's move than the weight table. The turn driver asks
// it to begin as soon as the moves are listed, lets the pacing wait run, then takes the choice.
#include "game/GameState.h"

#include <functional>

namespace ruvo {

class MoveChooser {
public:
    virtual ~MoveChooser() = default;
    // Starts choosing among the listed moves of the player to move. False when the weight
    // table's choice (ChosenMove) stands and nothing was started.
    virtual bool begin(const GameState& state, int player) = 0;
    // The entry of the possible-moves list to play; processEvents runs while it waits.
    virtual int finish(const std::function<void()>& processEvents) = 0;
    // Drops a choice begun and not finished.
    virtual void cancel() = 0;
};

} // namespace ruvo
