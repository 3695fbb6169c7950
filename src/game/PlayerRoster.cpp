// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/PlayerRoster.h"

#include "files/Text.h"

namespace ruvo {

void PlayerRoster::ShowPlayerType(GameState& state, int player) {
    TypePictureView& picture = state.PlayerTypePicture[player];
    if (state.PlayerType[player] == "H") {
        picture.picture = Picture::Human;
        picture.toolTip = "Human to play for this Player";
        state.PlayerPaused[player] = state.FlagNo;
    } else {
        picture.picture = Picture::Computer;
        picture.toolTip = "Computer to play for this Player";
    }
}

PlayerMenu PlayerRoster::menuFor(int player) const {
    PlayerMenu menu;
    menu.player = player;
    menu.typeCaption = state_.PlayerType[player] == "H" ? "Human" : "Computer";
    menu.enabledCaption =
        state_.PlayerEnabled[player] == state_.FlagYes ? "Playing" : "Not playing";
    menu.pausedCaption = state_.PlayerPaused[player] == state_.FlagYes ? "Paused" : "Not paused";
    menu.pausedEnabled = state_.PlayerType[player] != "H";
    return menu;
}

bool PlayerRoster::runPlayerOption(int p, const std::string& command, bool personWaiting) {
    if (command == "TYPE") {
        if (state_.PlayerType[p] != "H") {
            state_.PlayerType[p] = "H";
            ShowPlayerType(state_, p);
            pacer_.LogLine(p + 1, "set to HUMAN");
            return false;
        }
        state_.PlayerType[p] = "C";
        ShowPlayerType(state_, p);
        pacer_.LogLine(p + 1, "set to COMPUTER");
        return p == state_.CurrentPlayer && personWaiting;
    }
    if (command == "ENABLEDISABLE") {
        TogglePlayerEnabled(p);
    } else if (command == "PAUSED" && state_.PlayerType[p] != "H") {
        if (state_.PlayerPaused[p] != state_.FlagYes) {
            state_.PlayerPaused[p] = state_.FlagYes;
            pacer_.LogLine(p + 1, "PAUSE ON");
        } else {
            state_.PlayerPaused[p] = state_.FlagNo;
            pacer_.LogLine(p + 1, "NO PAUSE");
            state_.DiceHead[p].caption.clear();
        }
    }
    return false;
}

void PlayerRoster::TogglePlayerEnabled(int p) {
    if (state_.PlayerEnabled[p] != state_.FlagYes) {
        if (state_.PlayerEnabled[p] != state_.FlagNo) {
            return;
        }
        state_.PlayerEnabled[p] = state_.FlagYes;
        state_.PlayerInfo[p].caption = "PLAYER" + Str(p + 1);
        state_.PlayerInfo[p].visible = true;
        pacer_.LogLine(p + 1, "ENABLED");
        state_.PlayerTypePicture[p].visible = true;
        for (int k = 0; k < 4; ++k) {
            state_.Piece[YardSquare(p, k)].visible = true;
        }
        state_.RemovePending[p] = state_.FlagNo; // back before its pieces were taken off
        driver_.ResetPlayer(p);
        ++state_.PlayerCount;
        return;
    }
    if (state_.PlayerCount <= 2) {
        pacer_.playsound(state_.SndError);
        return;
    }
    if (state_.CurrentPlayer != -1 && state_.FinishPlace[p] > 0) {
        host_.message("Player has finished already");
        pacer_.checkStop();
        return;
    }
    const bool remove = host_.askYesNo("Remove Player" + Str(p + 1) + " ?");
    pacer_.checkStop();
    if (!remove) {
        return;
    }
    pacer_.playsound(state_.SndRemove);
    --state_.PlayerCount;
    state_.PlayerEnabled[p] = state_.FlagNo;
    pacer_.LogLine(p + 1, "DISABLED");
    state_.PlayerInfo[p].caption = "NOT PLAYING";
    state_.PlayerTypePicture[p].visible = false;
    state_.PlayerInfo[p].visible = false;
    state_.RemovePending[p] = state_.FlagYes;
}

} // namespace ruvo
