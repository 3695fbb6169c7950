// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// WindowAccessibility -- the main window's names for assistive technology: the board squares
// and the preview markers, the player panels, the dice, the speed slider and the throw counts,
// kept up to date from the game's record each time the window shows it.
#include "game/GameState.h"

#include <QString>

class Form1;
class QWidget;

class WindowAccessibility {
public:
    // Names the controls that never change their name and reads the throw counts as a table.
    explicit WindowAccessibility(Form1& form);

    // Brings every changing name up to date with the record.
    void show(const ruvo::GameState& state);

private:
    static void name(QWidget* widget, const std::string& text);

    Form1& form_;
};
