// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The folders the window program keeps its files in, the way a Linux desktop program does:
// settings in the user's configuration folder, the unfinished game in the user's data folder,
// saved games where the user last put them (else Documents), and its own data (the default
// settings, sounds, help page) in the folder installed with it.
#include <QString>

class UserFolders {
public:
    // $XDG_CONFIG_HOME/ruvo (~/.config/ruvo by default).
    static QString configFolder();
    // $XDG_DATA_HOME/ruvo (~/.local/share/ruvo by default).
    static QString dataFolder();
    // The default ruvo.cfg, the sounds and ruvo.htm: the installed data folder, or the
    // program's own folder where it was built. Needs the application object.
    static QString programDataFolder();

    // Where the saved-game dialogs start: the folder used last (remembered across runs) while
    // it exists, else the user's Documents folder, else the home folder.
    static QString savedGamesFolder();
    // Remembers the folder of a saved game chosen in a dialog.
    static void rememberSavedGame(const QString& path);

    // True the first time the settings read from folder have to be written elsewhere; it
    // returns false for that folder from then on, so the user is told once.
    static bool firstMoveFrom(const QString& folder);
};
