// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Carrying out moves on the board: lifting a piece, placing it (capturing a lone opponent piece),
// recording its position; the computer's whole move, a person's single-piece option, and the
// click preview that lets a person pick an option.
#include "engine/GameHost.h"
#include "engine/GameState.h"
#include "engine/Pacer.h"

namespace ruvo {

class MoveExecutor {
public:
    MoveExecutor(GameState& state, GameHost& host, Pacer& pacer)
        : state_(state), host_(host), pacer_(pacer) {}

    void LiftPiece(int player, int position);
    void PlacePiece(int player, int position);
    void RecordPiecePosition(int player, int oldPosition, int newPosition);

    // Plays entry ChosenMove for the player, piece after piece.
    void MakeChosenMove(int player);

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
    void paintSquareBackground(int square);
    void clearUsedDice(int player, int amount);

    GameState& state_;
    GameHost& host_;
    Pacer& pacer_;
};

} // namespace ruvo
