// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The computer games of `ruvo-cli play`, played on the rules core: from the new-game position
// of the settings or from a saved game, game after game, optionally stopping at a turn count
// (and saving the game there), with or without the moves log.
#include "files/SavedGame.h"
#include "files/Settings.h"
#include "rules/RulesState.h"

#include <array>
#include <optional>
#include <ostream>
#include <string>

namespace ruvo {

class PlayRun {
public:
    struct Options {
        long games = 1;
        std::optional<long> turns;           // stop at the top of the round with this turn count
        std::optional<std::string> saveFile; // and save the game there first
        std::ostream* log = nullptr;         // where the moves log goes, if anywhere
    };

    // loaded: a saved game to go on with (loadedFrom names its file for the log), or nullptr.
    PlayRun(const Settings& settings, const SavedGame* loaded, const std::string& loadedFrom,
            Options options);

    // Plays with the given dice (SeededDice, ScriptedDice); a scripted list that runs out
    // throws out of here, leaving the counts of the games completed so far.
    template <class Dice> void play(Dice& dice);

    long gamesCompleted() const { return gamesCompleted_; }
    long turnsPlayed() const { return turnsPlayed_; }
    // [player][place 1..4], 4 = last
    const std::array<std::array<long, 5>, 4>& placeCounts() const { return placeCounts_; }

    // The game as a saved game file holds it.
    SavedGame savedGame() const;

private:
    template <class Dice, class Observer> void play(Dice& dice, Observer& observer);
    void recordStandings();
    void saveAtStop();

    RulesState rules_;
    Options options_;
    SavedGame header_;                    // the players' settings carried into a saved game
    std::array<std::string, 92> records_; // each square's record
    long gamesCompleted_ = 0;
    long turnsPlayed_ = 0;
    std::array<std::array<long, 5>, 4> placeCounts_{};
};

} // namespace ruvo
