#pragma once
// The dice slots of the player panels: slot 3 * player + (throw - 1) shows one throw.
#include "engine/GameState.h"

#include <string>

namespace ruvo {

// Shows a die digit in a slot ("" shows the blank face).
inline void ShowDie(GameState& state, int slot, const std::string& text) {
    if (slot >= 0 && slot < 12) {
        state.DiceNum[slot] = text;
    }
}

} // namespace ruvo
