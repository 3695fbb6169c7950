// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/UnfinishedGame.h"

#include "files/FileError.h"
#include "files/SavedGameFile.h"

#include <filesystem>
#include <system_error>

namespace ruvo {

namespace {

namespace fs = std::filesystem;

bool Ended(const GameState& state) {
    int finished = 0;
    for (int p = 0; p < 4; ++p) {
        finished += state.FinishPlace[p] != 0 ? 1 : 0;
    }
    return finished > 0 && finished >= state.PlayerCount - 1;
}

} // namespace

std::string UnfinishedGame::path() const {
    return (fs::path(folder_) / FileName).string();
}

bool UnfinishedGame::exists() const {
    std::error_code ec;
    return fs::is_regular_file(path(), ec);
}

void UnfinishedGame::roundStarting(const Game& game) {
    roundStart_ = game.savedGame();
    // Before a new game's first round nobody has moved: the round gives the turn to the
    // player after the last one, as it does from -1.
    if (roundStart_->CurrentPlayer == -1) {
        roundStart_->CurrentPlayer = 3;
    }
}

std::optional<SavedGame> UnfinishedGame::toKeep(const Game& game) const {
    const GameState& state = game.state();
    if (state.CurrentPlayer == -1 || Ended(state)) {
        return std::nullopt;
    }
    if ((game.driverRunning() || game.waitingForPerson()) && roundStart_) {
        return roundStart_;
    }
    return game.savedGame();
}

void UnfinishedGame::keep(const Game& game) {
    const std::optional<SavedGame> kept = toKeep(game);
    if (!kept) {
        discard();
        return;
    }
    std::error_code ec;
    fs::create_directories(folder_, ec);
    if (ec) {
        throw FileError(path(), 0, "its folder cannot be made: " + ec.message());
    }
    SavedGameFile::Write(path(), *kept);
}

void UnfinishedGame::discard() const {
    std::error_code ec;
    fs::remove(path(), ec);
}

} // namespace ruvo
