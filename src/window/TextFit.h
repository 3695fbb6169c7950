// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Fonts that fit their place: the largest size, up to a given one, at which every text a control
// can show fits its width and height, so that no caption is ever cut at any window size.
#include <QFont>
#include <QStringList>

class TextFit {
public:
    // The smallest point size a fitted font comes down to.
    static constexpr double SmallestPoints = 5.0;

    // font at its size, or smaller, so that each of texts fits width x height pixels.
    static QFont fitted(QFont font, const QStringList& texts, int width, int height);
    // Whether every text fits width x height pixels in font.
    static bool fits(const QFont& font, const QStringList& texts, int width, int height);
};
