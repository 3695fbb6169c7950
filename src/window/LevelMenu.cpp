// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/LevelMenu.h"

#include <QActionGroup>
#include <QMenu>

LevelMenu::LevelMenu(QMenu* menu) : QObject(menu) {
    QAction* title = menu->addSection(QStringLiteral("Computer level"));
    title->setObjectName(QStringLiteral("Levelx"));
    auto* group = new QActionGroup(this);
    for (ruvo::ComputerLevel level :
         {ruvo::ComputerLevel::Easy, ruvo::ComputerLevel::Standard, ruvo::ComputerLevel::Strong}) {
        const QString name = QString::fromLatin1(ruvo::LevelName(level));
        QAction* action = menu->addAction(name);
        action->setObjectName(name + QStringLiteral("x"));
        action->setCheckable(true);
        action->setData(QStringLiteral("LEVEL"));
        group->addAction(action);
        items_[static_cast<int>(level)] = action;
    }
}

void LevelMenu::prepare(ruvo::ComputerLevel level, bool offered) {
    for (QAction* action : items_) {
        action->setEnabled(offered);
    }
    item(level)->setChecked(true);
}

std::optional<ruvo::ComputerLevel> LevelMenu::levelOf(const QAction* action) const {
    for (int i = 0; i < 3; ++i) {
        if (action != nullptr && action == items_[i]) {
            return static_cast<ruvo::ComputerLevel>(i);
        }
    }
    return std::nullopt;
}
