// SPDX-License-Identifier: GPL-3.0-or-later
// Thousands of seeded computer games; after every round the pieces, the square counts and
// owners, the square records and what each square shows must agree, and no piece is lost.
#include "GameFixture.h"

#include "game/BoardAudit.h"

#include "cli/HeadlessHost.h"
#include "files/Text.h"
#include "game/RandomDice.h"

#include <algorithm>

namespace ruvo::test {
namespace {

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
            fault = BoardAudit::Fault(game.state());
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
                         ::testing::Values(GameSetup{"1111", 1, 1000}, GameSetup{"1011", 2, 500},
                                           GameSetup{"0101", 3, 500}, GameSetup{"1100", 4, 500}),
                         [](const ::testing::TestParamInfo<GameSetup>& info) {
                             return std::string("Players") + info.param.enabled + "Seed" +
                                    std::to_string(info.param.seed);
                         });

} // namespace
} // namespace ruvo::test
