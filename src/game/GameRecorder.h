// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The observer the game attaches to the rules core: it hears the events of a turn (throw, lift,
// place, capture, home, no move, finish, game end) and keeps the record the window paints (the
// squares' pictures, captions and records, the dice, the throw counts, the panels), writes the
// moves log and paces the game with its waits and sounds.
#include "game/GameState.h"
#include "game/Pacer.h"
#include "rules/MoveList.h"
#include "rules/RulesState.h"

namespace ruvo {

class GameRecorder {
public:
    GameRecorder(GameState& state, Pacer& pacer) : state_(state), pacer_(pacer) {}

    // How the next moves are logged: a whole move of the turn (a computer's, or a person's
    // automatic move), a single piece a person moved by one of its options, or a piece put in
    // place without a log line.
    enum class MoveKind { Whole, Option, Put };
    void setMoveKind(MoveKind kind) { kind_ = kind; }

    // Moves a piece straight to a position with the steps of a move and no log line (the pieces
    // of a loaded game, a test's position). rules follows.
    void putPiece(RulesState& rules, int player, int piece, int position);

    // ---- The rules core's events.
    void thrown(int player, const Throws& throws);
    void allSixes(int player);
    void noMove(int player);
    void lifted(int player, int piece, int square);
    void moving(int player, int piece, int amount, bool opening);
    void reachedHome(int player, int piece);
    void captured(int player, int victim, int victimPiece, int square);
    void placed(int player, int piece, int square);
    void finished(int player, int place);
    void gameEnded(int lastPlayer, int turns);

    // The record's throw counts and most frequent face follow the rules state's after a throw.
    void countThrows(const RulesState& rules, int player, const Throws& throws);
    // The rules state whose pieces the events move (read for where a placed piece now stands).
    void follow(const RulesState& rules) { rules_ = &rules; }

private:
    void paintSquareBackground(int square);
    void clearUsedDice(int player, int amount);

    GameState& state_;
    Pacer& pacer_;
    const RulesState* rules_ = nullptr;
    MoveKind kind_ = MoveKind::Whole;
    int amount_ = 0;        // the amount of the piece on its way
    bool captured_ = false; // the piece on its way has just captured (its sound is played)
};

} // namespace ruvo
