// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game: its record, the turn driver, the moves, the commands and the command line, driven by
// the window's events (or a test's, or the command-line tool's) through one host interface.
#include "files/SavedGame.h"
#include "files/Settings.h"
#include "game/ComputerLevels.h"
#include "game/DiceSource.h"
#include "game/GameHost.h"
#include "game/GameRecorder.h"
#include "game/GameState.h"
#include "game/Pacer.h"
#include "game/PersonMove.h"
#include "game/PlayerRoster.h"
#include "game/TurnDriver.h"

#include <optional>
#include <string>

namespace ruvo {

class Game {
public:
    Game(GameHost& host, DiceSource& dice);
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    GameState& state() { return state_; }
    const GameState& state() const { return state_; }

    // Start-up: the first values of the record, the settings and board data of the settings
    // file, and the board as the window first shows it. Nothing moves until START.
    // commandLineColor is the command line's own background, restored after every prompt.
    void startUp(const Settings& settings, Rgb commandLineColor = MakeRgb(255, 255, 255));

    // ---- Events of the window. Each returns when the game waits for the user again.
    void clickStart();                              // the Start control: click sound, menu
    void commandLineEnter(const std::string& text); // Enter on the command line
    void squareMouseUp(int control, int button);    // a square control (0..100), button 1 or 2
    void squareMouseMove(int control);              // pointer over a square control
    void surfaceMouseMove();                        // pointer over a panel or the bare window
    void diceHeadMouseUp(int player, int button);   // a player's dice label
    void playerOptionsMouseUp(int player);          // a player's options button
    void speedChanged(int value);                   // the speed slider moved (1..30)
    void spaceAtWindow();                           // a space key reached the window itself
    void quitConfirmation();                        // the Exit item
    // The window is closing: whatever runs stops at its next step; nothing more happens.
    void requestStop() { stopped_ = true; }
    bool stopped() const { return stopped_; }

    // ---- Operations, also used directly by the command-line tool and the tests.
    void DoCommand(bool typed); // acts on the command word in menuTag()
    void StartOrRestart();
    void RunTurns();
    void TogglePlayerEnabled(int player);
    // Loads a saved game as LOADGAME does after its dialog: read and check the whole file,
    // then reset, apply, log, "Start loaded game ?", waiting for START. False (with a message)
    // when the file cannot be used; the game is then exactly as it was.
    bool loadGame(const std::string& path);
    // The game as a saved game file holds it.
    SavedGame savedGame() const;
    // The file chooser with the save-mode extension rule; "" when cancelled.
    std::string FileDialog(bool save, const std::string& title, const std::string& filter,
                           const std::string& defaultName, std::string& initialDirectory);

    std::string& menuTag() { return menuTag_; }
    bool driverRunning() const { return driver_.running(); }
    bool waitingForPerson() const { return driver_.waitingForPerson() && !driver_.running(); }

    TurnDriver& driver() { return driver_; }
    GameRecorder& recorder() { return recorder_; }
    Pacer& pacer() { return pacer_; }
    // Each computer player's level (Easy, Standard, Strong) and the game's seed for their choices.
    ComputerLevels& levels() { return levels_; }

    // "Ruvo game Files (*.ruv)", NUL, "*.ruv", NUL.
    static std::string saveFilter();

private:
    template <typename Action> void guarded(Action action);
    bool serveSave();
    void serveLoad();
    // The checked saved game of a file, or nothing after a message saying why it cannot be used.
    std::optional<SavedGame> readSavedGame(const std::string& path);
    void applyLoad(const std::string& path, const SavedGame& game);
    // A turn or a person's move is under way: a load waits until its running step ends.
    bool busy() const { return driver_.running() || personMoving_; }
    // After a person's move: the driver goes on when the turn is over or a restart or a load
    // waits; otherwise the game waits for the person again.
    void afterPersonMove(bool turnOver);
    void endProgram();
    void automaticMove();
    void typedMove(const std::string& line);
    void applySavedGame(const SavedGame& game);

    GameState state_;
    GameHost& host_;
    bool stopped_ = false;
    Pacer pacer_;
    GameRecorder recorder_;
    PersonMove person_;
    TurnDriver driver_;
    PlayerRoster roster_;
    std::string menuTag_;
    struct PendingLoad {
        std::string path;
        SavedGame game;
    };
    std::optional<PendingLoad> pendingLoad_;
    bool personMoving_ = false;
    ComputerLevels levels_;
};

} // namespace ruvo
