// SPDX-License-Identifier: GPL-3.0-or-later
// Thousands of seeded computer games; after every round the pieces, the square counts and
// owners, the square records and what each square shows must agree, and no piece is lost.
#include "GameFixture.h"

#include "cli/HeadlessHost.h"
#include "engine/RandomDice.h"
#include "engine/Text.h"

#include <algorithm>

namespace ruvo::test {
namespace {

// Describes the first disagreement on the board, or returns "".
std::string BoardFault(const GameState& state) {
    std::array<int, SquareTotal> count{};
    std::array<int, SquareTotal> owner{};
    owner.fill(-1);
    std::array<std::string, SquareTotal> pieces; // piece numbers standing on each square
    for (int p = 0; p < 4; ++p) {
        for (int k = 0; k < 4; ++k) {
            const int position = PiecePosition(state, p, k);
            if (!IsValidPiecePosition(p, k, position)) {
                return "player " + std::to_string(p) + " piece " + std::to_string(k) +
                       " at impossible position " + std::to_string(position);
            }
            const int square = BoardSquare(p, position);
            if (owner[square] != -1 && owner[square] != p) {
                return "two players on square " + std::to_string(square);
            }
            owner[square] = p;
            ++count[square];
            pieces[square] += static_cast<char>('1' + k);
        }
    }
    for (int s = 0; s < SquareTotal; ++s) {
        const std::string where = "square " + std::to_string(s) + ": ";
        if (state.SquareCount[s] != count[s]) {
            return where + "count " + std::to_string(state.SquareCount[s]) + " for " +
                   std::to_string(count[s]) + " pieces";
        }
        if (state.SquareOwner[s] != owner[s]) {
            return where + "owner " + std::to_string(state.SquareOwner[s]);
        }
        const SquareView& view = state.Piece[s];
        std::string shown = WithoutSpaces(view.caption);
        std::sort(shown.begin(), shown.end());
        if (shown != pieces[s]) {
            return where + "caption '" + view.caption + "' for pieces " + pieces[s];
        }
        const std::string marks = view.Tag.substr(1, 2);
        if (count[s] == 0) {
            if (marks != "  ") {
                return where + "empty but its record is marked '" + marks + "'";
            }
            const bool finalSquare = s == 57 || s == 63 || s == 69 || s == 75;
            if (view.picture != (finalSquare ? Picture::WonPos : Picture::Blank)) {
                return where + "empty but shows a piece";
            }
            continue;
        }
        if (marks != DieText(owner[s]) + DieText(count[s])) {
            return where + "record marked '" + marks + "'";
        }
        if (view.picture != PiecePicture(owner[s])) {
            return where + "shows another picture";
        }
        const Occupant occupant = SquareOccupant(state, s);
        if (occupant.player != owner[s] ||
            PieceSquare(state, occupant.player, occupant.piece) != s) {
            return where + "its record does not lead to its pieces";
        }
    }
    for (int p = 0; p < 4; ++p) {
        if (state.FinishPlace[p] != 0) {
            for (int k = 0; k < 4; ++k) {
                if (PiecePosition(state, p, k) != HomePosition) {
                    return "player " + std::to_string(p) + " finished with a piece out";
                }
            }
        }
    }
    return "";
}

struct GameSetup {
    const char* enabled;
    uint64_t seed;
    int games;
};

class RandomGamesTest : public ::testing::TestWithParam<GameSetup> {};

TEST_P(RandomGamesTest, BoardStaysConsistentAfterEveryRound) {
    const GameSetup setup = GetParam();
    Settings settings = DefaultSettings();
    settings.PlayerType.fill("C");
    for (int p = 0; p < 4; ++p) {
        settings.PlayerEnabled[p] = static_cast<int16_t>(setup.enabled[p] - '0');
    }
    HeadlessHost host(nullptr);
    RandomDice dice(setup.seed);
    Game game(host, dice);
    host.attach(game);
    host.setGamesWanted(setup.games);
    std::string fault;
    long rounds = 0;
    host.setRoundHook([&] {
        ++rounds;
        if (fault.empty()) {
            fault = BoardFault(game.state());
            if (!fault.empty()) {
                fault += " (game " + std::to_string(host.gamesCompleted() + 1) + ", turn " +
                         std::to_string(game.state().TurnCount) + ")";
                game.requestStop();
            }
        }
    });
    game.startUp(settings);
    while (!game.stopped()) {
        game.StartOrRestart();
    }
    ASSERT_EQ(fault, "");
    EXPECT_EQ(host.gamesCompleted(), setup.games);
    const int playing = static_cast<int>(std::count(setup.enabled, setup.enabled + 4, '1'));
    // Every game gave each place once among the players taking part.
    for (int place = 1; place <= 4; ++place) {
        int given = 0;
        for (int p = 0; p < 4; ++p) {
            given += host.placeCounts()[p][place];
        }
        const int expected = place < playing ? setup.games : (place == 4 ? setup.games : 0);
        EXPECT_EQ(given, expected) << "place " << place;
    }
    EXPECT_GT(rounds, setup.games * 100L);
}

INSTANTIATE_TEST_SUITE_P(SeededGames, RandomGamesTest,
                         ::testing::Values(GameSetup{"1111", 1, 1000}, GameSetup{"1111", 77, 500},
                                           GameSetup{"1011", 2, 500}, GameSetup{"0101", 3, 500},
                                           GameSetup{"1100", 4, 500}),
                         [](const ::testing::TestParamInfo<GameSetup>& info) {
                             return std::string("Players") + info.param.enabled + "Seed" +
                                    std::to_string(info.param.seed);
                         });

} // namespace
} // namespace ruvo::test
