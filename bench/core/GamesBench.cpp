// SPDX-License-Identifier: GPL-3.0-or-later
// Complete four-player computer games on one core, as `ruvo-cli play` plays them without a log.
#include "rules/RulesPlay.h"
#include "rules/SeededDice.h"
#include "rules/StandardChooser.h"

#include <benchmark/benchmark.h>

namespace {

void CompleteGames(benchmark::State& benchState) {
    const int gamesPerRun = 100;
    long turns = 0;
    uint64_t seed = 1;
    ruvo::StandardChooser chooser;
    ruvo::NullObserver quiet;
    for (auto _ : benchState) {
        ruvo::SeededDice dice(seed++);
        ruvo::RulesState state = ruvo::RulesState::newGame({true, true, true, true});
        for (int game = 0; game < gamesPerRun; ++game) {
            ruvo::RulesPlay::playRounds(state, dice, chooser, quiet);
            turns += state.turnCount;
            state.resetBoard();
        }
        benchmark::DoNotOptimize(state);
    }
    benchState.SetItemsProcessed(benchState.iterations() * gamesPerRun);
    benchState.counters["turns/game"] =
        static_cast<double>(turns) / static_cast<double>(benchState.iterations() * gamesPerRun);
    benchState.counters["ns/turn"] = benchmark::Counter(
        static_cast<double>(turns), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(CompleteGames)->Unit(benchmark::kMillisecond);

} // namespace
