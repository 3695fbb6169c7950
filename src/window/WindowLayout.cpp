// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/WindowLayout.h"

#include <algorithm>
#include <cmath>

namespace {

int Round(double value) {
    return static_cast<int>(std::lround(value));
}

// The margin between the board, the right-hand column and the window's edge.
constexpr int Margin = 48;

} // namespace

int WindowLayout::TileSizeFor(int width, int height, const Metrics& metrics) {
    const int byHeight = (height - metrics.commandLine) / 15;
    const int byWidth = (width - metrics.columnMinimum - 3 * Margin) / 15;
    return std::max(1, std::min(byHeight, byWidth));
}

WindowLayout::Rect WindowLayout::MinimumInside(int minimumTile, const Metrics& metrics) {
    return Rect{0, 0, 15 * minimumTile + metrics.columnMinimum + 3 * Margin,
                15 * minimumTile + metrics.commandLine};
}

WindowLayout::WindowLayout(int width, int height, const Metrics& metrics,
                           const std::array<int16_t, ruvo::SquareTotal>& squareCol,
                           const std::array<int16_t, ruvo::SquareTotal>& squareRow) {
    windowWidth = width;
    windowHeight = height;
    tileSize = TileSizeFor(width, height, metrics);
    const int T = tileSize;

    for (int s = 0; s < ruvo::SquareTotal; ++s) {
        square[s] = Rect{(squareCol[s] - 1) * T, (squareRow[s] - 1) * T, T, T};
    }
    boardRight = square[24].right();
    boardBottom = square[37].bottom();

    blackTile[0] = Rect{square[6].left, square[5].top, T, T};
    blackTile[1] = Rect{square[18].left, square[5].top, T, T};
    blackTile[2] = Rect{square[6].left, square[45].top, T, T};
    blackTile[3] = Rect{square[18].left, square[45].top, T, T};
    start = Rect{square[63].left, square[57].top, T, T};

    auto corners = [](int x1, int y1, int x2, int y2) { return Rect{x1, y1, x2 - x1, y2 - y1}; };
    yard[0] = corners(0, 0, square[6].left, square[5].top);
    yard[1] = corners(square[19].left, 0, boardRight, square[24].top);
    yard[2] = corners(square[19].left, square[32].top, boardRight, square[37].bottom());
    yard[3] = corners(0, square[44].top, square[6].left, square[37].bottom());

    // The right-hand column: speed, moves log, throw counts, all the rest of the width.
    const int x0 = boardRight + 1;
    const int columnWidth = std::max(0, windowWidth - x0 - 2 * Margin);
    const int gap = 60;
    speedFrame = Rect{x0 + Margin, 0, columnWidth, 0};
    speedRange = Rect{Round(columnWidth * 0.05), metrics.frameTitle + gap, Round(columnWidth * 0.9),
                      metrics.scrollBar};
    label2 =
        Rect{speedRange.left, speedRange.bottom() + gap / 2, metrics.labelWidth, metrics.textLine};
    label4 = Rect{speedRange.right() - metrics.labelWidth, label2.top, metrics.labelWidth,
                  metrics.textLine};
    label1 = Rect{label2.right(), label2.top, label4.left - label2.right(), metrics.textLine};
    speedFrame.height = label2.bottom() + gap * 2;

    // The command line under the board; the throw counts reach down beside it.
    const int countsHeight = metrics.frameTitle + 7 * metrics.countLine + 2 * gap;
    diceTFrame = Rect{speedFrame.left, boardBottom - countsHeight, columnWidth,
                      countsHeight + metrics.commandLine};
    commandLine =
        Rect{24, boardBottom, std::max(0, diceTFrame.left - 48 - 24), metrics.commandLine};
    const int countsTop =
        metrics.frameTitle + (diceTFrame.height - metrics.frameTitle - 7 * metrics.countLine) / 2;
    for (int d = 0; d < 7; ++d) {
        diceCount[d] =
            Rect{std::max(0, Round((diceTFrame.width - metrics.countLineWidth) * 0.5)),
                 countsTop + d * metrics.countLine, metrics.countLineWidth, metrics.countLine};
    }

    movesFrame = Rect{speedFrame.left, speedFrame.bottom() + 24, columnWidth, 0};
    movesFrame.height = std::max(0, diceTFrame.top - movesFrame.top - 24);
    // The list under the frame's caption, never over it, however low the frame.
    movesList = Rect{48, metrics.frameTitle, Round(movesFrame.width * 0.98) - 48,
                     std::max(0, std::min(Round(movesFrame.height * 0.94),
                                          movesFrame.height - metrics.frameTitle - gap / 2))};

    // Yard squares spread inside their block: up-left, up-right, down-right, down-left.
    const int half = Round(T * 0.5);
    for (int p = 0; p < 4; ++p) {
        static const int dx[4] = {-1, 1, 1, -1};
        static const int dy[4] = {-1, -1, 1, 1};
        for (int k = 0; k < 4; ++k) {
            Rect& r = square[ruvo::YardSquare(p, k)];
            r.left += dx[k] * half;
            r.top += dy[k] * half;
        }
    }

    // Player panels, each inside its yard across the block, between its two rows of yard
    // squares; the options button and the type picture keep to the gaps between the squares.
    const int narrow = Round((square[77].left - square[76].left) / 1.3);
    const int inset = Round(T * 0.15);
    const int panelWidth = square[77].right() - square[76].left - 2 * inset;
    const int panelHeight = Round((square[79].top - square[76].top) / 1.3 - T);
    const int m = gap;
    // The dice label above the dice, or beside them: whichever leaves the larger dice.
    const int dieAbove =
        std::min((panelWidth - 2 * m) / 3, panelHeight - metrics.frameTitle - metrics.textLine - m);
    const int dieBeside = std::min((panelWidth - metrics.headWidth - 3 * m) / 3,
                                   panelHeight - metrics.frameTitle - m);
    const bool above = dieAbove >= dieBeside;
    const int dieSize = std::max(0, above ? dieAbove : dieBeside);
    for (int p = 0; p < 4; ++p) {
        const Rect& y = square[ruvo::YardSquare(p, 0)];
        playerInfo[p] = Rect{y.left + inset, Round(y.top + T * 1.6), panelWidth, panelHeight};
        int diceLeft = 0;
        int diceTop = 0;
        if (above) {
            diceLeft = (panelWidth - 3 * dieSize) / 2;
            diceTop = metrics.frameTitle + metrics.textLine;
            diceHead[p] =
                Rect{diceLeft, metrics.frameTitle, panelWidth - diceLeft - m, metrics.textLine};
        } else {
            const int group = metrics.headWidth + m + 3 * dieSize;
            const int left = std::max(m, (panelWidth - group) / 2);
            diceTop = metrics.frameTitle +
                      std::max(0, (panelHeight - metrics.frameTitle - m - dieSize) / 2);
            diceHead[p] = Rect{left, diceTop + (dieSize - metrics.textLine) / 2, metrics.headWidth,
                               metrics.textLine};
            diceLeft = left + metrics.headWidth + m;
        }
        for (int i = 0; i < 3; ++i) {
            dice[3 * p + i] = Rect{diceLeft + i * dieSize, diceTop, dieSize, dieSize};
        }
        const int narrowLeft = y.left + T;
        playerOptions[p] =
            Rect{narrowLeft + narrow / 8, playerInfo[p].bottom() + T, Round(narrow * 0.75),
                 std::max(metrics.optionsHeight, Round(T * 0.45))};
        playerTypePicture[p] = Rect{playerOptions[p].left + narrow / 5, y.top, T, T};
    }
}
