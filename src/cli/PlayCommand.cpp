// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/PlayCommand.h"

#include "cli/DrawsFile.h"
#include "cli/HeadlessHost.h"
#include "cli/NumberList.h"
#include "cli/OptionParser.h"
#include "cli/PlayRun.h"
#include "cli/UsageError.h"
#include "files/FileError.h"
#include "files/SavedGameFile.h"
#include "files/SettingsFile.h"
#include "files/SettingsLocation.h"
#include "game/ComputerLevel.h"
#include "game/ComputerLevels.h"
#include "game/CpuClock.h"
#include "game/Game.h"
#include "game/RandomDice.h"
#include "game/ScriptedDice.h"
#include "rules/SeededDice.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <filesystem>
#include <iomanip>
#include <limits>
#include <memory>
#include <optional>
#include <stdexcept>

namespace ruvo {

namespace {

struct PlayOptions {
    std::optional<std::string> config;
    std::optional<std::string> enabled;
    long games = 1;
    std::optional<uint64_t> seed;
    std::optional<std::string> drawsFile;
    std::optional<long> turns;
    std::optional<std::string> saveFile;
    std::optional<std::string> loadFile;
    bool log = false;
    std::array<ComputerLevel, 4> levels{ComputerLevel::Standard, ComputerLevel::Standard,
                                        ComputerLevel::Standard, ComputerLevel::Standard};
};

PlayOptions ParseOptions(const std::vector<std::string>& args) {
    const OptionParser::Result parsed = OptionParser::Parse(args,
                                                            {{"config", true},
                                                             {"enabled", true},
                                                             {"games", true},
                                                             {"seed", true},
                                                             {"draws", true},
                                                             {"turns", true},
                                                             {"save", true},
                                                             {"load", true},
                                                             {"computer", true},
                                                             {"log", false}},
                                                            false);
    if (!parsed.rest.empty()) {
        throw UsageError("unexpected argument '" + parsed.rest.front() + "'");
    }
    PlayOptions options;
    for (const auto& [name, value] : parsed.options) {
        if (name == "--log") {
            options.log = true;
        } else if (name == "--config") {
            options.config = value;
        } else if (name == "--enabled") {
            if (value.size() != 4 || value.find_first_not_of("01") != std::string::npos) {
                throw UsageError("--enabled: '" + value + "' must be four digits 0 or 1");
            }
            options.enabled = value;
        } else if (name == "--games") {
            options.games = NumberList::ParseOne(value, "--games", 1, 1000000000);
        } else if (name == "--seed") {
            options.seed = static_cast<uint64_t>(
                NumberList::ParseOne(value, "--seed", 0, std::numeric_limits<long>::max()));
        } else if (name == "--draws") {
            options.drawsFile = value;
        } else if (name == "--turns") {
            options.turns = NumberList::ParseOne(value, "--turns", 0, 32767);
        } else if (name == "--save") {
            options.saveFile = value;
        } else if (name == "--load") {
            options.loadFile = value;
        } else if (name == "--computer") {
            try {
                options.levels = ParseLevelList(value);
            } catch (const std::invalid_argument& error) {
                throw UsageError(std::string("--computer: ") + error.what());
            }
        }
    }
    if (options.seed && options.drawsFile) {
        throw UsageError("--seed and --draws cannot be used together");
    }
    if (options.saveFile && !options.turns) {
        throw UsageError("--save needs --turns");
    }
    return options;
}

// The settings file in the order the window program reads it; a missing per-user file is not
// made here: the shipped default is read instead.
std::string SettingsPath(const std::optional<std::string>& named,
                         const std::string& programFolder) {
    const SettingsLocation location(named, {"", SettingsLocation::UserFolder(),
                                            SettingsLocation::ShippedFolder(programFolder)});
    return location.readPath();
}

// The seed of the Easy and Strong players' own streams: the dice seed, the draws themselves, or
// the time of day.
uint64_t LevelSeed(const PlayOptions& options, const std::vector<int>& draws) {
    if (options.seed) {
        return *options.seed;
    }
    if (options.drawsFile) {
        uint64_t hash = 1469598103934665603ULL;
        for (int draw : draws) {
            hash = (hash ^ static_cast<uint64_t>(draw)) * 1099511628211ULL;
        }
        return hash;
    }
    return static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

// "# think-ms player N: mean M p99 Q" for each Easy or Strong player that took part.
void PrintThinking(std::ostream& out, Game& game) {
    for (int p = 0; p < 4; ++p) {
        if (game.levels().level(p) == ComputerLevel::Standard ||
            game.state().PlayerEnabled[p] != game.state().FlagYes) {
            continue;
        }
        const ComputerLevels::ThinkingTime time =
            ComputerLevels::Summarize(game.levels().thinkMilliseconds(p));
        out << "# think-ms player " << p + 1 << ": mean " << std::fixed << std::setprecision(2)
            << time.mean << " p99 " << time.p99 << '\n';
        out.unsetf(std::ios::fixed);
    }
}

template <class Run> void PrintSummary(std::ostream& out, const Run& host, double seconds) {
    out << "# games " << host.gamesCompleted() << '\n';
    out << "# turns " << host.turnsPlayed() << '\n';
    const char* names[5] = {"", "1st", "2nd", "3rd", "last"};
    for (int p = 0; p < 4; ++p) {
        out << "# places player " << p + 1 << ':';
        for (int place = 1; place <= 4; ++place) {
            out << ' ' << names[place] << ' ' << host.placeCounts()[p][place];
        }
        out << '\n';
    }
    out << "# seconds " << std::fixed << std::setprecision(3) << seconds << '\n';
    const double rate = seconds > 0 ? host.gamesCompleted() / seconds : 0.0;
    out << "# games/s " << std::fixed << std::setprecision(0) << rate << '\n';
    out.unsetf(std::ios::fixed);
}

// Games of the standard computer players, played on the rules core.
int PlayOnRulesCore(const PlayOptions& options, const Settings& settings, std::ostream& out) {
    std::optional<SavedGame> loaded;
    if (options.loadFile) {
        loaded = SavedGameFile::Read(*options.loadFile); // a bad file stops the run here
    }
    PlayRun run(settings, loaded ? &*loaded : nullptr, options.loadFile.value_or(""),
                PlayRun::Options{options.games, options.turns, options.saveFile,
                                 options.log ? &out : nullptr});
    const double started = CpuClock::process();
    try {
        if (options.drawsFile) {
            ScriptedDice dice(DrawsFile::Read(*options.drawsFile));
            run.play(dice);
        } else {
            SeededDice dice(options.seed
                                ? *options.seed
                                : static_cast<uint64_t>(
                                      std::chrono::system_clock::now().time_since_epoch().count()));
            run.play(dice);
        }
    } catch (const DrawsExhausted&) {
        out << "# draws exhausted\n";
    }
    PrintSummary(out, run, CpuClock::process() - started);
    return 0;
}

} // namespace

int PlayCommand::Run(const std::vector<std::string>& args, std::ostream& out,
                     const std::string& programFolder) {
    const PlayOptions options = ParseOptions(args);
    Settings settings = SettingsFile::Load(SettingsPath(options.config, programFolder));
    if (options.enabled) {
        int playing = 0;
        for (int p = 0; p < 4; ++p) {
            settings.PlayerEnabled[p] = static_cast<int16_t>((*options.enabled)[p] - '0');
            playing += settings.PlayerEnabled[p];
        }
        if (playing < 2) {
            throw UsageError("--enabled: '" + *options.enabled +
                             "' must enable at least two players");
        }
    }
    settings.PlayerType.fill("C");
    if (std::all_of(options.levels.begin(), options.levels.end(),
                    [](ComputerLevel level) { return level == ComputerLevel::Standard; })) {
        return PlayOnRulesCore(options, settings, out);
    }
    if (options.loadFile) {
        SavedGameFile::Read(*options.loadFile); // a file that cannot be used stops the run here
    }

    std::unique_ptr<DiceSource> dice;
    std::vector<int> draws;
    if (options.drawsFile) {
        draws = DrawsFile::Read(*options.drawsFile);
        dice = std::make_unique<ScriptedDice>(draws);
    } else if (options.seed) {
        dice = std::make_unique<RandomDice>(*options.seed);
    } else {
        dice = std::make_unique<RandomDice>();
    }

    HeadlessHost host(options.log ? &out : nullptr);
    Game game(host, *dice);
    host.attach(game);
    game.levels().setLevels(options.levels);
    game.levels().setGameSeed(LevelSeed(options, draws));
    host.setGamesWanted(static_cast<int>(options.games));
    bool saved = false;
    if (options.turns) {
        host.setRoundHook([&] {
            if (game.state().TurnCount != *options.turns) {
                return;
            }
            if (options.saveFile && !saved) {
                saved = true;
                SavedGameFile::Write(*options.saveFile, game.savedGame());
                game.pacer().LogLine(-1, "GAME SAVED TO " + *options.saveFile);
            }
            game.requestStop();
        });
    }
    game.startUp(settings);

    const double started = CpuClock::process();
    try {
        if (options.loadFile) {
            if (!game.loadGame(*options.loadFile)) {
                throw FileError(*options.loadFile, 0, host.lastMessage());
            }
            game.state().PlayerType.fill("C");
            game.RunTurns();
        }
        while (!game.stopped()) {
            game.StartOrRestart();
        }
    } catch (const DrawsExhausted&) {
        out << "# draws exhausted\n";
    }
    PrintSummary(out, host, CpuClock::process() - started);
    PrintThinking(out, game);
    return 0;
}

} // namespace ruvo
