// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The strong computer player: it plays each distinct candidate move, finishes the game from
// there many times with every player choosing by the weight table, and picks the move with the
// best mean place. Every candidate meets the same dice (finish i uses the same streams for all
// of them), so the comparison measures the moves and not the luck. The candidates race: after
// each batch of finishes the clearly worse ones drop out, so the finishes go to the close
// decisions. The finishes of a batch are shared out over threads; the choice is the same
// whatever their number.
#include "game/MoveDecision.h"

#include <atomic>
#include <vector>

namespace ruvo {

// The defaults are the measured best of the tournament benchmark (bench/levels).
struct StrongSettings {
    int finishes = 256;      // at most this many games finished per candidate
    int batch = 32;          // finishes a candidate plays before the race is judged again
    double dropMargin = 2.0; // a candidate worse than the leader by this many standard errors
                             // leaves the race
    int cutRounds = 10;      // a finish stops after this many rounds and is judged by the race
    int yardPips = 20;       // what a piece in its yard counts beyond the whole path
    double raceScale = 30;   // how surely a lead in the race holds (0: strictly)
    int riskPercent = 25;    // share of a lone piece's progress counted as lost per opponent
                             // piece up to six squares behind it
    double winWeight = 0;    // a move's score: mean place less winWeight times its win chance
    double confidence = 0.5; // leave the weight table's move only for one better by this many
                             // standard errors
    int threads = 0;         // 0: one per core
};

struct CandidateEstimate {
    int entry = 0;          // entry of the possible-moves list
    double meanPlace = 0.0; // mean place over the finishes (1 best)
    double winRate = 0.0;   // share of finishes won
};

struct StrongResult {
    std::vector<CandidateEstimate> estimates; // one per candidate, in list order
    int choice = -1;                          // the entry to play
    double cpuSeconds = 0.0;                  // processor time of all threads
};

class StrongPlayer {
public:
    explicit StrongPlayer(StrongSettings settings = {}) : settings_(settings) {}

    // Thinks about a decision; a set cancel flag stops it early (the result is then unused).
    StrongResult think(const MoveDecision& decision,
                       const std::atomic<bool>* cancel = nullptr) const;

    const StrongSettings& settings() const { return settings_; }

private:
    StrongSettings settings_;
};

} // namespace ruvo
