// SPDX-License-Identifier: GPL-3.0-or-later
// Loads arbitrary bytes as a saved game, as LOADGAME does, and plays what loads to its end
// with computer players and dice seeded from the bytes. The board must agree with itself after
// every round, the load must accept exactly what the reader accepts, and the game must end
// within a bound on rounds: a game that goes on is reported as endless, with its board.
#include "cli/HeadlessHost.h"
#include "files/FileError.h"
#include "files/SavedGameFile.h"
#include "files/SettingsFile.h"
#include "game/BoardAudit.h"
#include "game/Game.h"
#include "game/RandomDice.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>
#include <unistd.h>

namespace {

// Far beyond any real game: four players rarely need a thousand rounds.
constexpr long RoundLimit = 20000;

[[noreturn]] void Fail(const std::string& what, const ruvo::GameState& state) {
    std::fprintf(stderr, "\n%s (turn %d, player %d to move)\n", what.c_str(), state.TurnCount,
                 state.CurrentPlayer + 1);
    for (int player = 0; player < 4; ++player) {
        std::fprintf(stderr, "  player %d: %s, pieces at %d,%d,%d,%d, place %d\n", player + 1,
                     state.PlayerEnabled[player] != 0 ? "taking part" : "not taking part",
                     state.PieceSquares[player][0], state.PieceSquares[player][1],
                     state.PieceSquares[player][2], state.PieceSquares[player][3],
                     state.FinishPlace[player]);
    }
    std::abort();
}

const ruvo::Settings& DefaultSettings() {
    static const ruvo::Settings settings =
        ruvo::SettingsFile::Load(RUVO_SOURCE_DIR "/data/ruvo.cfg");
    return settings;
}

// Where each input is written for the game to load it (in memory where the system offers it).
const std::string& GamePath() {
    static const std::string path = [] {
        const std::string folder = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
        return folder + "/ruvo-play-fuzz-" + std::to_string(getpid()) + ".ruv";
    }();
    return path;
}

uint64_t Seed(std::string_view bytes) {
    uint64_t hash = 1469598103934665603u;
    for (char c : bytes) {
        hash = (hash ^ static_cast<uint8_t>(c)) * 1099511628211u;
    }
    return hash;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    bool readable = true;
    try {
        ruvo::SavedGameFile::Parse(GamePath(), bytes);
    } catch (const ruvo::FileError&) {
        readable = false;
    }
    {
        std::ofstream file(GamePath(), std::ios::binary | std::ios::trunc);
        file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }

    ruvo::HeadlessHost host(nullptr);
    ruvo::RandomDice dice(Seed(bytes));
    ruvo::Game game(host, dice);
    host.attach(game);
    host.setGamesWanted(1);
    long rounds = 0;
    host.setRoundHook([&] {
        const std::string fault = ruvo::BoardAudit::Fault(game.state());
        if (!fault.empty()) {
            Fail("the board disagrees with itself: " + fault, game.state());
        }
        if (++rounds > RoundLimit) {
            Fail("endless game: no end after " + std::to_string(RoundLimit) + " rounds",
                 game.state());
        }
    });
    ruvo::Settings settings = DefaultSettings();
    settings.PlayerType.fill("C");
    game.startUp(settings);
    const bool loaded = game.loadGame(GamePath());
    std::remove(GamePath().c_str());
    if (loaded != readable) {
        Fail(loaded ? "a game the reader refuses was loaded" : "a readable game was refused",
             game.state());
    }
    if (!loaded) {
        return 0;
    }
    game.state().PlayerType.fill("C");
    game.RunTurns();
    while (!game.stopped()) {
        game.StartOrRestart();
    }
    if (host.gamesCompleted() != 1) {
        Fail("the game stopped before its end", game.state());
    }
    return 0;
}
