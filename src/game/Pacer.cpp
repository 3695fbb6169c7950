// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/Pacer.h"

#include "files/Text.h"
#include "game/GameStopped.h"

namespace ruvo {

namespace {

// Palette entry of a 1-based player number: 1 blue, 2 green, 3 yellow (entry 6), 4 red.
int PaletteOfPlayerNumber(int number) {
    if (number == 3) {
        return 6;
    }
    return (number >= 1 && number <= 4) ? number : 0;
}

} // namespace

void Pacer::AddtoLog(const std::string& text, int pl) {
    host_.addLogLine(text, pl == -1 ? 0 : PaletteOfPlayerNumber(pl + 1));
}

void Pacer::LogLine(int pl, const std::string& text) {
    state_.MovesListVisible = true;
    host_.addLogLine(text, pl == -1 ? 0 : PaletteOfPlayerNumber(pl));
}

void Pacer::LogAndPace(int p, const std::string& text, int mode) {
    if ((mode == 2 || mode == 3) && host_.logWanted()) {
        AddtoLog(text, p);
    }
    pace(p, mode);
}

void Pacer::pace(int p, int mode) {
    const bool paused = p >= 0 && p <= 3 && state_.PlayerPaused[p] == state_.FlagYes;
    switch (mode) {
    case 1:
        waitOrSpace(state_.WaitDelay);
        break;
    case 2:
        if (paused) {
            stopForSpaceBar(p);
        }
        break;
    case 3:
        if (paused) {
            stopForSpaceBar(p);
        } else if (p >= 0 && p <= 3 && state_.PlayerType[p] != "H") {
            waitOrSpace(state_.WaitDelay);
        }
        break;
    default:
        break;
    }
}

void Pacer::stopForSpaceBar(int p) {
    playsound("beep2.wav");
    host_.setCommandLineColor(state_.PlayerColor[p]);
    host_.setCommandLineText(">player paused, hit space bar to continue");
    waitOrSpace(120);
    host_.setCommandLineColor(static_cast<Rgb>(Val(state_.CommandlineTag)));
    host_.setCommandLineText("");
}

void Pacer::playsound(const std::string& fileName) {
    if (state_.SoundOn == state_.FlagYes) {
        host_.playSound(fileName);
    }
}

void Pacer::processEvents() {
    checkStop();
    host_.processEvents();
    checkStop();
}

void Pacer::waitOrSpace(long halfSeconds) {
    checkStop();
    host_.waitOrSpace(halfSeconds);
    checkStop();
}

void Pacer::checkStop() const {
    if (stopped_) {
        throw GameStopped{};
    }
}

} // namespace ruvo
