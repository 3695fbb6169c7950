// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Colours as the game stores them: red + green * 256 + blue * 65536, or a system colour.
#include <cstdint>

namespace ruvo {

using Rgb = int32_t;

constexpr Rgb MakeRgb(int red, int green, int blue) {
    return red + green * 256 + blue * 65536;
}

// The system's button-face colour, the background of an ordinary square.
inline constexpr Rgb SquareBackColor = static_cast<Rgb>(0x8000000F);

constexpr bool IsSystemColor(Rgb color) {
    return color < 0;
}
constexpr int RedOf(Rgb color) {
    return color & 0xFF;
}
constexpr int GreenOf(Rgb color) {
    return (color >> 8) & 0xFF;
}
constexpr int BlueOf(Rgb color) {
    return (color >> 16) & 0xFF;
}

// The 16-colour palette: 0 black, 1 blue, 2 green, 3 cyan, 4 red, 5 magenta, 6 yellow,
// 7 white, 8 grey, 9..15 the light forms of 1..7.
Rgb QBColor(int entry);

// Player colours on the board: dark blue, green, yellow, red.
inline constexpr Rgb FixedPlayerColor[4] = {MakeRgb(0, 0, 155), MakeRgb(0, 155, 0),
                                            MakeRgb(195, 195, 20), MakeRgb(200, 0, 0)};

} // namespace ruvo
