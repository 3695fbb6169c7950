// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeyEvent>
#include <Qt>

// The key codes, shift states and button numbers that the list control reports in its events:
// Windows virtual key codes (13 Enter, 27 Esc, 35 End, 36 Home, 38 Up, 40 Down, 65 for A ...),
// shift state 1 Shift + 2 Ctrl + 4 Alt, button 1 left + 2 right + 4 middle.
class InputCodes {
public:
    enum Key {
        KeyBack = 8,
        KeyTab = 9,
        KeyReturn = 13,
        KeyEscape = 27,
        KeySpace = 32,
        KeyPageUp = 33,
        KeyPageDown = 34,
        KeyEnd = 35,
        KeyHome = 36,
        KeyLeft = 37,
        KeyUp = 38,
        KeyRight = 39,
        KeyDown = 40,
        KeyF4 = 115
    };

    // The virtual key code of a key event, 0 for keys without one.
    static int keyCode(const QKeyEvent& event);
    // The character code a key event types, 0 when it types none.
    static int keyAscii(const QKeyEvent& event);
    static int shiftState(Qt::KeyboardModifiers modifiers);
    // The number of one button (for a release) or of the buttons held (for a move).
    static int buttons(Qt::MouseButtons buttons);
};
