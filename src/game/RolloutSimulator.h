// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Plays a game on from a position on the rules core, with no window, no log and no waits: the
// position's player plays a given move, then every player chooses with the weight table, the
// dice come from one seeded stream per player (with the game's redraw of a player's most
// frequent face), and the game stops at its end or after a number of rounds. What a strong
// computer player thinks with.
#include "game/GameState.h"
#include "rules/RulesState.h"

#include <cstdint>

namespace ruvo {

class RolloutSimulator {
public:
    // Starts again from a position.
    void reset(const RulesState& position);
    // Plays a move of the list entry kind for the player whose turn it is; a piece reaching home
    // gives that player the next turn.
    void playMove(int player, const MoveEntry& entry);
    // Plays on until the game ends or `rounds` rounds have passed; seed picks the dice.
    void playOn(uint64_t seed, int rounds);

    bool ended() const;

    // How a game cut before its end is judged.
    struct Judging {
        int yardPips = 8;     // a piece in its yard counts as the whole path plus this
        double raceScale = 0; // pips of lead that make a player ~73 % likely to stay ahead;
                              // 0 ranks the players strictly by distance
        int riskPercent = 0;  // share of a lone piece's progress counted as lost per opponent
                              // piece up to six squares behind it
    };
    struct Outcome {
        double place = 0.0; // expected place, 1 best
        double win = 0.0;   // chance of first place
    };
    // The player's place as far as the game went: a finished player's place; the players still
    // racing are ranked by the distance their pieces have left to go.
    Outcome outcome(int player, const Judging& judging) const;
    // The distance the player's pieces have left, with the progress at risk of capture.
    double distanceLeft(int player, const Judging& judging) const;

    const RulesState& rules() const { return rules_; }
    int currentPlayer() const { return rules_.current; }
    // The position as the game's record holds it (pieces, squares, throw counts, places, turn),
    // ready for listing moves.
    GameState gameState() const;

private:
    RulesState rules_;
};

} // namespace ruvo
