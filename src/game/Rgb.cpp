// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/Rgb.h"

namespace ruvo {

Rgb QBColor(int entry) {
    static const Rgb palette[16] = {
        MakeRgb(0, 0, 0),       MakeRgb(0, 0, 128),   MakeRgb(0, 128, 0),   MakeRgb(0, 128, 128),
        MakeRgb(128, 0, 0),     MakeRgb(128, 0, 128), MakeRgb(128, 128, 0), MakeRgb(192, 192, 192),
        MakeRgb(128, 128, 128), MakeRgb(0, 0, 255),   MakeRgb(0, 255, 0),   MakeRgb(0, 255, 255),
        MakeRgb(255, 0, 0),     MakeRgb(255, 0, 255), MakeRgb(255, 255, 0), MakeRgb(255, 255, 255)};
    return (entry >= 0 && entry < 16) ? palette[entry] : palette[0];
}

} // namespace ruvo
