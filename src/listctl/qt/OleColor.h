// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPalette>
#include <QtGlobal>

// Colours as the list control stores and persists them: a 32-bit value holding red in the low
// byte, then green and blue, or, with the top bit set, the index of a system colour that is
// taken from the widget palette when the colour is drawn.
class OleColor {
public:
    static constexpr qint32 SystemWindowText = static_cast<qint32>(0x80000008u);
    static constexpr qint32 SystemButtonFace = static_cast<qint32>(0x8000000Fu);

    // The colour to draw for a stored value.
    static QColor toColor(qint32 value, const QPalette& palette);
    // The stored value of a colour (red + 256 green + 65536 blue).
    static qint32 fromColor(const QColor& color);
};
