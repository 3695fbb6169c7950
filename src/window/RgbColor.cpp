// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/RgbColor.h"

QColor RgbColor::toQColor(ruvo::Rgb rgb, const QPalette& palette) {
    if (ruvo::IsSystemColor(rgb)) {
        switch (rgb & 0xFF) {
        case 0x05: // window background
            return palette.color(QPalette::Base);
        case 0x08: // window text
            return palette.color(QPalette::Text);
        default: // 0x0F, the button face, and the rest
            return palette.color(QPalette::Button);
        }
    }
    return QColor(ruvo::RedOf(rgb), ruvo::GreenOf(rgb), ruvo::BlueOf(rgb));
}

ruvo::Rgb RgbColor::fromQColor(const QColor& color) {
    return ruvo::MakeRgb(color.red(), color.green(), color.blue());
}

QColor RgbColor::paletteEntry(int entry) {
    const ruvo::Rgb rgb = ruvo::QBColor(entry);
    return QColor(ruvo::RedOf(rgb), ruvo::GreenOf(rgb), ruvo::BlueOf(rgb));
}
