// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The dice slots of the player panels: slot 3 * player + (throw - 1) shows one throw.
#include "game/GameState.h"

#include <string>
#include <string_view>

namespace ruvo {

// Shows a die digit in a slot ("" shows the blank face).
inline void ShowDie(GameState& state, int slot, std::string_view text) {
    if (slot >= 0 && slot < 12) {
        if (text.empty()) {
            state.DiceNum[slot].clear();
        } else {
            state.DiceNum[slot].assign(text);
        }
    }
}

// Shows a throw's digit in a slot: the last digit of the value, "0" for 0.
inline void ShowDieValue(GameState& state, int slot, int value) {
    const char digit = static_cast<char>('0' + (value < 0 ? -value : value) % 10);
    ShowDie(state, slot, std::string_view(&digit, 1));
}

// The value shown in a slot, 0 for the blank face.
inline int ShownDie(const GameState& state, int slot) {
    const std::string& text = state.DiceNum[slot];
    return text.empty() || text[0] < '0' || text[0] > '9' ? 0 : text[0] - '0';
}

} // namespace ruvo
