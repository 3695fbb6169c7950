// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A person's move, one piece at a time: the click preview that shows a piece's options, the
// option played (by a click or a typed line), the throws that remain and their new options.
#include "game/GameHost.h"
#include "game/GameRecorder.h"
#include "game/GameState.h"
#include "game/Pacer.h"

namespace ruvo {

class PersonMove {
public:
    PersonMove(GameState& state, GameHost& host, Pacer& pacer, GameRecorder& recorder)
        : state_(state), host_(host), pacer_(pacer), recorder_(recorder) {}

    // Carries out option PreviewOption of piece k of the current player. True when the turn is
    // over (all throws used, or nothing left to move); the extra-turn rule is then applied and
    // the caller runs the turn driver. typed: the move came from the command line.
    bool MakeOptionMove(int piece, bool typed);

    // A mouse button released over square control s (button 1 left, 2 right). True when the move
    // completed the turn.
    bool squareMouseUp(int control, int button);
    // The pointer moved over control s (or, with -1, over a panel or the bare window).
    void mouseMoveOver(int control);

    void ShowMovePreview(int square, int amount, int destination);
    void hidePreview();

    // If a piece reached home: clear ExtraTurn and give the same player the next turn.
    void applyExtraTurn();

private:
    GameState& state_;
    GameHost& host_;
    Pacer& pacer_;
    GameRecorder& recorder_;
};

} // namespace ruvo
