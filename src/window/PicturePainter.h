// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The board's pictures, drawn as vector shapes so they stay crisp at any size and pixel ratio:
// the players' pieces, the final square, the person and computer pictures, the target marker,
// the die faces and the ornaments of the four centre tiles.
#include "game/GameState.h"

#include <QColor>
#include <QRectF>

class QPainter;

class PicturePainter {
public:
    // Draws a game picture into rect; Picture::Blank draws nothing.
    static void paint(QPainter& painter, const QRectF& rect, ruvo::Picture picture);
    // A die face showing pips 1..6; 0 draws the blank face of an unused die.
    static void paintDie(QPainter& painter, const QRectF& rect, int pips);
    // The ornament of centre tile 0..3 (top left, top right, bottom left, bottom right of the
    // Start cell): rings round the corner that touches the Start cell.
    static void paintCentreTile(QPainter& painter, const QRectF& rect, int corner);
    // The colour a player's pieces are drawn in.
    static QColor playerColor(int player);

private:
    static void paintPiece(QPainter& painter, const QRectF& rect, int player);
    static void paintStar(QPainter& painter, const QRectF& rect);
    static void paintHuman(QPainter& painter, const QRectF& rect);
    static void paintComputer(QPainter& painter, const QRectF& rect);
    static void paintTarget(QPainter& painter, const QRectF& rect);
};
