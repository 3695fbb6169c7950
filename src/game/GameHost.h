// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Everything the game needs from the outside world. The window implements it with Qt, the tests
// with a recording fake, the command-line tool with a headless host. The game's display state
// lives in GameState; a host shows it whenever the game calls into the host and after every
// call into the game returns.
#include "game/Rgb.h"

#include <string>

namespace ruvo {

// Captions and state of the player options menu, set before it opens.
struct PlayerMenu {
    int player = 0;
    std::string typeCaption;    // "Human" or "Computer"
    std::string enabledCaption; // "Playing" or "Not playing"
    std::string pausedCaption;  // "Paused" or "Not paused"
    bool pausedEnabled = true;  // pausing is offered for computer players only
};

// A file chooser request: open or save mode, title, filter (description NUL pattern NUL), the
// default name and the folder to start in.
struct FileDialogRequest {
    bool save = false;
    std::string title;
    std::string filter;
    std::string defaultName;
    std::string initialDirectory;
};

class GameHost {
public:
    virtual ~GameHost() = default;

    // The moves log: a new line at the end in a palette colour (QBColor entry), brought into view.
    virtual void addLogLine(const std::string& text, int paletteEntry) = 0;
    virtual void clearLog() = 0;
    // Whether log lines are wanted at all (a headless run may discard them).
    virtual bool logWanted() const { return true; }

    // Lets pending window events run once.
    virtual void processEvents() = 0;
    // Waits halfSeconds half-seconds while events run; a space-bar press ends it early.
    virtual void waitOrSpace(long halfSeconds) = 0;

    // Plays a sound file of the program's folder in the background (sound is known to be on).
    virtual void playSound(const std::string& fileName) = 0;

    // Message box with OK only; Yes/No question (true for Yes).
    virtual void message(const std::string& text) = 0;
    virtual bool askYesNo(const std::string& prompt) = 0;

    // The command line under the board, used as the prompt line.
    virtual void setCommandLineText(const std::string& text) = 0;
    virtual void setCommandLineColor(Rgb color) = 0;
    virtual void focusCommandLine() = 0;

    // Shows the command menu and returns the picked command word, "" when dismissed.
    virtual std::string popupCommandMenu() = 0;
    // Shows a player's options menu and returns "TYPE", "ENABLEDISABLE", "PAUSED" or "".
    virtual std::string popupPlayerMenu(const PlayerMenu& menu) = 0;

    // The file chooser; "" when cancelled.
    virtual std::string chooseFile(const FileDialogRequest& request) = 0;
    // The folder the program runs from (sounds, help page).
    virtual std::string programFolder() = 0;
    // Where the saved-game dialogs start: the program's folder unless the host knows better
    // (an installed program's folder is not the user's to write in).
    virtual std::string savedGamesFolder() { return programFolder(); }

    virtual void showHelp(const std::string& helpPagePath) = 0;
    virtual void showAbout() = 0;

    // The program is ending through Exit or a finished game not restarted: write the settings.
    virtual void saveSettings() = 0;
    // Ends the program; the game stops at its next step and does nothing more.
    virtual void endProgram() = 0;
};

} // namespace ruvo
