// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/HeadlessHost.h"

#include "game/Game.h"

namespace ruvo {

void HeadlessHost::addLogLine(const std::string& text, int paletteEntry) {
    if (log_ != nullptr) {
        *log_ << paletteEntry << '|' << text << '\n';
    }
}

void HeadlessHost::processEvents() {
    if (roundHook_) {
        roundHook_();
    }
}

bool HeadlessHost::askYesNo(const std::string& prompt) {
    if (prompt != "Game finished, restart?") {
        return true;
    }
    recordStandings();
    ++gamesCompleted_;
    return gamesCompleted_ < gamesWanted_;
}

void HeadlessHost::recordStandings() {
    if (game_ == nullptr) {
        return;
    }
    const GameState& state = game_->state();
    turnsPlayed_ += state.TurnCount;
    for (int p = 0; p < 4; ++p) {
        if (state.FinishPlace[p] != 0) {
            ++placeCounts_[p][state.FinishPlace[p]];
        } else if (state.PlayerInfo[p].caption.rfind("LAST", 0) == 0) {
            ++placeCounts_[p][4];
        }
    }
}

} // namespace ruvo
