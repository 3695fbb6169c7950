// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The moves log, sounds and the pacing of the game: log a line, then wait the pace or stop for
// the space bar after each logged event of a paused player.
#include "game/GameHost.h"
#include "game/GameState.h"

#include <string>

namespace ruvo {

class Pacer {
public:
    Pacer(GameState& state, GameHost& host, const bool& stopped)
        : state_(state), host_(host), stopped_(stopped) {}

    // Logs text in the colour of the 0-based player pl (-1 black).
    void AddtoLog(const std::string& text, int pl);
    // Logs text in the colour of the 1-based player number pl (-1 black), showing the log.
    void LogLine(int pl, const std::string& text);
    // Logs (modes 2, 3) and paces (modes 1, 3) or stops for a paused player (modes 2, 3).
    void LogAndPace(int p, const std::string& text, int mode);
    // Plays a sound of the program's folder when sound is on.
    void playsound(const std::string& fileName);
    // Lets pending events run; unwinds when the program is ending.
    void processEvents();
    // Waits n half-seconds (events run, the space bar ends it); unwinds when the program ends.
    void waitOrSpace(long halfSeconds);
    // Unwinds the running turn when the program is ending.
    void checkStop() const;
    bool logWanted() const { return host_.logWanted(); }

    // LogAndPace with a text made only when the log is shown.
    template <typename MakeText> void LogAndPaceWith(int p, MakeText makeText, int mode) {
        if ((mode == 2 || mode == 3) && logWanted()) {
            AddtoLog(makeText(), p);
        }
        pace(p, mode);
    }

private:
    // The wait after a logged line: the pace, or a paused player's stop for the space bar.
    void pace(int p, int mode);
    void stopForSpaceBar(int p);

    GameState& state_;
    GameHost& host_;
    const bool& stopped_;
};

} // namespace ruvo
