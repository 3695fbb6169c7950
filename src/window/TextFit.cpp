// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/TextFit.h"

#include <QFontMetrics>

bool TextFit::fits(const QFont& font, const QStringList& texts, int width, int height) {
    const QFontMetrics metrics(font);
    if (metrics.height() > height) {
        return false;
    }
    for (const QString& text : texts) {
        if (metrics.horizontalAdvance(text) > width) {
            return false;
        }
    }
    return true;
}

QFont TextFit::fitted(QFont font, const QStringList& texts, int width, int height) {
    double points = font.pointSizeF() > 0 ? font.pointSizeF() : 9.0;
    font.setPointSizeF(points);
    while (points > SmallestPoints && !fits(font, texts, width, height)) {
        points = std::max(SmallestPoints, points - 0.5);
        font.setPointSizeF(points);
    }
    return font;
}
