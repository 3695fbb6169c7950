// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The players' options: who plays a player (a person or the computer), whether it takes part,
// whether the game pauses after its logged lines; players joining and leaving a game.
#include "game/GameHost.h"
#include "game/GameState.h"
#include "game/Pacer.h"
#include "game/TurnDriver.h"

#include <string>

namespace ruvo {

class PlayerRoster {
public:
    PlayerRoster(GameState& state, GameHost& host, Pacer& pacer, TurnDriver& driver)
        : state_(state), host_(host), pacer_(pacer), driver_(driver) {}

    // The captions and state of a player's options menu as it opens.
    PlayerMenu menuFor(int player) const;

    // Carries out "TYPE", "ENABLEDISABLE" or "PAUSED" for a player. True when the person whose
    // move the game waits for has just become a computer: its move is then to be played now.
    bool runPlayerOption(int player, const std::string& command, bool personWaiting);

    // A player joins, or leaves after confirmation (never below two players, never once
    // finished during a game); a leaving player's pieces go when the driver reaches it.
    void TogglePlayerEnabled(int player);

    // Shows the person or computer picture and its tool tip for the player's type; a person is
    // never paused.
    static void ShowPlayerType(GameState& state, int player);

private:
    GameState& state_;
    GameHost& host_;
    Pacer& pacer_;
    TurnDriver& driver_;
};

} // namespace ruvo
