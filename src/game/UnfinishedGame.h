// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game in progress when the program closes without Exit (the close box, a logout, a
// termination signal): kept as a saved game in the user's data folder and offered at the next
// start. A game that has ended, or none at all, leaves no file.
//
// What is kept is the game as it stood when the last turn was complete, the point a saved game
// describes: a turn cut off half-way (a computer between lifting and placing a piece, a person
// with the dice thrown) is played again from its throw.
#include "files/SavedGame.h"
#include "game/Game.h"

#include <optional>
#include <string>

namespace ruvo {

class UnfinishedGame {
public:
    static constexpr const char* FileName = "unfinished.ruv";

    explicit UnfinishedGame(std::string folder) : folder_(std::move(folder)) {}

    std::string path() const;
    bool exists() const;

    // The driver is at the top of a round: the last turn is complete.
    void roundStarting(const Game& game);
    // The game to keep if the program closed now; none when no game is in progress or the
    // game has ended.
    std::optional<SavedGame> toKeep(const Game& game) const;
    // Writes what toKeep gives (making the folder), or removes the file when there is nothing
    // to keep. Throws FileError when the file cannot be written.
    void keep(const Game& game);
    // Removes the file.
    void discard() const;

private:
    std::string folder_;
    std::optional<SavedGame> roundStart_;
};

} // namespace ruvo
