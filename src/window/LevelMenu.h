// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Level" part of a player's options menu: Easy, Standard and Strong, the player's own level
// checked, offered for a computer player only.
#include "game/ComputerLevel.h"

#include <QObject>

#include <array>
#include <optional>

class QAction;
class QActionGroup;
class QMenu;

class LevelMenu : public QObject {
    Q_OBJECT

public:
    // Adds the level items to the end of menu.
    explicit LevelMenu(QMenu* menu);

    // Sets the checked level and whether the items can be chosen, before the menu opens.
    void prepare(ruvo::ComputerLevel level, bool offered);
    // The level an item of the menu stands for; nothing for any other item.
    std::optional<ruvo::ComputerLevel> levelOf(const QAction* action) const;
    QAction* item(ruvo::ComputerLevel level) const { return items_[static_cast<int>(level)]; }

private:
    std::array<QAction*, 3> items_{};
};
