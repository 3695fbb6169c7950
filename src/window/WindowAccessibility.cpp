// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/WindowAccessibility.h"

#include "game/ScreenReaderText.h"
#include "listctl/qt/UserControl1.h"
#include "window/BoxControl.h"
#include "window/DieImage.h"
#include "window/Form1.h"
#include "window/ThrowCountTable.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QScrollBar>

WindowAccessibility::WindowAccessibility(Form1& form) : form_(form) {
    for (int i = 0; i < 4; ++i) {
        form.BlackTile(i)->setAccessibleName(QStringLiteral("Board centre"));
        form.PlayerOptions(i)->setAccessibleName(QStringLiteral("Options, player %1").arg(i + 1));
    }
    form.Start()->setAccessibleName(QStringLiteral("MENU"));
    form.Commandline()->setAccessibleName(QStringLiteral("Command line"));
    form.SpeedRange()->setAccessibleName(QStringLiteral("Pause between automatic moves"));
    form.MovesList()->setAccessibleName(form.Movesframe()->title());
    ThrowCountTable::install(form.DiceTFrame(), [&form](int face, int player) {
        return QString::fromStdString(
            ruvo::ScreenReaderText::ThrowCountCell(form.game().state(), face, player));
    });
}

void WindowAccessibility::name(QWidget* widget, const std::string& text) {
    const QString name = QString::fromStdString(text);
    if (widget->accessibleName() != name) {
        widget->setAccessibleName(name);
    }
}

void WindowAccessibility::show(const ruvo::GameState& state) {
    using ruvo::ScreenReaderText;
    for (int s = 0; s < ruvo::SquareTotal; ++s) {
        name(form_.Piece(s), ScreenReaderText::SquareName(state, s));
    }
    for (int marker : {ruvo::AmountMarker, ruvo::TargetMarker}) {
        name(form_.Piece(marker), ScreenReaderText::SquareName(state, marker));
    }
    for (int p = 0; p < 4; ++p) {
        name(form_.PlayerInfo(p), ScreenReaderText::PanelName(state, p));
    }
    for (int slot = 0; slot < 12; ++slot) {
        name(form_.DiceNumx(slot), ScreenReaderText::DieName(state, slot));
    }
    const QString pause = QString::fromStdString(ScreenReaderText::SpeedDescription(state));
    if (form_.SpeedRange()->accessibleDescription() != pause) {
        form_.SpeedRange()->setAccessibleDescription(pause);
    }
    ThrowCountTable::refresh(form_.DiceTFrame());
}
