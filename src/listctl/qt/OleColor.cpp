// SPDX-License-Identifier: GPL-3.0-or-later
#include "listctl/qt/OleColor.h"

namespace {

QPalette::ColorRole roleOfSystemColor(int index) {
    switch (index) {
    case 4:
        return QPalette::Window;
    case 5:
        return QPalette::Base;
    case 6:
    case 21:
        return QPalette::Shadow;
    case 7:
    case 8:
        return QPalette::Text;
    case 13:
        return QPalette::Highlight;
    case 14:
        return QPalette::HighlightedText;
    case 15:
        return QPalette::Button;
    case 16:
        return QPalette::Dark;
    case 17:
        return QPalette::PlaceholderText;
    case 18:
        return QPalette::ButtonText;
    case 20:
        return QPalette::Light;
    case 22:
        return QPalette::Midlight;
    case 23:
        return QPalette::ToolTipText;
    case 24:
        return QPalette::ToolTipBase;
    default:
        return index % 2 == 0 ? QPalette::Window : QPalette::WindowText;
    }
}

} // namespace

QColor OleColor::toColor(qint32 value, const QPalette& palette) {
    const auto bits = static_cast<quint32>(value);
    if (bits & 0x80000000u)
        return palette.color(QPalette::Active, roleOfSystemColor(static_cast<int>(bits & 0xFFu)));
    return QColor(static_cast<int>(bits & 0xFFu), static_cast<int>((bits >> 8) & 0xFFu),
                  static_cast<int>((bits >> 16) & 0xFFu));
}

qint32 OleColor::fromColor(const QColor& color) {
    const QColor rgb = color.toRgb();
    return rgb.red() | (rgb.green() << 8) | (rgb.blue() << 16);
}
