// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Playing by the rules on a RulesState, with no window, text or allocation:
//
//   Throws t = RulesPlay::throwDice(state, player, dice, observer);
//   RulesPlay::playTurn(state, player, dice, chooser, observer);   // one whole computer turn
//   bool ended = RulesPlay::playRounds(state, dice, chooser, observer, rounds);
//
// Dice: any type with `int draw()` giving a face 1..6 (SeededDice, a scripted list).
// Chooser: any callable `int (const RulesState&, int player, const Throws&, const MoveList&)`
// returning the index of the move to play (the list holds at least one); StandardChooser is the
// computer's table of weights. A chooser with `Move bestMove(const RulesState&, int player,
// const Throws&)` (0: no move) is asked that instead, and no list is built for it. One chooser per
// player: dispatch on the player argument. Observer: NullObserver hears nothing and costs nothing;
// an observer that keeps a display or writes the moves log implements the same member functions
// (see NullObserver).
//
// A round is one step of the turn order: the turn count goes up, the next player takes its turn
// unless it has finished or sits out; a player whose pieces are all home finishes in the next
// place at the start of its turn; a piece reaching home gives its player the next turn too. The
// game has ended when all players taking part but one have finished.
#include "rules/MoveList.h"
#include "rules/RulesState.h"

#include <bit>
#include <climits>

namespace ruvo {

// The events of a game, in the order they happen. Each is a no-op here.
struct NullObserver {
    void thrown(int /*player*/, const Throws&) {} // throws used or not
    void allSixes(int /*player*/) {}              // three sixes: no move
    void noMove(int /*player*/) {}                // no way to use the throws
    void lifted(int /*player*/, int /*piece*/, int /*square*/) {}
    void moving(int /*player*/, int /*piece*/, int /*amount*/, bool /*opening*/) {}
    void reachedHome(int /*player*/, int /*piece*/) {}
    void captured(int /*player*/, int /*victim*/, int /*victimPiece*/, int /*square*/) {}
    void placed(int /*player*/, int /*piece*/, int /*square*/) {}
    void finished(int /*player*/, int /*place*/) {}
    void gameEnded(int /*lastPlayer*/, int /*turns*/) {} // lastPlayer -1 when none is left
};

class RulesPlay {
public:
    // Throws for the player: a 6 earns another throw, up to three; three sixes lose the turn.
    // A draw equal to the player's most frequent face is drawn again, up to ten draws. The
    // throws (not three sixes) are counted and the most frequent face follows.
    template <class Dice, class Observer>
    static Throws throwDice(RulesState& state, int player, Dice& dice, Observer& observer) {
        Throws throws;
        const int frequent = state.frequentFace[player];
        for (int n = 0; n < 3; ++n) {
            int face = dice.draw();
            for (int draw = 1; draw < 10 && face == frequent; ++draw) {
                face = dice.draw();
            }
            throws.face[n] = static_cast<uint8_t>(face);
            if (face != 6) {
                break;
            }
        }
        if (throws.face[2] == 6) {
            throws.allSixes = true;
            observer.allSixes(player);
            return throws;
        }
        observer.thrown(player, throws);
        auto& counts = state.throwCount[player];
        int best = state.frequentFace[player];
        for (int n = 0; n < 3 && throws.face[n] != 0; ++n) {
            const int face = throws.face[n];
            const int now = ++counts[face];
            // The most thrown face, the lowest on a tie (a count of 0 never leads).
            const int most = counts[best];
            const bool leads = (now * 8 - face > most * 8 - best) | (best == 0);
            best ^= (face ^ best) & -static_cast<int>(leads);
        }
        state.frequentFace[player] = static_cast<uint8_t>(best);
        return throws;
    }

    // Plays one move of the list: piece after piece, lift, place (capturing a lone opponent
    // piece), record. True when a piece reached home.
    template <class Observer>
    static bool playMove(RulesState& state, int player, MoveList::Move move, Observer& observer) {
        bool home = false;
        for (MoveList::Move rest = move; rest != 0;) {
            const int k = std::countr_zero(rest) / 8; // the next piece that moves
            rest &= ~(MoveList::Move{0xFF} << (8 * k));
            const int m = MoveList::amount(move, k);
            const int from = state.position[player][k];
            const int to = MoveList::destination(state, player, move, k);
            const int fromSquare = RulesState::squareOf(player, from);
            state.lift(player, fromSquare);
            observer.lifted(player, k, fromSquare);
            observer.moving(player, k, m, from > 75);
            if (to == HomePosition) {
                observer.reachedHome(player, k);
                home = true;
            }
            const int toSquare = RulesState::squareOf(player, to);
            const RulesState::Captured captured = state.place(player, toSquare);
            if (captured.player >= 0) {
                observer.captured(player, captured.player, captured.piece, toSquare);
            }
            state.position[player][k] = static_cast<uint8_t>(to);
            observer.placed(player, k, toSquare);
        }
        return home;
    }

    // A whole turn of the player: throw, list, choose, play. A piece reaching home gives the
    // player the next turn (the turn order steps back by one).
    template <class Dice, class Chooser, class Observer>
    static void playTurn(RulesState& state, int player, Dice& dice, Chooser& choose,
                         Observer& observer) {
        const Throws throws = throwDice(state, player, dice, observer);
        if (throws.allSixes) {
            return;
        }
        MoveList::Move move = 0;
        if constexpr (requires { choose.bestMove(state, player, throws); }) {
            move = choose.bestMove(state, player, throws); // a chooser that needs no list
        } else {
            const MoveList moves(state, player, throws);
            move = moves.empty()
                       ? 0
                       : moves[moves.size() == 1 ? 0 : choose(state, player, throws, moves)];
        }
        if (move == 0) {
            observer.noMove(player);
            return;
        }
        if (playMove(state, player, move, observer)) {
            state.current = static_cast<int8_t>(player - 1);
        }
    }

    static bool gameOver(const RulesState& state) {
        return state.finishedCount == state.playerCount - 1;
    }

    // Plays up to `rounds` rounds. True when the game has ended (the observer has heard who is
    // last), false when the rounds ran out first.
    template <class Dice, class Chooser, class Observer>
    static bool playRounds(RulesState& state, Dice& dice, Chooser& choose, Observer& observer,
                           long rounds = LONG_MAX) {
        for (; rounds > 0; --rounds) {
            if (gameOver(state)) {
                endGame(state, observer);
                return true;
            }
            ++state.turnCount;
            const int p = (state.current + 1) & 3; // current is -1..3
            state.current = static_cast<int8_t>(p);
            if ((state.finishPlace[p] != 0) | !state.enabled[p]) {
                continue;
            }
            if (state.allHome(p)) {
                state.finishPlace[p] = ++state.finishedCount;
                observer.finished(p, state.finishPlace[p]);
                continue;
            }
            playTurn(state, p, dice, choose, observer);
        }
        return false;
    }

private:
    template <class Observer> static void endGame(const RulesState& state, Observer& observer) {
        int last = -1;
        for (int p = 0; p < 4 && last < 0; ++p) {
            if (state.enabled[p] && state.finishPlace[p] == 0) {
                last = p;
            }
        }
        observer.gameEnded(last, state.turnCount);
    }
};

} // namespace ruvo
