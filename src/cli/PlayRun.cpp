// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/PlayRun.h"

#include "cli/LogObserver.h"
#include "files/SavedGameFile.h"
#include "files/Text.h"
#include "game/ScriptedDice.h"
#include "rules/RulesPlay.h"
#include "rules/SeededDice.h"
#include "rules/StandardChooser.h"

namespace ruvo {

PlayRun::PlayRun(const Settings& settings, const SavedGame* loaded, const std::string& loadedFrom,
                 Options options)
    : options_(std::move(options)) {
    for (int s = 0; s < SquareTotal; ++s) {
        records_[s] = settings.SquareRecords[s];
    }
    header_.PlayerType.fill("C");
    const SavedGame* from = loaded;
    SavedGame fromSettings;
    if (from == nullptr) {
        fromSettings.SpeedFactor =
            settings.SpeedFactor >= 1 && settings.SpeedFactor <= 30 ? settings.SpeedFactor : 30;
        fromSettings.SoundOn = settings.SoundOn;
        fromSettings.PlayerEnabled = settings.PlayerEnabled;
        fromSettings.PlayerPaused = settings.PlayerPaused;
        from = &fromSettings;
    }
    header_.SpeedFactor = from->SpeedFactor;
    header_.SoundOn = from->SoundOn;
    header_.PlayerEnabled = from->PlayerEnabled;
    header_.PlayerPaused = from->PlayerPaused;
    std::array<bool, 4> enabled{};
    for (int p = 0; p < 4; ++p) {
        enabled[p] = from->PlayerEnabled[p] != 0;
    }
    rules_ = RulesState::newGame(enabled);
    if (loaded != nullptr) {
        rules_.clearBoard();
        for (int p = 0; p < 4; ++p) {
            for (int k = 0; k < 4; ++k) {
                // A player not taking part brings no pieces onto the board.
                const int position =
                    enabled[p] ? static_cast<int>(Val(loaded->PieceSquares[p].substr(3 * k, 2)))
                               : YardSquare(p, k);
                rules_.putPiece(p, k, position);
            }
        }
        for (const SavedSquare& square : loaded->Squares) {
            records_[square.Square] = square.Record;
        }
        rules_.current = static_cast<int8_t>(loaded->CurrentPlayer);
        if (options_.log != nullptr) {
            LogObserver(*options_.log).note("GAME LOADED FROM ", loadedFrom);
        }
    }
}

SavedGame PlayRun::savedGame() const {
    SavedGame game = header_;
    game.CurrentPlayer = rules_.current;
    for (int p = 0; p < 4; ++p) {
        std::string text;
        for (int k = 0; k < 4; ++k) {
            text += (k > 0 ? "," : "") + TwoDigits(rules_.position[p][k]);
        }
        game.PieceSquares[p] = text;
    }
    for (int s = 0; s < SquareTotal; ++s) {
        if (rules_.owner[s] != -1) {
            std::string record = records_[s];
            if (record.size() >= 3) {
                record[1] = DieText(rules_.owner[s])[0];
                record[2] = DieText(rules_.count[s])[0];
            }
            game.Squares.push_back(
                SavedSquare{static_cast<int16_t>(s), rules_.owner[s], rules_.count[s], record});
        }
    }
    return game;
}

void PlayRun::recordStandings() {
    turnsPlayed_ += rules_.turnCount;
    bool lastFound = false;
    for (int p = 0; p < 4; ++p) {
        if (rules_.finishPlace[p] != 0) {
            ++placeCounts_[p][rules_.finishPlace[p]];
        } else if (rules_.enabled[p] && !lastFound) {
            ++placeCounts_[p][4];
            lastFound = true;
        }
    }
    ++gamesCompleted_;
}

void PlayRun::saveAtStop() {
    if (!options_.saveFile) {
        return;
    }
    SavedGameFile::Write(*options_.saveFile, savedGame());
    if (options_.log != nullptr) {
        LogObserver(*options_.log).note("GAME SAVED TO ", *options_.saveFile);
    }
}

template <class Dice> void PlayRun::play(Dice& dice) {
    if (options_.log != nullptr) {
        LogObserver logger(*options_.log);
        play(dice, logger);
    } else {
        NullObserver quiet;
        play(dice, quiet);
    }
}

template <class Dice, class Observer> void PlayRun::play(Dice& dice, Observer& observer) {
    StandardChooser chooser;
    for (;;) {
        long rounds = LONG_MAX;
        if (options_.turns) {
            if (rules_.turnCount == *options_.turns) {
                saveAtStop();
                return;
            }
            if (*options_.turns > rules_.turnCount) {
                rounds = *options_.turns - rules_.turnCount;
            }
        }
        if (!RulesPlay::playRounds(rules_, dice, chooser, observer, rounds)) {
            continue;
        }
        recordStandings();
        if (gamesCompleted_ >= options_.games) {
            return;
        }
        if (options_.log != nullptr) {
            LogObserver(*options_.log).note("NEW GAME");
        }
        rules_.resetBoard();
    }
}

template void PlayRun::play<SeededDice>(SeededDice&);
template void PlayRun::play<ScriptedDice>(ScriptedDice&);

} // namespace ruvo
