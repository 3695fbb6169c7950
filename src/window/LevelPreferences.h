// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The computer players' levels as the user's own preferences, kept in a Qt settings file beside
// the game's settings file (ruvo-prefs.ini next to ruvo.cfg), so that the settings file keeps its
// own format.
#include "game/ComputerLevel.h"

#include <QString>

#include <array>

class LevelPreferences {
public:
    // The preferences that belong with a settings file.
    explicit LevelPreferences(const QString& settingsPath);

    const QString& path() const { return path_; }
    // The saved levels; Standard for a player without one or with an unknown name.
    std::array<ruvo::ComputerLevel, 4> load() const;
    // False when the file cannot be written.
    bool save(const std::array<ruvo::ComputerLevel, 4>& levels) const;

private:
    QString path_;
};
