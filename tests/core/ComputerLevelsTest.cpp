// SPDX-License-Identifier: GPL-3.0-or-later
// The computer levels: the Easy and Strong choices (always a listed move, the same
// for the same position, throws and seed whatever the thread count) and the rollouts' rules.
#include "game/ComputerLevels.h"
#include "game/MoveDecision.h"
#include "game/RolloutSimulator.h"
#include "game/TurnMoves.h"

#include <gtest/gtest.h>

#include <set>

namespace ruvo::test {
namespace {

// Positions reached by play, each with a throw whose list holds three or more distinct moves.
struct Position {
    GameState state;
    int player = 0;
};

std::vector<Position> PlayedPositions(uint64_t seed, int wanted) {
    std::vector<Position> positions;
    RolloutSimulator simulator;
    const RulesState start = RulesState::newGame({true, true, true, true});
    simulator.reset(start);
    for (int round = 0; positions.size() < static_cast<size_t>(wanted) && round < 2000; ++round) {
        simulator.playOn(seed + static_cast<uint64_t>(round), 3);
        if (simulator.ended()) {
            simulator.reset(start);
            continue;
        }
        Position position{simulator.gameState(), (simulator.currentPlayer() + 1) % 4};
        GameState& state = position.state;
        state.CurrentPlayer = static_cast<int16_t>(position.player);
        state.DiceThrow = {0, 6, static_cast<int16_t>(1 + round % 5), 0};
        PrepareTurnMoves(state, position.player, false);
        if (MoveDecision::Of(state, position.player, 0).candidates.size() >= 3 &&
            state.FinishPlace[position.player] == 0) {
            positions.push_back(position);
        }
    }
    return positions;
}

TEST(ComputerChoice, EasyAndStrongChooseListedMovesReproducibly) {
    const std::vector<Position> positions = PlayedPositions(11, 40);
    ASSERT_EQ(positions.size(), 40u);
    ComputerLevels one;
    one.setStrongSettings({.finishes = 24, .batch = 8, .cutRounds = 6, .threads = 1});
    ComputerLevels four;
    four.setStrongSettings({.finishes = 24, .batch = 8, .cutRounds = 6, .threads = 4});
    std::set<int> easyPicks; // which of the candidates, first, second, ...
    int easyLeft = 0;
    int strongLeft = 0;
    for (const Position& position : positions) {
        const MoveDecision decision = MoveDecision::Of(position.state, position.player, 99);
        const std::vector<int>& candidates = decision.candidates;
        const int easy = ComputerLevels::EasyChoice(decision);
        const auto picked = std::find(candidates.begin(), candidates.end(), easy);
        ASSERT_NE(picked, candidates.end());
        easyPicks.insert(static_cast<int>(picked - candidates.begin()));
        easyLeft += easy != position.state.ChosenMove ? 1 : 0;
        const StrongResult strong = one.strongChoice(decision);
        EXPECT_NE(std::find(candidates.begin(), candidates.end(), strong.choice), candidates.end());
        EXPECT_EQ(strong.estimates.size(), candidates.size());
        strongLeft += strong.choice != position.state.ChosenMove ? 1 : 0;
        const StrongResult again = four.strongChoice(decision);
        EXPECT_EQ(again.choice, strong.choice);
        for (size_t c = 0; c < candidates.size(); ++c) {
            EXPECT_EQ(again.estimates[c].meanPlace, strong.estimates[c].meanPlace);
        }
    }
    // Easy spreads over the list; Strong leaves the weight table's move now and then.
    EXPECT_GE(easyPicks.size(), 3u);
    EXPECT_GT(easyLeft, 15);
    EXPECT_GT(strongLeft, 0);
}

TEST(ComputerChoice, TheSeedAndThePositionMakeTheStream) {
    const Position position = PlayedPositions(5, 1).front();
    const MoveDecision a = MoveDecision::Of(position.state, position.player, 1);
    EXPECT_EQ(a.seed, MoveDecision::Of(position.state, position.player, 1).seed);
    EXPECT_NE(a.seed, MoveDecision::Of(position.state, position.player, 2).seed);
    GameState otherThrow = position.state;
    otherThrow.DiceThrow[2] = static_cast<int16_t>(otherThrow.DiceThrow[2] % 5 + 1);
    EXPECT_NE(a.seed, MoveDecision::Of(otherThrow, position.player, 1).seed);
    GameState otherDiceHistory = position.state;
    otherDiceHistory.TurnCount = 500; // not part of the position
    EXPECT_EQ(a.seed, MoveDecision::Of(otherDiceHistory, position.player, 1).seed);
}

// Closing the window while a Strong player thinks in the background: the thought is dropped
// unrecorded, and the next one gives the choice made at once.
TEST(ComputerChoice, ACancelledBackgroundThoughtLeavesNothingBehind) {
    const Position position = PlayedPositions(5, 1).front();
    ComputerLevels levels;
    levels.setStrongSettings({.finishes = 64, .batch = 8, .cutRounds = 6, .threads = 1});
    levels.setBackground(true);
    levels.setLevel(position.player, ComputerLevel::Strong);
    ASSERT_TRUE(levels.begin(position.state, position.player));
    levels.cancel();
    EXPECT_TRUE(levels.thinkMilliseconds(position.player).empty());
    ASSERT_TRUE(levels.begin(position.state, position.player));
    const MoveDecision decision = MoveDecision::Of(position.state, position.player, 0);
    EXPECT_EQ(levels.finish({}), levels.strongChoice(decision).choice);
    EXPECT_EQ(levels.thinkMilliseconds(position.player).size(), 1u);
}

// At the cut a lone piece with an opponent close behind counts part of its way as lost.
TEST(RolloutRules, CaptureHomePlacesAndRisk) {
    // Player 1's piece on its start square, board square 14.
    const int layout[4][4] = {
        {10, 51, 78, 79}, {1, 81, 82, 83}, {84, 85, 86, 87}, {88, 89, 90, 91}};
    RulesState position = RulesState::newGame({true, true, true, true});
    position.clearBoard();
    for (int p = 0; p < 4; ++p) {
        for (int k = 0; k < 4; ++k) {
            position.putPiece(p, k, layout[p][k]);
        }
    }
    position.current = 0;
    RolloutSimulator simulator;
    simulator.reset(position);
    MoveEntry capture;
    capture.destination = {14, 51, 78, 79};
    simulator.playMove(0, capture);
    EXPECT_EQ(simulator.rules().position[1][0], YardSquare(1, 0));
    EXPECT_EQ(simulator.rules().owner[14], 0);
    EXPECT_EQ(simulator.rules().count[YardSquare(1, 0)], 1);
    EXPECT_EQ(simulator.currentPlayer(), 0);
    // Player 1's yard pieces may open onto square 14 (player 0's position 14).
    const RolloutSimulator::Judging risky{8, 0, 50};
    EXPECT_EQ(simulator.distanceLeft(0, risky), 43 + 6 + 2 * 65 + 0.5 * (14 + 8));
    MoveEntry home;
    home.destination = {20, 57, 78, 79};
    simulator.playMove(0, home);
    EXPECT_EQ(simulator.currentPlayer(), -1) << "player 0 goes again";
    EXPECT_EQ(simulator.distanceLeft(0, risky), 37 + 2 * 65) << "no one close behind";
    // Player 0 is ahead of everyone by distance: first by a strict count.
    EXPECT_EQ(simulator.outcome(0, {}).place, 1.0);
    EXPECT_EQ(simulator.outcome(0, {}).win, 1.0);
    EXPECT_EQ(simulator.outcome(1, {}).place, 3.0); // ties with players 2 and 3 share
}

} // namespace
} // namespace ruvo::test
