// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/PlayCommand.h"

#include "cli/DrawsFile.h"
#include "cli/HeadlessHost.h"
#include "cli/NumberList.h"
#include "cli/UsageError.h"
#include "engine/Game.h"
#include "engine/RandomDice.h"
#include "engine/ScriptedDice.h"
#include "files/FileError.h"
#include "files/SavedGameFile.h"
#include "files/SettingsFile.h"

#include <chrono>
#include <filesystem>
#include <iomanip>
#include <limits>
#include <memory>
#include <optional>

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
};

PlayOptions ParseOptions(const std::vector<std::string>& args) {
    PlayOptions options;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& name = args[i];
        if (name == "--log") {
            options.log = true;
            continue;
        }
        if (i + 1 >= args.size()) {
            throw UsageError(name == "--config" || name == "--enabled" || name == "--games" ||
                                     name == "--seed" || name == "--draws" || name == "--turns" ||
                                     name == "--save" || name == "--load"
                                 ? name + " needs a value"
                                 : "unknown option '" + name + "'");
        }
        const std::string& value = args[++i];
        if (name == "--config") {
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
        } else {
            throw UsageError("unknown option '" + name + "'");
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

// The settings file: the one named, else ruvo.cfg in the current folder, else the default
// beside the program.
std::string SettingsPath(const std::optional<std::string>& named,
                         const std::string& programFolder) {
    if (named) {
        return *named;
    }
    const std::string local = "ruvo.cfg";
    if (!programFolder.empty() && !std::filesystem::exists(local)) {
        const std::filesystem::path beside = std::filesystem::path(programFolder) / local;
        if (std::filesystem::exists(beside)) {
            return beside.string();
        }
    }
    return local;
}

void PrintSummary(std::ostream& out, const HeadlessHost& host, double seconds) {
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
    if (options.loadFile) {
        SavedGameFile::Read(*options.loadFile); // a file that cannot be used stops the run here
    }

    std::unique_ptr<DiceSource> dice;
    if (options.drawsFile) {
        dice = std::make_unique<ScriptedDice>(DrawsFile::Read(*options.drawsFile));
    } else if (options.seed) {
        dice = std::make_unique<RandomDice>(*options.seed);
    } else {
        dice = std::make_unique<RandomDice>();
    }

    HeadlessHost host(options.log ? &out : nullptr);
    Game game(host, *dice);
    host.attach(game);
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

    const auto started = std::chrono::steady_clock::now();
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
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    PrintSummary(out, host, seconds);
    return 0;
}

} // namespace ruvo
