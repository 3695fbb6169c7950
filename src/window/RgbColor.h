// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Colours between the game's numbers (red + green * 256 + blue * 65536, or a system colour) and
// Qt's colours.
#include "game/Rgb.h"

#include <QColor>
#include <QPalette>

class RgbColor {
public:
    // The colour a game number stands for; system colours come from the palette (the
    // button-face colour is the palette's button colour).
    static QColor toQColor(ruvo::Rgb rgb, const QPalette& palette);
    static ruvo::Rgb fromQColor(const QColor& color);
    // An entry of the 16-colour palette.
    static QColor paletteEntry(int entry);
};
