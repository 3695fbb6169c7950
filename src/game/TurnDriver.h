// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The turn driver: round after round it serves the requests commands have left, checks for the
// end of the game, gives the turn to the next player taking part, throws the dice and plays the
// computer's moves on the rules core (the recorder keeps the record the window paints); it
// returns whenever a person must move.
#include "game/DiceSource.h"
#include "game/GameHost.h"
#include "game/GameRecorder.h"
#include "game/GameState.h"
#include "game/MoveChooser.h"
#include "game/Pacer.h"
#include "game/PersonMove.h"
#include "rules/RulesState.h"

#include <functional>

namespace ruvo {

class TurnDriver {
public:
    // Services of the game the driver calls at the top of a round.
    struct Services {
        std::function<bool()> serveSave;   // the save step; true when a game was written
        std::function<bool()> loadPending; // a checked saved game waits to be loaded
        std::function<void()> serveLoad;   // loads it
        std::function<void()> endProgram;  // No to a new game at the end
    };

    TurnDriver(GameState& state, GameHost& host, Pacer& pacer, GameRecorder& recorder,
               PersonMove& person, DiceSource& dice, Services services)
        : state_(state), host_(host), pacer_(pacer), recorder_(recorder), person_(person),
          dice_(dice), services_(std::move(services)) {}

    // Runs rounds until a person must move or the game ends. Never entered while it runs.
    void RunTurns();
    bool running() const { return running_; }
    // The game waits for the current player, a person, to complete its move.
    bool waitingForPerson() const { return waitingForPerson_; }
    void setWaitingForPerson(bool waiting) { waitingForPerson_ = waiting; }

    void ThrowDice();
    // Plays entry ChosenMove of the possible-moves list for the player, piece after piece.
    void MakeChosenMove(int player);
    void CheckFinished();
    void ResetBoard();
    void ResetPlayer(int player);

    // Shows the prompt for the person to move.
    void promptPerson(int player);
    // Shows the prompt again, as it stood, for the person the game waits for.
    void showPrompt(int player);

    // A restart or a load waits: the running turn goes no further than its running step.
    bool interrupted() const;

    // Chooses computer players' moves instead of the weight table where it wants to.
    void setChooser(MoveChooser* chooser) { chooser_ = chooser; }

private:
    void endOfGame();
    void serveRemovals();

    GameState& state_;
    GameHost& host_;
    Pacer& pacer_;
    GameRecorder& recorder_;
    PersonMove& person_;
    DiceSource& dice_;
    RulesState rules_; // the rules state of the turn being played
    Services services_;
    MoveChooser* chooser_ = nullptr;
    bool running_ = false;
    bool waitingForPerson_ = false;
};

} // namespace ruvo
