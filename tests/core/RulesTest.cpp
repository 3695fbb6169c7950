// SPDX-License-Identifier: GPL-3.0-or-later
// The rules on hand-made positions: the board numbering, the possible-moves list and the
// record's copy of it, blocks, yards, the exact count home, captures and the computer's weights.
#include "board/BoardState.h"
#include "engine/Text.h"
#include "engine/TurnMoves.h"
#include "rules/RulesPlay.h"
#include "rules/StandardChooser.h"

#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <string>
#include <vector>

namespace ruvo {
namespace {

using Amounts = std::vector<std::array<int, 4>>;

// A board where each player's pieces stand at the given positions (0: the piece's own yard).
RulesState Board(std::initializer_list<std::array<int, 4>> players) {
    RulesState state = RulesState::newGame({true, true, true, true});
    state.clearBoard();
    std::array<std::array<int, 4>, 4> positions{};
    std::copy(players.begin(), players.end(), positions.begin());
    for (int p = 0; p < 4; ++p) {
        for (int k = 0; k < 4; ++k) {
            state.putPiece(p, k, positions[p][k] == 0 ? YardSquare(p, k) : positions[p][k]);
        }
    }
    return state;
}

Throws Thrown(int d1, int d2 = 0, int d3 = 0) {
    Throws throws;
    throws.face = {static_cast<uint8_t>(d1), static_cast<uint8_t>(d2), static_cast<uint8_t>(d3)};
    return throws;
}

Amounts AmountsOf(const MoveList& moves) {
    Amounts amounts;
    for (int n = 0; n < moves.size(); ++n) {
        amounts.push_back({MoveList::amount(moves[n], 0), MoveList::amount(moves[n], 1),
                           MoveList::amount(moves[n], 2), MoveList::amount(moves[n], 3)});
    }
    return amounts;
}

Amounts List(const RulesState& state, int player, const Throws& throws) {
    return AmountsOf(MoveList(state, player, throws));
}

// The game's record of a board with its throws prepared: list, choice and options.
GameState Prepared(const RulesState& rules, int player, int d1, int d2 = 0, int d3 = 0) {
    GameState state;
    for (int p = 0; p < 4; ++p) {
        for (int k = 0; k < 4; ++k) {
            state.PieceSquares[p][k] = rules.position[p][k];
        }
    }
    state.DiceThrow = {0, static_cast<int16_t>(d1), static_cast<int16_t>(d2),
                       static_cast<int16_t>(d3)};
    PrepareTurnMoves(state, player);
    return state;
}

std::vector<std::string> Options(const GameState& state, int piece) {
    std::vector<std::string> options;
    for (int i = 1; i <= state.PieceOptionCount[piece]; ++i) {
        options.push_back(PieceOptionText(state.PieceOptions[piece][i]));
    }
    return options;
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

constexpr std::array<int, 4> Yard = {0, 0, 0, 0};

TEST(TextConventions, NumbersAndDigits) {
    EXPECT_EQ(Str(5), " 5");
    EXPECT_EQ(Str(-5), "-5");
    EXPECT_EQ(Val("  12abc"), 12);
    EXPECT_EQ(Val("-7"), -7);
    EXPECT_EQ(Val("2=3"), 2);
    EXPECT_EQ(Val("X"), 0);
    EXPECT_EQ(TwoDigits(7), "07");
    EXPECT_EQ(DieText(13), "3");
    EXPECT_EQ(RightAligned2(5), " 5");
    EXPECT_EQ(RightAligned2(123), "12");
}

TEST(BoardGeometry, PathsVisitDistinctSquaresFromTheirStartToTheirHome) {
    const int starts[4] = {1, 14, 27, 40};
    const int finals[4] = {57, 63, 69, 75};
    for (int p = 0; p < 4; ++p) {
        EXPECT_EQ(BoardSquare(p, 1), starts[p]);
        EXPECT_EQ(BoardSquare(p, 57), finals[p]);
        EXPECT_TRUE(IsFinalSquare(finals[p]));
        EXPECT_FALSE(IsFinalSquare(finals[p] - 1));
        EXPECT_EQ(BoardSquare(p, 83), 83);
        std::array<bool, SquareTotal> seen{};
        for (int r = 1; r <= 57; ++r) {
            const int square = BoardSquare(p, r);
            ASSERT_LT(square, SquareTotal);
            EXPECT_FALSE(seen[square]) << "player " << p << " position " << r;
            seen[square] = true;
            EXPECT_EQ(RulesState::squareOf(p, r), square);
        }
    }
    EXPECT_EQ(BoardSquare(1, 38), 51);
    EXPECT_EQ(BoardSquare(1, 39), 0);
    EXPECT_EQ(BoardSquare(3, 13), 0);
    EXPECT_EQ(BoardSquare(1, 52), 58);
}

TEST(BoardGeometry, OccupantsAndMarksFollowTheSquareRecords) {
    GameState state;
    PlaceAllInYards(state);
    state.Piece[87].Tag = "*  87878787";
    MarkSquare(state, 87, 2, 1);
    EXPECT_EQ(state.Piece[87].Tag, "*2187878787");
    const Occupant occupant = SquareOccupant(state, 87);
    EXPECT_EQ(occupant.player, 2);
    EXPECT_EQ(occupant.piece, 3);
    ClearSquareMark(state, 87);
    EXPECT_EQ(SquareOccupant(state, 87).player, -1);
    EXPECT_EQ(PieceSquaresText(state, 1), "80,81,82,83");
}

TEST(PossibleMoves, WorkedListWithDestinationsOptionsAndChoice) {
    const GameState state = Prepared(Board({{{10, 20, 0, 0}}}), 0, 6, 2);
    const Amounts expected = {{6, 2, 0, 0}, {2, 6, 0, 0}, {2, 0, 6, 0}, {0, 2, 6, 0}, {2, 0, 0, 6},
                              {0, 2, 0, 6}, {8, 0, 0, 0}, {0, 8, 0, 0}, {0, 0, 8, 0}, {0, 0, 0, 8}};
    EXPECT_EQ(List(Board({{{10, 20, 0, 0}}}), 0, Thrown(6, 2)), expected);
    EXPECT_EQ(state.PossibleMoveCount, 11);
    EXPECT_EQ(MoveEntryText(state, 1), "Possible Unique Moves");
    EXPECT_EQ(MoveEntryText(state, 4), " 02  00  06  00 12  20  01  79");
    EXPECT_EQ(MoveEntryText(state, 10), " 00  00  08  00 10  20  03  79");
    EXPECT_EQ(Options(state, 0), (std::vector<std::string>{"02,12", "06,16", "08,18"}));
    EXPECT_EQ(Options(state, 2), (std::vector<std::string>{"06,01", "08,03"}));
    // Opening scores 56, the others 1: the first opening move wins.
    EXPECT_EQ(state.ChosenMove, 4);
    // One move is chosen as it is; none leaves the choice at -1.
    EXPECT_EQ(Prepared(Board({{{10, 0, 0, 0}}}), 0, 4).ChosenMove, 2);
    EXPECT_EQ(Prepared(Board({}), 0, 4).ChosenMove, -1);
}

TEST(PossibleMoves, YardPiecesNeedSixOrMoreAndEveryThrowIsSpent) {
    EXPECT_TRUE(List(Board({}), 0, Thrown(3)).empty());
    EXPECT_EQ(List(Board({}), 0, Thrown(6, 3)),
              (Amounts{{9, 0, 0, 0}, {0, 9, 0, 0}, {0, 0, 9, 0}, {0, 0, 0, 9}}));
    // One piece at 55 (it may move 2), three in the yard, throws 6, 6, 3: 6 and 9 on two of the
    // yard pieces (6 moves) or 15 on one (3); grouping the sixes would leave the 3 unspent.
    const Amounts moves = List(Board({{{55, 0, 0, 0}}}), 0, Thrown(6, 6, 3));
    EXPECT_EQ(moves.size(), 9u);
    for (const auto& amounts : moves) {
        EXPECT_EQ(amounts[0], 0);
        EXPECT_EQ(amounts[1] + amounts[2] + amounts[3], 15);
        for (int a : amounts) {
            EXPECT_TRUE(a == 0 || a == 6 || a == 9 || a == 15) << a;
        }
    }
}

TEST(PossibleMoves, HomeIsReachedByTheExactCount) {
    const RulesState at51 = Board({{{51, 0, 0, 0}}});
    EXPECT_EQ(List(at51, 0, Thrown(6)),
              (Amounts{{6, 0, 0, 0}, {0, 6, 0, 0}, {0, 0, 6, 0}, {0, 0, 0, 6}}));
    EXPECT_EQ(MoveEntryText(Prepared(at51, 0, 6), 2), " 06  00  00  00 57  77  78  79");
    // With 6 and 1 the piece at 51 cannot go home: it takes the 1 while the 6 opens a yard
    // piece (three moves), or stays while a yard piece opens by 7 (three more).
    EXPECT_EQ(
        List(at51, 0, Thrown(6, 1)),
        (Amounts{
            {1, 6, 0, 0}, {1, 0, 6, 0}, {1, 0, 0, 6}, {0, 7, 0, 0}, {0, 0, 7, 0}, {0, 0, 0, 7}}));
    EXPECT_EQ(List(Board({{{53, 0, 0, 0}}}), 0, Thrown(5)).size(), 0u);
    EXPECT_EQ(List(Board({{{52, 0, 0, 0}}}), 0, Thrown(5)).size(), 1u);
}

TEST(PossibleMoves, BlocksStopOthersButNotTheirOwner) {
    // Two pieces of player 2 on board square 13, three squares ahead of player 0's piece at 10.
    const int on13 = PositionOn(2, 13);
    const RulesState blocked = Board({{{10, 0, 0, 0}}, Yard, {{on13, on13, 0, 0}}});
    EXPECT_TRUE(List(blocked, 0, Thrown(3)).empty());
    EXPECT_EQ(List(blocked, 0, Thrown(2)).size(), 1u);
    EXPECT_EQ(List(blocked, 2, Thrown(4)).size(), 2u) << "a player passes its own block";
    // Player 1 has two pieces on player 0's position 4, one on its own start square.
    const RulesState mixed = Board({{{1, 51, 53, 0}}, {{43, 43, 1, 0}}});
    EXPECT_EQ(List(mixed, 0, Thrown(5)), (Amounts{{0, 5, 0, 0}}))
        << "the piece at 1 may move up to 2, the one at 53 up to 4";
    EXPECT_TRUE(List(mixed, 0, Thrown(6, 6, 5)).empty());
}

TEST(PossibleMoves, TheStartSquareBlockedOrHeldByOne) {
    const int startOfZero = PositionOn(3, 1);
    EXPECT_TRUE(List(Board({Yard, Yard, Yard, {{startOfZero, startOfZero, 0, 0}}}), 0, Thrown(6, 5))
                    .empty());
    // One opponent piece there is captured by the opening move and goes back to its yard.
    RulesState state = Board({Yard, Yard, {{0, 28, 0, 0}}});
    const MoveList opening(state, 0, Thrown(6, 1));
    ASSERT_EQ(opening.size(), 4);
    NullObserver quiet;
    RulesPlay::playMove(state, 0, opening[0], quiet);
    EXPECT_EQ(state.position[0][0], 2);
    EXPECT_EQ(state.position[2][1], YardSquare(2, 1));
    EXPECT_EQ(state.owner[YardSquare(2, 1)], 2);
    EXPECT_EQ(state.owner[2], 0);
    EXPECT_EQ(state.count[2], 1);
}

TEST(PossibleMoves, TwoPiecesOnOneSquareGiveTwoEntriesWithTheSameOptions) {
    const GameState state = Prepared(Board({{{20, 20, 0, 0}}}), 0, 5);
    EXPECT_EQ(state.PossibleMoveCount, 3);
    EXPECT_EQ(MoveEntryText(state, 2), " 05  00  00  00 25  20  78  79");
    EXPECT_EQ(MoveEntryText(state, 3), " 00  05  00  00 20  25  78  79");
    EXPECT_EQ(Options(state, 0), Options(state, 1));
    EXPECT_EQ(Options(state, 0), std::vector<std::string>{"05,25"});
}

int Score(const RulesState& state, int player, std::array<int, 4> amounts) {
    MoveList::Move move = 0;
    for (int k = 0; k < 4; ++k) {
        move |= MoveList::Move(amounts[k]) << (8 * k);
    }
    return StandardChooser::score(state, player, move);
}

int Choice(const RulesState& state, int player, const Throws& throws) {
    const MoveList moves(state, player, throws);
    return StandardChooser()(state, player, throws, moves);
}

TEST(ComputerChoice, WeightsAndTheFirstOfTheBestWins) {
    // Pieces at 10 and 20, throw 4, one opponent piece on board square 16: 10 -> 14 lands 2
    // behind it (+5), 20 -> 24 flees from 4 ahead of it (+10).
    const RulesState flee = Board({{{10, 20, 0, 0}}, {{PositionOn(1, 16), 0, 0, 0}}});
    EXPECT_EQ(Score(flee, 0, {4, 0, 0, 0}), 6);
    EXPECT_EQ(Score(flee, 0, {0, 4, 0, 0}), 11);
    EXPECT_EQ(Choice(flee, 0, Thrown(4)), 1);
    // Home beats opening: 1 + 60 + 42 against 1 + 55.
    const RulesState home = Board({{{51, 0, 0, 0}}});
    EXPECT_EQ(Score(home, 0, {6, 0, 0, 0}), 103);
    EXPECT_EQ(Score(home, 0, {0, 6, 0, 0}), 56);
    EXPECT_EQ(Choice(home, 0, Thrown(6)), 0);
    // Breaking up a pair costs 50 for either piece; the lower piece number moves.
    const RulesState pair = Board({{{30, 30, 0, 0}}});
    EXPECT_EQ(Score(pair, 0, {3, 0, 0, 0}), -49);
    EXPECT_EQ(Score(pair, 0, {0, 3, 0, 0}), -49);
    EXPECT_EQ(Choice(pair, 0, Thrown(3)), 0);
    // Capturing at 20 (+40) beats joining its own piece at 30 (+30) and a plain move.
    const RulesState capture = Board({{{17, 27, 30, 0}}, Yard, {{PositionOn(2, 20), 0, 0, 0}}});
    EXPECT_EQ(Score(capture, 0, {3, 0, 0, 0}), 41);
    EXPECT_EQ(Score(capture, 0, {0, 3, 0, 0}), 31);
    EXPECT_EQ(Score(capture, 0, {0, 0, 3, 0}), 1);
    EXPECT_EQ(Choice(capture, 0, Thrown(3)), 0);
    // A move of two pieces adds both pieces' terms to one base.
    EXPECT_EQ(Score(Board({{{10, 20, 0, 0}}}), 0, {2, 0, 6, 0}), 56);
}

} // namespace
} // namespace ruvo
