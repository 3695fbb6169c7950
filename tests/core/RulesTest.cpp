// SPDX-License-Identifier: GPL-3.0-or-later
// The rules: hand-made positions, random boards checked against the plain definitions of the
// list, the weights and the choice, the dice, and whole seeded games audited after every move.
#include "files/Text.h"
#include "game/ScriptedDice.h"
#include "game/TurnMoves.h"
#include "rules/RulesPlay.h"
#include "rules/SeededDice.h"
#include "rules/StandardChooser.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <string>
#include <vector>

namespace ruvo {
namespace {

using Amounts = std::vector<std::array<int, 4>>;
using Positions = std::array<std::array<int, 4>, 4>;

// A board where each player's pieces stand at the given path positions (0: the piece's own
// yard), players not given in their yards.
RulesState Board(const Positions& positions) {
    RulesState state = RulesState::newGame({true, true, true, true});
    state.clearBoard();
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

// The amounts each piece moves by, entry by entry.
Amounts List(const RulesState& state, int player, const Throws& throws) {
    const MoveList moves(state, player, throws);
    Amounts amounts;
    for (int n = 0; n < moves.size(); ++n) {
        amounts.push_back({MoveList::amount(moves[n], 0), MoveList::amount(moves[n], 1),
                           MoveList::amount(moves[n], 2), MoveList::amount(moves[n], 3)});
    }
    return amounts;
}

// The game's record of a board with one throw prepared: list, choice and options.
GameState Prepared(const RulesState& rules, int player, int d1) {
    GameState state;
    state.DiceThrow = {0, static_cast<int16_t>(d1), 0, 0};
    PrepareTurnMoves(state, rules, player, true);
    return state;
}

std::vector<std::string> Options(const GameState& state, int piece) {
    std::vector<std::string> options;
    for (int i = 1; i <= state.PieceOptionCount[piece]; ++i) {
        options.push_back(PieceOptionText(state.PieceOptions[piece][i]));
    }
    return options;
}

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

TEST(PossibleMoves, YardPiecesNeedSixOrMoreAndHomeIsReachedByTheExactCount) {
    EXPECT_TRUE(List(Board({}), 0, Thrown(3)).empty());
    const RulesState at51 = Board({{{51, 0, 0, 0}}});
    EXPECT_EQ(List(at51, 0, Thrown(6)),
              (Amounts{{6, 0, 0, 0}, {0, 6, 0, 0}, {0, 0, 6, 0}, {0, 0, 0, 6}}));
    EXPECT_EQ(MoveEntryText(Prepared(at51, 0, 6), 2), " 06  00  00  00 57  77  78  79");
    EXPECT_EQ(List(Board({{{53, 0, 0, 0}}}), 0, Thrown(5)).size(), 0u);
    EXPECT_EQ(List(Board({{{52, 0, 0, 0}}}), 0, Thrown(5)).size(), 1u);
}

TEST(PossibleMoves, BlocksStopOthersButNotTheirOwner) {
    // Two pieces of player 2 at its 39, three squares ahead of player 0's piece at 10.
    const RulesState blocked = Board({{{10, 0, 0, 0}, {}, {39, 39, 0, 0}}});
    EXPECT_TRUE(List(blocked, 0, Thrown(3)).empty());
    EXPECT_EQ(List(blocked, 0, Thrown(2)).size(), 1u);
    EXPECT_EQ(List(blocked, 2, Thrown(4)).size(), 2u) << "a player passes its own block";
    // Player 1 has two pieces on player 0's position 4, one on its own start square.
    const RulesState mixed = Board({{{1, 51, 53, 0}, {43, 43, 1, 0}}});
    EXPECT_EQ(List(mixed, 0, Thrown(5)), (Amounts{{0, 5, 0, 0}}))
        << "the piece at 1 may move up to 2, the one at 53 up to 4";
    EXPECT_TRUE(List(mixed, 0, Thrown(6, 6, 5)).empty());
    EXPECT_TRUE(List(Board({{{}, {}, {}, {14, 14, 0, 0}}}), 0, Thrown(6, 5)).empty())
        << "player 3's block at its 14, player 0's start square, keeps the yard closed";
}

TEST(PossibleMoves, TwoPiecesOnOneSquareGiveTwoEntriesWithTheSameOptions) {
    const GameState state = Prepared(Board({{{20, 20, 0, 0}}}), 0, 5);
    EXPECT_EQ(state.PossibleMoveCount, 3);
    EXPECT_EQ(MoveEntryText(state, 2), " 05  00  00  00 25  20  78  79");
    EXPECT_EQ(MoveEntryText(state, 3), " 00  05  00  00 20  25  78  79");
    EXPECT_EQ(Options(state, 0), Options(state, 1));
    EXPECT_EQ(Options(state, 0), std::vector<std::string>{"05,25"});
}

// The list by its plain definition: the throws as thrown, then the sums the game tries, each
// set of amounts on every ordered choice of different pieces in turn, every new legal move once.
// A piece may take an amount when it stays on its path up to home and passes no square where
// two or more pieces of another player stand; from its yard only with 6 or more.
std::vector<MoveList::Move> DefinedList(const RulesState& state, int player, const Throws& t) {
    const auto legal = [&](int k, int m) {
        const int from = state.position[player][k];
        const int to = from > 75 ? m - 5 : from + m;
        if ((from > 75 && m < 6) || to > HomePosition) {
            return false;
        }
        for (int r = from > 75 ? 1 : from + 1; r <= to && r <= 51; ++r) {
            const int square = BoardSquare(player, r);
            if (state.count[square] >= 2 && state.owner[square] != player) {
                return false;
            }
        }
        return true;
    };
    const int d1 = t.face[0], d2 = t.face[1], d3 = t.face[2];
    std::vector<std::array<int, 3>> shares = {{d1, d2, d3}};
    if (d2 != 0 && d3 == 0) {
        shares.push_back({d1 + d2, 0, 0});
    } else if (d3 != 0) {
        shares.insert(shares.end(),
                      {{d1 + d2 + d3, 0, 0}, {d1 + d2, d3, 0}, {d1, d2 + d3, 0}, {d1 + d3, d2, 0}});
    }
    std::vector<MoveList::Move> moves;
    for (const auto& share : shares) {
        // Every ordering of the four pieces, in order: its first three take the amounts.
        std::array<int, 4> pieces = {0, 1, 2, 3};
        do {
            MoveList::Move move = 0;
            bool ok = true;
            for (int i = 0; i < 3; ++i) {
                ok = ok && (share[i] == 0 || legal(pieces[i], share[i]));
                move |= MoveList::Move(share[i]) << (8 * pieces[i]);
            }
            if (ok && std::find(moves.begin(), moves.end(), move) == moves.end()) {
                moves.push_back(move);
            }
        } while (std::next_permutation(pieces.begin(), pieces.end()));
    }
    return moves;
}

// The weights by their plain definition, each piece on the board before the move.
int DefinedScore(const RulesState& state, int player, MoveList::Move move) {
    const auto opponentAt = [&](int r) {
        const int square = BoardSquare(player, r);
        return square < SquareTotal && state.owner[square] != -1 && state.owner[square] != player;
    };
    int score = 1;
    for (int k = 0; k < 4; ++k) {
        if (MoveList::amount(move, k) == 0) {
            continue;
        }
        const int from = state.position[player][k];
        const int to = MoveList::destination(state, player, move, k);
        const int holder = state.owner[BoardSquare(player, to)];
        score += (to == HomePosition ? 60 : 0) + (from > 75 ? 55 : 0) + (to >= 52 ? 42 : 0);
        score += holder == player ? 30 : (holder != -1 ? 40 : 0);
        for (int i = 1; i <= 5; ++i) {
            score += opponentAt(to + i) ? 5 : 0;
            score += to > 5 && opponentAt(to - i) ? -5 : 0;
            score += from > 5 && opponentAt(from - i) ? 10 : 0;
        }
        score += state.count[BoardSquare(player, from)] > 1 ? -50 : 0;
    }
    return score;
}

TEST(RulesCore, ListsAndChoicesFollowTheirDefinitionOnRandomBoards) {
    std::mt19937 random(5);
    const auto pick = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    int compared = 0;
    for (int round = 0; round < 3000; ++round) {
        Positions positions{};
        std::array<int, SquareTotal> holder;
        holder.fill(-1);
        for (int p = 0; p < 4; ++p) {
            for (int k = 0; k < 4; ++k) {
                for (int attempt = 0; attempt < 20 && positions[p][k] == 0; ++attempt) {
                    const int r = pick(0, 3) == 0 ? YardSquare(p, k) : pick(1, 57);
                    const int square = BoardSquare(p, r);
                    if (holder[square] == -1 || holder[square] == p) {
                        positions[p][k] = r;
                        holder[square] = p;
                    }
                }
            }
        }
        const RulesState state = Board(positions);
        const int player = pick(0, 3);
        const int x = pick(1, 5);
        for (const Throws& throws :
             {Thrown(x), Thrown(6, x), Thrown(6, 6, x), Thrown(pick(1, 6), pick(1, 6)),
              Thrown(pick(1, 6), pick(1, 6), pick(1, 6))}) {
            const MoveList moves(state, player, throws);
            const std::vector<MoveList::Move> defined = DefinedList(state, player, throws);
            ASSERT_EQ(moves.size(), static_cast<int>(defined.size())) << "round " << round;
            int best = 0;
            for (int n = 0; n < moves.size(); ++n) {
                ASSERT_EQ(moves[n], defined[n]) << "round " << round << " entry " << n;
                const int score = DefinedScore(state, player, moves[n]);
                ASSERT_EQ(StandardChooser::score(state, player, moves[n]), score) << round;
                best = score > DefinedScore(state, player, moves[best]) ? n : best;
            }
            // The choice made without a list is the same move.
            const MoveList::Move direct = StandardChooser().bestMove(state, player, throws);
            ASSERT_EQ(direct, moves.empty() ? 0u : moves[best]) << round;
            if (!moves.empty()) {
                ASSERT_EQ(StandardChooser()(state, player, throws, moves), best) << round;
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
    // A 4, no longer the most frequent face, stands at once; for player 1 the tenth draw does.
    EXPECT_EQ(RulesPlay::throwDice(state, 0, dice, quiet).face[0], 4);
    state.frequentFace[1] = 4;
    EXPECT_EQ(RulesPlay::throwDice(state, 1, dice, quiet).face[0], 4) << "the tenth draw stands";
    const Throws sixes = RulesPlay::throwDice(state, 2, dice, quiet);
    EXPECT_TRUE(sixes.allSixes);
    EXPECT_EQ(state.throwCount[2][6], 0) << "three sixes are not counted";
}

TEST(RulesCore, DiceDrawTheStandardGeneratorsStreamAndSeedsBeyondThirtyTwoBitsTheirOwn) {
    // Faces made in blocks: the same stream as one word at a time, over several blocks.
    const auto sameStream = [](uint64_t seed, std::mt19937 reference) {
        SeededDice dice(seed);
        for (int i = 0; i < 2000; ++i) {
            ASSERT_EQ(dice.draw(), static_cast<int>((uint64_t{reference()} * 6) >> 32) + 1)
                << "seed " << seed << " draw " << i;
        }
    };
    sameStream(0, std::mt19937(0u));
    sameStream(4294967295u, std::mt19937(4294967295u));
    for (const uint64_t seed : {uint64_t{4294967296u}, uint64_t{0xFFFFFFFFFFFFFFFFu}}) {
        std::seed_seq halves{static_cast<uint32_t>(seed), static_cast<uint32_t>(seed >> 32)};
        sameStream(seed, std::mt19937(halves));
    }
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
