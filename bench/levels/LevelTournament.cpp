// SPDX-License-Identifier: GPL-3.0-or-later
// A tournament of computer levels: one player of a level against players of another, the seat
// of the first rotating from game to game. Prints its win rate and mean place with their 95 %
// confidence intervals and its thinking time per decision (processor time).
//
//   LevelTournament [--level strong] [--against standard] [--players 4|2] [--games 2000]
//                   [--seed 1] [--jobs 1] [--threads 1] [--finishes F] [--cut R] [--yard Y]
//                   [--batch B] [--drop TENTHS] [--risk PERCENT] [--scale PIPS]
//                   [--win TENTHS] [--confidence TENTHS]
#include "cli/HeadlessHost.h"
#include "files/SettingsFile.h"
#include "game/ComputerLevel.h"
#include "game/ComputerLevels.h"
#include "game/Game.h"
#include "game/RandomDice.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace {

struct Options {
    ruvo::ComputerLevel level = ruvo::ComputerLevel::Strong;
    ruvo::ComputerLevel against = ruvo::ComputerLevel::Standard;
    int players = 4;
    int games = 2000;
    uint64_t seed = 1;
    int jobs = 1;
    ruvo::StrongSettings strong = [] {
        ruvo::StrongSettings settings;
        settings.threads = 1;
        return settings;
    }();
};

[[noreturn]] void Fail(const std::string& text) {
    std::cerr << "LevelTournament: " << text << '\n';
    std::exit(2);
}

ruvo::ComputerLevel Level(const std::string& name) {
    const auto level = ruvo::ParseLevel(name);
    if (!level) {
        Fail("'" + name + "' is not a level (easy, standard, strong)");
    }
    return *level;
}

int Number(const std::string& text, int low, int high) {
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || value < low || value > high) {
        Fail("'" + text + "' must be a number " + std::to_string(low) + " to " +
             std::to_string(high));
    }
    return static_cast<int>(value);
}

Options Parse(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string name = argv[i];
        if (i + 1 >= argc) {
            Fail(name + " needs a value");
        }
        const std::string value = argv[++i];
        if (name == "--level") {
            options.level = Level(value);
        } else if (name == "--against") {
            options.against = Level(value);
        } else if (name == "--players") {
            options.players = Number(value, 2, 4);
            if (options.players == 3) {
                Fail("--players must be 2 or 4");
            }
        } else if (name == "--games") {
            options.games = Number(value, 1, 10000000);
        } else if (name == "--seed") {
            options.seed = static_cast<uint64_t>(Number(value, 0, 2000000000));
        } else if (name == "--jobs") {
            options.jobs = Number(value, 1, 256);
        } else if (name == "--threads") {
            options.strong.threads = Number(value, 0, 256);
        } else if (name == "--finishes") {
            options.strong.finishes = Number(value, 1, 100000);
        } else if (name == "--batch") {
            options.strong.batch = Number(value, 1, 100000);
        } else if (name == "--drop") {
            options.strong.dropMargin = Number(value, 0, 1000) / 10.0;
        } else if (name == "--risk") {
            options.strong.riskPercent = Number(value, 0, 100);
        } else if (name == "--cut") {
            options.strong.cutRounds = Number(value, 1, 100000);
        } else if (name == "--yard") {
            options.strong.yardPips = Number(value, 0, 1000);
        } else if (name == "--scale") {
            options.strong.raceScale = Number(value, 0, 1000);
        } else if (name == "--win") {
            options.strong.winWeight = Number(value, 0, 100) / 10.0;
        } else if (name == "--confidence") {
            options.strong.confidence = Number(value, 0, 100) / 10.0;
        } else {
            Fail("unknown option '" + name + "'");
        }
    }
    return options;
}

struct GameResult {
    int place = 0;
    std::vector<double> thinkMs;
};

GameResult PlayOne(const Options& options, const ruvo::Settings& base, int index) {
    ruvo::Settings settings = base;
    settings.PlayerType.fill("C");
    std::vector<int> seats{0, 1, 2, 3};
    if (options.players == 2) {
        settings.PlayerEnabled = {1, 0, 1, 0};
        seats = {0, 2};
    } else {
        settings.PlayerEnabled.fill(1);
    }
    const int seat = seats[static_cast<size_t>(index) % seats.size()];
    const uint64_t seed = options.seed * 1000003ULL + static_cast<uint64_t>(index);

    ruvo::HeadlessHost host(nullptr);
    ruvo::RandomDice dice(seed);
    ruvo::Game game(host, dice);
    host.attach(game);
    host.setGamesWanted(1);
    std::array<ruvo::ComputerLevel, 4> levels{};
    levels.fill(options.against);
    levels[seat] = options.level;
    game.levels().setLevels(levels);
    game.levels().setGameSeed(seed);
    game.levels().setStrongSettings(options.strong);
    game.startUp(settings);
    while (!game.stopped()) {
        game.StartOrRestart();
    }
    GameResult result;
    for (int place = 1; place <= 4; ++place) {
        if (host.placeCounts()[seat][place] > 0) {
            result.place = std::min(place, options.players); // last of two is 2nd
        }
    }
    result.thinkMs = game.levels().thinkMilliseconds(seat);
    return result;
}

} // namespace

int main(int argc, char** argv) {
    const Options options = Parse(argc, argv);
    const ruvo::Settings settings = ruvo::SettingsFile::Load(RUVO_SOURCE_DIR "/data/ruvo.cfg");

    std::vector<GameResult> results(static_cast<size_t>(options.games));
    std::atomic<int> next{0};
    std::atomic<int> done{0};
    std::mutex progress;
    auto work = [&] {
        for (int g = next++; g < options.games; g = next++) {
            results[static_cast<size_t>(g)] = PlayOne(options, settings, g);
            const int finished = ++done;
            if (finished % 50 == 0 || finished == options.games) {
                std::lock_guard lock(progress);
                std::cerr << "\r" << finished << " of " << options.games << " games" << std::flush;
            }
        }
    };
    std::vector<std::thread> jobs;
    for (int j = 1; j < options.jobs; ++j) {
        jobs.emplace_back(work);
    }
    work();
    for (std::thread& job : jobs) {
        job.join();
    }
    std::cerr << '\n';

    const double n = options.games;
    double wins = 0.0;
    double places = 0.0;
    double squares = 0.0;
    std::vector<double> think;
    for (const GameResult& result : results) {
        wins += result.place == 1 ? 1.0 : 0.0;
        places += result.place;
        squares += static_cast<double>(result.place) * result.place;
        think.insert(think.end(), result.thinkMs.begin(), result.thinkMs.end());
    }
    const double winRate = wins / n;
    const double winHalf = 1.96 * std::sqrt(winRate * (1.0 - winRate) / n);
    const double meanPlace = places / n;
    const double placeSd = std::sqrt(std::max(0.0, squares / n - meanPlace * meanPlace));
    const double placeHalf = 1.96 * placeSd / std::sqrt(n);
    const ruvo::ComputerLevels::ThinkingTime time = ruvo::ComputerLevels::Summarize(think);
    std::printf("%s vs %d x %s, %d players, %d games, seats rotated",
                ruvo::LevelName(options.level), options.players - 1,
                ruvo::LevelName(options.against), options.players, options.games);
    if (options.level == ruvo::ComputerLevel::Strong) {
        const ruvo::StrongSettings& strong = options.strong;
        std::printf(" (finishes up to %d in batches of %d, drop %.1f, cut %d rounds, yard %d, "
                    "scale %.0f, risk %d %%, win %.1f, confidence %.1f, threads %d)",
                    strong.finishes, strong.batch, strong.dropMargin, strong.cutRounds,
                    strong.yardPips, strong.raceScale, strong.riskPercent, strong.winWeight,
                    strong.confidence, strong.threads);
    }
    std::printf("\nwin rate   %5.1f %% +- %.1f (95 %% CI %.1f-%.1f), par %.1f %%\n", 100 * winRate,
                100 * winHalf, 100 * (winRate - winHalf), 100 * (winRate + winHalf),
                100.0 / options.players);
    std::printf("mean place %5.2f +- %.2f (95 %% CI %.2f-%.2f), par %.2f\n", meanPlace, placeHalf,
                meanPlace - placeHalf, meanPlace + placeHalf, (options.players + 1) / 2.0);
    std::printf("think ms   mean %.2f p99 %.2f over %zu decisions (processor time)\n", time.mean,
                time.p99, think.size());
    return 0;
}
