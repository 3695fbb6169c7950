// SPDX-License-Identifier: GPL-3.0-or-later
// The rules core: its move lists and choices against the game's general list, hand-made
// positions, the dice, and whole seeded games with the board checked after every move.
#include "board/BoardState.h"
#include "engine/ScriptedDice.h"
#include "moves/ComputerPlayer.h"
#include "moves/MoveGenerator.h"
#include "rules/RulesPlay.h"
#include "rules/SeededDice.h"
#include "rules/StandardChooser.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace ruvo {
namespace {

using Positions = std::array<std::array<int, 4>, 4>; // 0: the piece's own yard square

RulesState Rules(const Positions& positions);
RulesState Rules(std::initializer_list<std::array<int, 4>> players) {
    Positions positions{};
    std::copy(players.begin(), players.end(), positions.begin());
    return Rules(positions);
}

RulesState Rules(const Positions& positions) {
    RulesState state = RulesState::newGame({true, true, true, true});
    state.clearBoard();
    for (int p = 0; p < 4; ++p) {
        for (int k = 0; k < 4; ++k) {
            state.putPiece(p, k, positions[p][k] == 0 ? YardSquare(p, k) : positions[p][k]);
        }
    }
    return state;
}

Throws Thrown(std::initializer_list<int> faces) {
    Throws throws;
    int n = 0;
    for (int face : faces) {
        throws.face[n++] = static_cast<uint8_t>(face);
    }
    return throws;
}

std::vector<std::array<int, 4>> Amounts(const MoveList& moves) {
    std::vector<std::array<int, 4>> amounts;
    for (int n = 0; n < moves.size(); ++n) {
        amounts.push_back({MoveList::amount(moves[n], 0), MoveList::amount(moves[n], 1),
                           MoveList::amount(moves[n], 2), MoveList::amount(moves[n], 3)});
    }
    return amounts;
}

// The game's general list and choice for the same board, for comparison.
GameState GeneralList(const RulesState& rules, int player, const Throws& throws) {
    GameState state;
    FillPieceTriples(state);
    for (int s = 0; s < SquareTotal; ++s) {
        state.SquareOwner[s] = rules.owner[s];
        state.SquareCount[s] = rules.count[s];
    }
    for (int p = 0; p < 4; ++p) {
        for (int k = 0; k < 4; ++k) {
            SetPiecePosition(state, p, k, rules.position[p][k]);
        }
    }
    state.DiceThrow = {0, throws.face[0], throws.face[1], throws.face[2]};
    PrepareTurnMoves(state, player);
    return state;
}

TEST(RulesCore, WorkedListInTheGamesOrder) {
    const RulesState state = Rules({{10, 20, 0, 0}});
    const MoveList moves(state, 0, Thrown({6, 2}));
    const std::vector<std::array<int, 4>> expected = {
        {6, 2, 0, 0}, {2, 6, 0, 0}, {2, 0, 6, 0}, {0, 2, 6, 0}, {2, 0, 0, 6},
        {0, 2, 0, 6}, {8, 0, 0, 0}, {0, 8, 0, 0}, {0, 0, 8, 0}, {0, 0, 0, 8}};
    EXPECT_EQ(Amounts(moves), expected);
    EXPECT_EQ(MoveList::destination(state, 0, moves[2], 2), 1);
    EXPECT_EQ(MoveList::destination(state, 0, moves[8], 2), 3);
    EXPECT_EQ(StandardChooser()(state, 0, Thrown({6, 2}), moves), 2); // the first opening move
}

TEST(RulesCore, BlocksYardsAndTheExactCountHome) {
    // Player 1 has two pieces on player 0's position 4 (square 4), one on its start square 14.
    RulesState state = Rules({{1, 51, 53, 0}, {43, 43, 1, 0}});
    EXPECT_EQ(Amounts(MoveList(state, 0, Thrown({5}))),
              (std::vector<std::array<int, 4>>{{0, 5, 0, 0}}))
        << "the piece at 1 may move up to 2 (block at 4), the one at 53 up to 4 (home is 57)";
    EXPECT_TRUE(MoveList(state, 0, Thrown({6, 6, 5})).empty())
        << "the block on square 4 stops the pieces at 1 and in the yard; 51 may move 6 only";
    // Player 0's start square held by two pieces of player 2: no piece leaves the yard.
    state = Rules({{0, 0, 0, 0}, {0, 0, 0, 0}, {27, 27, 0, 0}});
    EXPECT_TRUE(MoveList(state, 0, Thrown({6, 4})).empty());
    // One opponent piece there is captured by the opening move and goes back to its yard.
    state = Rules({{0, 0, 0, 0}, {0, 0, 0, 0}, {0, 28, 0, 0}});
    const MoveList opening(state, 0, Thrown({6, 1}));
    ASSERT_EQ(opening.size(), 4);
    NullObserver quiet;
    RulesPlay::playMove(state, 0, opening[0], quiet);
    EXPECT_EQ(state.position[0][0], 2);
    EXPECT_EQ(state.position[2][1], YardSquare(2, 1));
    EXPECT_EQ(state.owner[YardSquare(2, 1)], 2);
    EXPECT_EQ(state.owner[2], 0);
    EXPECT_EQ(state.count[2], 1);
}

TEST(RulesCore, ListsAndChoicesAgreeWithTheGeneralListOnRandomBoards) {
    std::mt19937 random(5);
    const auto pick = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    int compared = 0;
    for (int round = 0; round < 4000; ++round) {
        Positions positions{};
        std::array<int, SquareTotal> holder;
        holder.fill(-1);
        for (int p = 0; p < 4; ++p) {
            for (int k = 0; k < 4; ++k) {
                int position = 0;
                for (int attempt = 0; attempt < 20 && position == 0; ++attempt) {
                    const int r = pick(0, 3) == 0 ? YardSquare(p, k) : pick(1, 57);
                    const int square = BoardSquare(p, r);
                    if (holder[square] == -1 || holder[square] == p) {
                        position = r;
                        holder[square] = p;
                    }
                }
                positions[p][k] = position;
            }
        }
        const RulesState state = Rules(positions);
        const int player = pick(0, 3);
        const int x = pick(1, 5);
        for (const Throws& throws :
             {Thrown({x}), Thrown({6, x}), Thrown({6, 6, x}), Thrown({pick(1, 6), pick(1, 6)})}) {
            const MoveList moves(state, player, throws);
            const GameState general = GeneralList(state, player, throws);
            ASSERT_EQ(moves.size(), general.PossibleMoveCount - 1) << "round " << round;
            for (int n = 0; n < moves.size(); ++n) {
                for (int k = 0; k < 4; ++k) {
                    ASSERT_EQ(MoveList::amount(moves[n], k),
                              general.PossibleMoves[n + 2].amount[k]);
                    ASSERT_EQ(MoveList::destination(state, player, moves[n], k),
                              general.PossibleMoves[n + 2].destination[k]);
                }
            }
            if (!moves.empty()) {
                ASSERT_EQ(StandardChooser()(state, player, throws, moves) + 2, general.ChosenMove)
                    << "round " << round;
                ++compared;
            }
        }
    }
    EXPECT_GT(compared, 8000);
}

TEST(RulesCore, ThrowsRedrawTheMostFrequentFaceAndSixesGoOn) {
    RulesState state = RulesState::newGame({true, true, true, true});
    NullObserver quiet;
    ScriptedDice dice({4, 6, 2, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 6, 6, 6});
    EXPECT_EQ(RulesPlay::throwDice(state, 0, dice, quiet).face, (std::array<uint8_t, 3>{4, 0, 0}));
    EXPECT_EQ(state.frequentFace[0], 4);
    // 6 then 2: 2 and 6 now tie with 4 at one throw each; the lowest face leads.
    EXPECT_EQ(RulesPlay::throwDice(state, 0, dice, quiet).face, (std::array<uint8_t, 3>{6, 2, 0}));
    EXPECT_EQ(state.frequentFace[0], 2);
    // A 4 is not the most frequent face any more: it stands at once. Then ten draws of 4 for
    // player 1, whose most frequent face is 0 (none yet): the first 4 stands.
    EXPECT_EQ(RulesPlay::throwDice(state, 0, dice, quiet).face[0], 4);
    state.frequentFace[1] = 4;
    EXPECT_EQ(RulesPlay::throwDice(state, 1, dice, quiet).face[0], 4) << "the tenth draw stands";
    const Throws sixes = RulesPlay::throwDice(state, 2, dice, quiet);
    EXPECT_TRUE(sixes.allSixes);
    EXPECT_EQ(state.throwCount[2][6], 0) << "three sixes are not counted";
}

TEST(RulesCore, SeedsBeyondThirtyTwoBitsGiveTheirOwnGames) {
    std::mt19937 reference(4294967295u);
    SeededDice same(4294967295u);
    for (int i = 0; i < 100; ++i) {
        ASSERT_EQ(same.draw(), static_cast<int>((uint64_t{reference()} * 6) >> 32) + 1);
    }
    SeededDice zero(0);
    SeededDice big(4294967297u);
    int differ = 0;
    for (int i = 0; i < 100; ++i) {
        differ += zero.draw() != big.draw() ? 1 : 0;
    }
    EXPECT_GT(differ, 50);
}

// Checks the board after every placed piece: squares, counts and bitsets follow the pieces.
struct BoardChecker : NullObserver {
    const RulesState* state = nullptr;
    long checks = 0;
    int homes = 0;
    int captures = 0;
    void reachedHome(int, int) { ++homes; }
    void captured(int, int, int, int) { ++captures; }
    void placed(int, int, int) {
        std::array<int, SquareTotal> count{};
        std::array<int, SquareTotal> owner;
        owner.fill(-1);
        for (int p = 0; p < 4; ++p) {
            for (int k = 0; k < 4; ++k) {
                const int position = state->position[p][k];
                ASSERT_TRUE(IsValidPiecePosition(p, k, position));
                const int square = RulesState::squareOf(p, position);
                ASSERT_TRUE(owner[square] == -1 || owner[square] == p) << "two players on a square";
                owner[square] = p;
                ++count[square];
            }
        }
        for (int s = 0; s < SquareTotal; ++s) {
            ASSERT_EQ(state->owner[s], owner[s]);
            ASSERT_EQ(state->count[s], count[s]);
            for (int p = 0; p < 4; ++p) {
                const uint64_t word = s < 52 ? state->trackHeld[p] : state->restHeld[p];
                ASSERT_EQ((word >> (s < 52 ? s : s - 52)) & 1, owner[s] == p ? 1u : 0u);
            }
            if (s < 52) {
                ASSERT_EQ((state->trackStacked >> s) & 1, count[s] >= 2 ? 1u : 0u);
            }
        }
        ++checks;
    }
};

TEST(RulesCore, SeededGamesKeepTheBoardRightAfterEveryMoveAndEndWithOneLast) {
    for (const std::array<bool, 4>& enabled : {std::array<bool, 4>{true, true, true, true},
                                               {true, false, true, false},
                                               {false, true, true, true}}) {
        SeededDice dice(11);
        StandardChooser chooser;
        BoardChecker checker;
        RulesState state = RulesState::newGame(enabled);
        checker.state = &state;
        ASSERT_TRUE(RulesPlay::playRounds(state, dice, chooser, checker, 100000));
        EXPECT_GT(checker.checks, 100);
        EXPECT_GT(checker.captures, 0);
        EXPECT_GE(checker.homes, 4 * (state.playerCount - 1));
        EXPECT_LT(checker.homes, 4 * state.playerCount);
        EXPECT_EQ(state.finishedCount, state.playerCount - 1);
        for (int p = 0; p < 4; ++p) {
            EXPECT_TRUE(state.finishPlace[p] == 0 || (enabled[p] && state.allHome(p)));
            if (!enabled[p]) {
                EXPECT_EQ(state.position[p][0], YardSquare(p, 0));
            }
        }
    }
}

} // namespace
} // namespace ruvo
