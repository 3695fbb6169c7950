// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/qt/WindowLayout.h"

#include <algorithm>
#include <cmath>

namespace {

int Round(double value) {
    return static_cast<int>(std::lround(value));
}

} // namespace

WindowLayout::WindowLayout(int screenWidth, int screenHeight, double twipsPerPixelY,
                           const Metrics& metrics,
                           const std::array<int16_t, ruvo::SquareTotal>& squareCol,
                           const std::array<int16_t, ruvo::SquareTotal>& squareRow) {
    windowWidth = Round(screenWidth * 0.85);
    windowHeight = Round(screenHeight * 0.85);
    tileSize = Round(windowHeight / 16.0);
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

    // The right-hand column: speed, moves log, throw counts.
    const int x0 = boardRight + 1;
    const int columnWidth = Round((windowWidth - x0 - 1) * 0.96);
    const int gap = 60;
    speedFrame = Rect{x0 + 48, 0, columnWidth, 0};
    speedRange = Rect{Round(columnWidth * 0.05), metrics.frameTitle + gap,
                      Round(columnWidth * 0.85), metrics.scrollBar};
    label2 =
        Rect{speedRange.left, speedRange.bottom() + gap / 2, metrics.labelWidth, metrics.textLine};
    label4 = Rect{speedRange.right() - metrics.labelWidth, label2.top, metrics.labelWidth,
                  metrics.textLine};
    label1 = Rect{label2.right(), label2.top, label4.left - label2.right(), metrics.textLine};
    speedFrame.height = label2.bottom() + gap * 2;

    movesFrame = Rect{speedFrame.left, speedFrame.bottom() + 24, columnWidth, 0};
    const int countsHeight = metrics.frameTitle + 7 * metrics.countLine + 2 * gap;
    diceTFrame = Rect{movesFrame.left, boardBottom - countsHeight, columnWidth, countsHeight};
    movesFrame.height = diceTFrame.top - movesFrame.top - 24;
    movesList = Rect{48, metrics.frameTitle, Round(movesFrame.width * 0.98),
                     Round(movesFrame.height * 0.94)};
    movesList.top = std::max(metrics.frameTitle / 2,
                             std::min(metrics.frameTitle, movesFrame.height - movesList.height));

    // The command line under the board; the throw counts reach down beside it.
    commandLine = Rect{24, boardBottom, windowWidth - 48, metrics.commandLine};
    windowHeight += Round(metrics.commandLine * twipsPerPixelY / 15.0);
    commandLine.width -= diceTFrame.width + 24;
    commandLine.width = std::min(commandLine.width, diceTFrame.left - 48 - commandLine.left);
    diceTFrame.height += metrics.commandLine;
    const int countsTop =
        metrics.frameTitle + (diceTFrame.height - metrics.frameTitle - 7 * metrics.countLine) / 2;
    for (int d = 0; d < 7; ++d) {
        diceCount[d] =
            Rect{Round((diceTFrame.width - metrics.countLineWidth) * 0.5),
                 countsTop + d * metrics.countLine, metrics.countLineWidth, metrics.countLine};
    }

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

    // Player panels, each inside its yard between the four yard squares.
    const int panelWidth = Round((square[77].left - square[76].left) / 1.3);
    const int panelHeight = Round((square[79].top - square[76].top) / 1.3 - T);
    const int dieTop = std::max(500, metrics.frameTitle + metrics.textLine + 45);
    const int dieSize = std::max(
        120, std::min((panelWidth - 240) / 3, panelHeight - dieTop - metrics.textLine / 2));
    const int diceHeadWidth = 3 * dieSize - 256;
    const int d = Round((panelWidth - diceHeadWidth) / 2.0 - 128);
    for (int p = 0; p < 4; ++p) {
        const Rect& y = square[ruvo::YardSquare(p, 0)];
        playerInfo[p] = Rect{y.left + T, Round(y.top + T * 1.6), panelWidth, panelHeight};
        diceHead[p] =
            Rect{d - 48, dieTop - metrics.textLine - 15, diceHeadWidth + 48, metrics.textLine};
        for (int i = 0; i < 3; ++i) {
            dice[3 * p + i] = Rect{d + i * dieSize, dieTop, dieSize, dieSize};
        }
        playerOptions[p] = Rect{playerInfo[p].left + panelWidth / 8, playerInfo[p].bottom() + T,
                                Round(panelWidth * 0.75), metrics.optionsHeight};
        playerTypePicture[p] = Rect{playerOptions[p].left + panelWidth / 5, y.top, T, T};
    }
}
