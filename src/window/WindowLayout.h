// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where every control of the main window goes, worked out in twips (1/1440 inch) from the size
// of the window's inside and the board grid of the settings file: the window and its tile size, the
// squares with the yard squares spread inside their blocks, the centre tiles and the Start cell,
// the painted yard areas, the right-hand column, the command line and the player panels.
#include "rules/BoardGeometry.h"

#include <array>
#include <cstdint>

class WindowLayout {
public:
    struct Rect {
        int left = 0;
        int top = 0;
        int width = 0;
        int height = 0;
        int right() const { return left + width; }
        int bottom() const { return top + height; }
    };

    // Sizes that come from the window's fonts and widgets, in twips.
    struct Metrics {
        int frameTitle = 300; // the caption strip at the top of a frame
        int textLine = 240;   // a line of label text
        int labelWidth = 700; // the wider of the speed frame's end labels
        int countLine = 240;  // a throw-count line
        int countLineWidth = 2400;
        int commandLine = 330;    // the command line
        int scrollBar = 255;      // the speed scroll bar
        int optionsHeight = 330;  // a player's options button
        int columnMinimum = 3000; // the narrowest right-hand column that shows all its texts
        int headWidth = 700;      // a player's dice label, "move by"
    };

    // The tile size of a window whose inside is width x height twips.
    static int TileSizeFor(int width, int height, const Metrics& metrics);
    // The inside of the smallest window, whose tile is minimumTile twips.
    static Rect MinimumInside(int minimumTile, const Metrics& metrics);

    // width, height: the window's inside in twips; squareCol, squareRow: the grid cell (1..15) of
    // each board square.
    WindowLayout(int width, int height, const Metrics& metrics,
                 const std::array<int16_t, ruvo::SquareTotal>& squareCol,
                 const std::array<int16_t, ruvo::SquareTotal>& squareRow);

    int windowWidth = 0; // the window's inside
    int windowHeight = 0;
    int tileSize = 0;
    int boardRight = 0;  // right edge of square 24
    int boardBottom = 0; // bottom edge of square 37

    std::array<Rect, ruvo::SquareTotal> square{};
    std::array<Rect, 4> blackTile{};
    Rect start;
    std::array<Rect, 4> yard{}; // the painted yard areas

    // The right-hand column; controls inside a frame are relative to the frame.
    Rect speedFrame, speedRange, label2, label4, label1;
    Rect movesFrame, movesList; // movesList.height is the log's list height
    Rect diceTFrame;
    std::array<Rect, 7> diceCount{};
    Rect commandLine;

    // The player panels; DiceHead and the dice are relative to their panel.
    std::array<Rect, 4> playerInfo{}, diceHead{}, playerOptions{}, playerTypePicture{};
    std::array<Rect, 12> dice{};
};
