// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/RolloutSimulator.h"

#include "game/SeedMix.h"
#include "rules/RulesPlay.h"
#include "rules/StandardChooser.h"

#include <cmath>

namespace ruvo {

namespace {

// One stream of draws per player: what one player throws never shifts another's dice, so the
// candidates of a decision meet the same dice for longer.
class PlayerStreams {
public:
    PlayerStreams(const RulesState& state, uint64_t seed) : state_(state) {
        for (int p = 0; p < 4; ++p) {
            streams_[p] = MixSeed(seed, static_cast<uint64_t>(p) + 1);
        }
    }
    int draw() {
        const int p = state_.current < 0 ? 0 : state_.current;
        return static_cast<int>(((NextRandom(streams_[p]) >> 32) * 6) >> 32) + 1;
    }

private:
    const RulesState& state_;
    uint64_t streams_[4];
};

} // namespace

void RolloutSimulator::reset(const RulesState& position) {
    rules_ = position;
    rules_.turnCount = 0;
}

void RolloutSimulator::playMove(int player, const MoveEntry& entry) {
    bool home = false;
    for (int k = 0; k < 4; ++k) {
        const int from = rules_.position[player][k];
        const int to = entry.destination[k];
        if (from == to) {
            continue;
        }
        rules_.lift(player, RulesState::squareOf(player, from));
        home = home || to == HomePosition;
        rules_.place(player, RulesState::squareOf(player, to));
        rules_.position[player][k] = static_cast<uint8_t>(to);
    }
    if (home) {
        rules_.current = static_cast<int8_t>(player - 1); // the same player goes again
    }
}

void RolloutSimulator::playOn(uint64_t seed, int rounds) {
    PlayerStreams dice(rules_, seed);
    StandardChooser choose;
    NullObserver observer;
    RulesPlay::playRounds(rules_, dice, choose, observer, 4L * rounds);
}

bool RolloutSimulator::ended() const {
    return RulesPlay::gameOver(rules_);
}

double RolloutSimulator::distanceLeft(int player, const Judging& judging) const {
    int distance = 0;
    int atRisk = 0; // progress times the opponent pieces that may land on it
    for (int position : rules_.position[player]) {
        if (position > 75) {
            distance += HomePosition + judging.yardPips;
            continue;
        }
        distance += HomePosition - position;
        const int square = RulesState::squareOf(player, position);
        if (position > 51 || judging.riskPercent == 0 || rules_.count[square] > 1) {
            continue;
        }
        int threats = 0;
        for (int other = 0; other < 4; ++other) {
            if (other == player || !rules_.enabled[other] || rules_.finishPlace[other] != 0) {
                continue;
            }
            bool opens = false; // a yard piece may open onto its start square
            for (int theirs : rules_.position[other]) {
                if (theirs > 75) {
                    opens = opens || square == RulesState::squareOf(other, 1);
                } else if (theirs <= 51) {
                    const int behind = (square - RulesState::squareOf(other, theirs) + 52) % 52;
                    threats += behind >= 1 && behind <= 6 && theirs + behind <= 51 ? 1 : 0;
                }
            }
            threats += opens ? 1 : 0;
        }
        atRisk += threats * (position + judging.yardPips);
    }
    return distance + atRisk * judging.riskPercent / 100.0;
}

RolloutSimulator::Outcome RolloutSimulator::outcome(int player, const Judging& judging) const {
    Outcome result;
    if (rules_.finishPlace[player] != 0) {
        result.place = rules_.finishPlace[player];
        result.win = rules_.finishPlace[player] == 1 ? 1.0 : 0.0;
        return result;
    }
    const double mine = distanceLeft(player, judging);
    result.place = 1.0 + rules_.finishedCount;
    result.win = rules_.finishedCount == 0 ? 1.0 : 0.0;
    for (int other = 0; other < 4; ++other) {
        if (other == player || !rules_.enabled[other] || rules_.finishPlace[other] != 0) {
            continue;
        }
        const double lead = distanceLeft(other, judging) - mine;
        double ahead = lead < 0 ? 0.0 : lead > 0 ? 1.0 : 0.5;
        if (judging.raceScale > 0) {
            ahead = 1.0 / (1.0 + std::exp(-lead / judging.raceScale));
        }
        result.place += 1.0 - ahead;
        result.win *= ahead;
    }
    return result;
}

GameState RolloutSimulator::gameState() const {
    GameState state;
    for (int p = 0; p < 4; ++p) {
        for (int k = 0; k < 4; ++k) {
            state.PieceSquares[p][k] = rules_.position[p][k];
        }
        state.FinishPlace[p] = rules_.finishPlace[p];
        state.FrequentFace[p] = rules_.frequentFace[p];
        state.PlayerEnabled[p] = rules_.enabled[p] ? state.FlagYes : state.FlagNo;
        for (int face = 0; face < 7; ++face) {
            state.ThrowCount[p][face] = static_cast<int16_t>(rules_.throwCount[p][face]);
        }
    }
    for (int square = 0; square < SquareTotal; ++square) {
        state.SquareOwner[square] = rules_.owner[square];
        state.SquareCount[square] = rules_.count[square];
    }
    state.FinishedCount = rules_.finishedCount;
    state.PlayerCount = rules_.playerCount;
    state.CurrentPlayer = rules_.current;
    return state;
}

} // namespace ruvo
