// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The dice slots of the player panels (slot 3 * player + (throw - 1) shows one throw) and the
// throw-count lines.
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

// Writes a player's two characters (" ." for none) into the throw-count line of a face.
inline void ShowThrowCount(GameState& state, int face, int player, std::string_view twoChars) {
    std::string& line = state.DiceCount[face];
    const size_t at = 4 * static_cast<size_t>(player) + 6;
    if (line.size() >= at + 2) {
        line.replace(at, 2, twoChars);
    }
}

} // namespace ruvo
