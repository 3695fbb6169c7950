// SPDX-License-Identifier: GPL-3.0-or-later
// The board numbering, the possible-moves list and the computer's choice.
#include "board/BoardState.h"
#include "engine/Text.h"
#include "moves/ComputerPlayer.h"
#include "moves/MoveGenerator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <initializer_list>
#include <string>
#include <vector>

namespace ruvo {
namespace {

// A board where each player's pieces stand at the given positions (yard pieces as 0: their
// own yard square), with the square counts and owners that follow.
GameState Board(std::initializer_list<std::array<int, 4>> players) {
    std::array<std::array<int, 4>, 4> positions{};
    std::copy(players.begin(), players.end(), positions.begin());
    GameState state;
    FillPieceTriples(state);
    state.SquareCount.fill(0);
    state.SquareOwner.fill(-1);
    for (int p = 0; p < 4; ++p) {
        for (int k = 0; k < 4; ++k) {
            const int position = positions[p][k] == 0 ? YardSquare(p, k) : positions[p][k];
            SetPiecePosition(state, p, k, position);
            const int square = BoardSquare(p, position);
            state.SquareOwner[square] = static_cast<int16_t>(p);
            ++state.SquareCount[square];
        }
    }
    return state;
}

constexpr std::array<int, 4> Yard = {0, 0, 0, 0};

std::vector<std::array<int, 4>> Amounts(const GameState& state) {
    std::vector<std::array<int, 4>> moves;
    for (int n = 2; n <= state.PossibleMoveCount; ++n) {
        const MoveEntry& entry = state.PossibleMoves[n];
        moves.push_back({entry.amount[0], entry.amount[1], entry.amount[2], entry.amount[3]});
    }
    return moves;
}

std::vector<std::string> Options(const GameState& state, int piece) {
    std::vector<std::string> options;
    for (int i = 1; i <= state.PieceOptionCount[piece]; ++i) {
        options.push_back(PieceOptionText(state.PieceOptions[piece][i]));
    }
    return options;
}

GameState Prepared(GameState state, int player, int d1, int d2 = 0, int d3 = 0) {
    state.DiceThrow = {0, static_cast<int16_t>(d1), static_cast<int16_t>(d2),
                       static_cast<int16_t>(d3)};
    PrepareTurnMoves(state, player);
    return state;
}

TEST(TextConventions, NumbersAndDigits) {
    EXPECT_EQ(Str(5), " 5");
    EXPECT_EQ(Str(-5), "-5");
    EXPECT_EQ(Str(0), " 0");
    EXPECT_EQ(Val("  12abc"), 12);
    EXPECT_EQ(Val("-7"), -7);
    EXPECT_EQ(Val("2=3"), 2);
    EXPECT_EQ(Val("X"), 0);
    EXPECT_EQ(Val(""), 0);
    EXPECT_EQ(TwoDigits(0), "00");
    EXPECT_EQ(TwoDigits(7), "07");
    EXPECT_EQ(TwoDigits(57), "57");
    EXPECT_EQ(DieText(0), "0");
    EXPECT_EQ(DieText(6), "6");
    EXPECT_EQ(DieText(13), "3");
    EXPECT_EQ(RightAligned2(5), " 5");
    EXPECT_EQ(RightAligned2(42), "42");
    EXPECT_EQ(RightAligned2(123), "12");
}

TEST(BoardGeometry, PathPositionsToSquares) {
    const int starts[4] = {1, 14, 27, 40};
    const int finals[4] = {57, 63, 69, 75};
    for (int p = 0; p < 4; ++p) {
        EXPECT_EQ(BoardSquare(p, 1), starts[p]);
        EXPECT_EQ(BoardSquare(p, 57), finals[p]);
        EXPECT_TRUE(IsFinalSquare(finals[p]));
        EXPECT_FALSE(IsFinalSquare(finals[p] - 1));
        EXPECT_EQ(BoardSquare(p, 83), 83);
        EXPECT_EQ(StartSquare(p), starts[p]);
    }
    EXPECT_EQ(BoardSquare(1, 39), 0);
    EXPECT_EQ(BoardSquare(1, 38), 51);
    EXPECT_EQ(BoardSquare(2, 25), 51);
    EXPECT_EQ(BoardSquare(2, 26), 0);
    EXPECT_EQ(BoardSquare(3, 12), 51);
    EXPECT_EQ(BoardSquare(3, 13), 0);
    EXPECT_EQ(BoardSquare(4, 10), 0);
    EXPECT_EQ(BoardSquare(7, 83), 83);
    EXPECT_EQ(BoardSquare(1, 52), 58);
}

TEST(BoardGeometry, EveryPathVisitsDistinctSquaresAndTheTableAgrees) {
    for (int p = 0; p < 4; ++p) {
        std::array<bool, SquareTotal> seen{};
        for (int r = 1; r <= 57; ++r) {
            const int square = BoardSquare(p, r);
            ASSERT_GE(square, 0);
            ASSERT_LT(square, SquareTotal);
            EXPECT_FALSE(seen[square]) << "player " << p << " position " << r;
            seen[square] = true;
        }
        for (int r = 0; r < SquareTotal; ++r) {
            EXPECT_EQ(PathSquare(p, r), BoardSquare(p, r));
        }
    }
}

TEST(BoardGeometry, OccupantsAndMarksFollowTheSquareRecords) {
    GameState state = Board({Yard, Yard, Yard, Yard});
    state.Piece[87].Tag = "*  87878787";
    MarkSquare(state, 87, 2, 1);
    EXPECT_EQ(state.Piece[87].Tag, "*2187878787");
    EXPECT_EQ(PieceSquare(state, 2, 3), 87);
    const Occupant occupant = SquareOccupant(state, 87);
    EXPECT_EQ(occupant.player, 2);
    EXPECT_EQ(occupant.piece, 3);
    ClearSquareMark(state, 87);
    EXPECT_EQ(SquareOccupant(state, 87).player, -1);
    EXPECT_EQ(SquareOccupant(state, 87).piece, -1);
    EXPECT_EQ(PieceSquaresText(state, 1), "80,81,82,83");
}

TEST(PossibleMoves, WorkedListOfTenMovesWithDestinationsAndOptions) {
    const GameState state = Prepared(Board({{{10, 20, 0, 0}}, Yard, Yard, Yard}), 0, 6, 2);
    const std::vector<std::array<int, 4>> expected = {
        {6, 2, 0, 0}, {2, 6, 0, 0}, {2, 0, 6, 0}, {0, 2, 6, 0}, {2, 0, 0, 6},
        {0, 2, 0, 6}, {8, 0, 0, 0}, {0, 8, 0, 0}, {0, 0, 8, 0}, {0, 0, 0, 8}};
    EXPECT_EQ(Amounts(state), expected);
    EXPECT_EQ(state.PossibleMoveCount, 11);
    EXPECT_EQ(MoveEntryText(state, 1), "Possible Unique Moves");
    EXPECT_EQ(MoveEntryText(state, 4), " 02  00  06  00 12  20  01  79");
    EXPECT_EQ(MoveEntryText(state, 10), " 00  00  08  00 10  20  03  79");
    EXPECT_EQ(MoveEntryText(state, 4).size(), 30u);
    EXPECT_EQ(Options(state, 0), (std::vector<std::string>{"02,12", "06,16", "08,18"}));
    EXPECT_EQ(Options(state, 2), (std::vector<std::string>{"06,01", "08,03"}));
    EXPECT_EQ(state.ChosenMove, 4);
}

TEST(PossibleMoves, YardPiecesNeedAnAmountOfSixOrMore) {
    const GameState blocked = Prepared(Board({Yard, Yard, Yard, Yard}), 0, 3);
    EXPECT_EQ(blocked.PossibleMoveCount, 1);
    EXPECT_EQ(blocked.ChosenMove, -1);

    const GameState opened = Prepared(Board({Yard, Yard, Yard, Yard}), 0, 6, 3);
    const std::vector<std::array<int, 4>> expected = {
        {9, 0, 0, 0}, {0, 9, 0, 0}, {0, 0, 9, 0}, {0, 0, 0, 9}};
    EXPECT_EQ(Amounts(opened), expected);
    EXPECT_EQ(opened.PossibleMoves[2].destination[0], 4);
}

TEST(PossibleMoves, EveryThrowMustBeSpent) {
    // One piece at 55 (it may move 2) and three in the yard, throws 6, 6, 3.
    const GameState state = Prepared(Board({{{55, 0, 0, 0}}, Yard, Yard, Yard}), 0, 6, 6, 3);
    for (const auto& amounts : Amounts(state)) {
        EXPECT_EQ(amounts[0], 0) << "the piece at 55 cannot take 3, 6, 9, 12 or 15";
        int total = 0;
        for (int a : amounts) {
            total += a;
            EXPECT_NE(a, 12) << "grouping the sixes leaves the 3 unspendable";
            EXPECT_NE(a, 3);
        }
        EXPECT_EQ(total, 15);
    }
    EXPECT_EQ(Amounts(state).size(), 9u); // 6 and 9 on two of three pieces (6), or 15 (3)
}

TEST(PossibleMoves, HomeIsReachedByTheExactCount) {
    const GameState six = Prepared(Board({{{51, 0, 0, 0}}, Yard, Yard, Yard}), 0, 6);
    EXPECT_EQ(MoveEntryText(six, 2), " 06  00  00  00 57  77  78  79");
    // With 6 and 1 the piece at 51 cannot go home: the 1 could not be spent elsewhere, and 7
    // overshoots. It may take the 1 while the 6 opens a yard piece (three moves), or stay
    // while a yard piece opens by 7 (three more).
    const GameState sixOne = Prepared(Board({{{51, 0, 0, 0}}, Yard, Yard, Yard}), 0, 6, 1);
    ASSERT_EQ(sixOne.PossibleMoveCount, 7);
    for (int n = 2; n <= sixOne.PossibleMoveCount; ++n) {
        const MoveEntry& entry = sixOne.PossibleMoves[n];
        EXPECT_EQ(entry.amount[0], n <= 4 ? 1 : 0);
        EXPECT_EQ(entry.destination[0], n <= 4 ? 52 : 51);
    }
    const GameState five = Prepared(Board({{{51, 0, 0, 0}}, Yard, Yard, Yard}), 0, 5);
    ASSERT_EQ(five.PossibleMoveCount, 2);
    EXPECT_EQ(five.PossibleMoves[2].destination[0], 56);
    const GameState tooFar = Prepared(Board({{{53, 0, 0, 0}}, Yard, Yard, Yard}), 0, 5);
    EXPECT_EQ(tooFar.PossibleMoveCount, 1);
}

// The path position of a player that lands on a board square of the track.
int PositionOn(int player, int square) {
    for (int r = 1; r <= 51; ++r) {
        if (BoardSquare(player, r) == square) {
            return r;
        }
    }
    return 0;
}

TEST(PossibleMoves, BlocksStopOthersButNotTheirOwner) {
    // Two pieces of player 2 on board square 13, three squares ahead of player 0's piece at 10.
    const int position13 = PositionOn(2, 13);
    GameState blocked = Board({{{10, 0, 0, 0}}, Yard, {{position13, position13, 0, 0}}, Yard});
    ComputeMoveLimits(blocked, 0);
    EXPECT_EQ(blocked.MoveLimit[0][0], 2);
    EXPECT_EQ(Prepared(blocked, 0, 3).PossibleMoveCount, 1);
    EXPECT_EQ(Prepared(blocked, 0, 2).PossibleMoveCount, 2);

    GameState own = Board({{{10, 13, 13, 0}}, Yard, Yard, Yard});
    ComputeMoveLimits(own, 0);
    EXPECT_EQ(own.MoveLimit[0][0], 47);
    EXPECT_EQ(own.MoveLimit[0][3], -(57 + 5));
}

TEST(PossibleMoves, ABlockOnTheStartSquareKeepsEveryPieceInTheYard) {
    const int startOfZero = PositionOn(3, 1);
    GameState state = Board({Yard, Yard, Yard, {{startOfZero, startOfZero, 0, 0}}});
    ComputeMoveLimits(state, 0);
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(state.MoveLimit[0][k], -5);
    }
    EXPECT_EQ(Prepared(state, 0, 6, 5).PossibleMoveCount, 1);

    GameState single = Board({Yard, Yard, Yard, {{startOfZero, 0, 0, 0}}});
    const GameState capture = Prepared(single, 0, 6, 2);
    EXPECT_GT(capture.PossibleMoveCount, 1);
}

TEST(PossibleMoves, TwoPiecesOnOneSquareGiveTwoEntries) {
    const GameState state = Prepared(Board({{{20, 20, 0, 0}}, Yard, Yard, Yard}), 0, 5);
    EXPECT_EQ(state.PossibleMoveCount, 3);
    EXPECT_EQ(MoveEntryText(state, 2), " 05  00  00  00 25  20  78  79");
    EXPECT_EQ(MoveEntryText(state, 3), " 00  05  00  00 20  25  78  79");
    EXPECT_EQ(Options(state, 0), Options(state, 1));
}

TEST(ComputerChoice, WeightsAndTieBreak) {
    // Pieces at 10 and 20, throw 4, one opponent piece on board square 16.
    const int position16 = PositionOn(1, 16);
    GameState state =
        Prepared(Board({{{10, 20, 0, 0}}, {{position16, 0, 0, 0}}, Yard, Yard}), 0, 4);
    ASSERT_EQ(state.PossibleMoveCount, 3);
    EXPECT_EQ(ScoreMove(state, 0, 2), 6);
    EXPECT_EQ(ScoreMove(state, 0, 3), 11);
    EXPECT_EQ(state.ChosenMove, 3);

    // Opening scores 56, the others 1: the first opening move wins.
    GameState worked = Prepared(Board({{{10, 20, 0, 0}}, Yard, Yard, Yard}), 0, 6, 2);
    EXPECT_EQ(ScoreMove(worked, 0, 2), 1);
    EXPECT_EQ(ScoreMove(worked, 0, 4), 56);
    EXPECT_EQ(worked.ChosenMove, 4);

    // Home beats opening: 1 + 60 + 42 against 1 + 55.
    GameState home = Prepared(Board({{{51, 0, 0, 0}}, Yard, Yard, Yard}), 0, 6, 1);
    home.DiceThrow = {0, 6, 0, 0};
    PrepareTurnMoves(home, 0);
    ASSERT_EQ(home.PossibleMoveCount, 5);
    EXPECT_EQ(ScoreMove(home, 0, 2), 103);
    EXPECT_EQ(home.ChosenMove, 2);

    // Breaking up a pair costs 50 for either piece; the lower piece number moves.
    GameState pair = Prepared(Board({{{30, 30, 0, 0}}, Yard, Yard, Yard}), 0, 3);
    EXPECT_EQ(ScoreMove(pair, 0, 2), -49);
    EXPECT_EQ(ScoreMove(pair, 0, 3), -49);
    EXPECT_EQ(pair.ChosenMove, 2);
}

TEST(ComputerChoice, SingleMoveIsTakenWithoutScoring) {
    GameState state = Prepared(Board({{{10, 0, 0, 0}}, Yard, Yard, Yard}), 0, 4);
    EXPECT_EQ(state.PossibleMoveCount, 2);
    EXPECT_EQ(state.ChosenMove, 2);
}

TEST(ComputerChoice, CaptureAndJoiningAreRewarded) {
    // Piece 1 can capture at 20 (+40), piece 2 can join its own piece at 30 (+30), piece 3
    // moves on from 30 with nobody near.
    const int position20 = PositionOn(2, 20);
    GameState state =
        Prepared(Board({{{17, 27, 30, 0}}, Yard, {{position20, 0, 0, 0}}, Yard}), 0, 3);
    ASSERT_EQ(state.PossibleMoveCount, 4);
    EXPECT_EQ(ScoreMove(state, 0, 2), 41);
    EXPECT_EQ(ScoreMove(state, 0, 3), 31);
    EXPECT_EQ(ScoreMove(state, 0, 4), 1);
    EXPECT_EQ(state.ChosenMove, 2);
}

} // namespace
} // namespace ruvo
