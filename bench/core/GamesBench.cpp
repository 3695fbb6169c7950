// SPDX-License-Identifier: GPL-3.0-or-later
// Complete four-player computer games on one core, log lines discarded.
#include "cli/HeadlessHost.h"
#include "engine/Game.h"
#include "engine/RandomDice.h"
#include "files/SettingsFile.h"

#include <benchmark/benchmark.h>

namespace {

ruvo::Settings BenchSettings() {
    ruvo::Settings settings = ruvo::SettingsFile::Load(RUVO_SOURCE_DIR "/data/ruvo.cfg");
    settings.PlayerType.fill("C");
    settings.PlayerEnabled.fill(1);
    return settings;
}

void CompleteGames(benchmark::State& benchState) {
    const ruvo::Settings settings = BenchSettings();
    const int gamesPerRun = 100;
    long turns = 0;
    uint64_t seed = 1;
    for (auto _ : benchState) {
        ruvo::HeadlessHost host(nullptr);
        ruvo::RandomDice dice(seed++);
        ruvo::Game game(host, dice);
        host.attach(game);
        host.setGamesWanted(gamesPerRun);
        game.startUp(settings);
        while (!game.stopped()) {
            game.StartOrRestart();
        }
        turns += host.turnsPlayed();
    }
    benchState.SetItemsProcessed(benchState.iterations() * gamesPerRun);
    benchState.counters["turns/game"] =
        static_cast<double>(turns) / static_cast<double>(benchState.iterations() * gamesPerRun);
    benchState.counters["ns/turn"] = benchmark::Counter(
        static_cast<double>(turns), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(CompleteGames)->Unit(benchmark::kMillisecond);

} // namespace
