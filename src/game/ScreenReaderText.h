// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a screen reader says about the board and the panels: the names of the squares, the
// player panels and the dice, the throw counts and the previewed move, all read from the game's
// record so that they always match what the window shows.
#include "game/GameState.h"

#include <string>

namespace ruvo {

class ScreenReaderText {
public:
    // A board square 0..91 and what stands on it: "Square 14: player 2, piece 3",
    // "Square 20: player 1, pieces 2 and 4", "Square 5: empty"; start squares, home columns,
    // the final squares and the yards say whose they are: "Square 81: player 2 yard, piece 2".
    // The two preview markers (96, 97) say what they preview; other controls give "".
    static std::string SquareName(const GameState& state, int control);
    // A player panel: "Player 2: computer, paused, to move", "Player 3: person, 1st place",
    // "Player 4: not playing".
    static std::string PanelName(const GameState& state, int player);
    // A die of a panel (slot 0..11): "Player 1 die 2: 5", or "... : none" for an unused die.
    static std::string DieName(const GameState& state, int slot);
    // How often a player threw a face 1..6 in this game.
    static std::string ThrowCountCell(const GameState& state, int face, int player);
    // The pause between automatic moves: "Pause between automatic moves: 14.5 secs".
    static std::string SpeedDescription(const GameState& state);
    // The move a person has picked and not yet made: "Piece 2 by 6 to square 20"; "" when none.
    static std::string PreviewText(const GameState& state);
};

} // namespace ruvo
