// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QList>
#include <QPixmap>
#include <QString>

// Draws the rows of the list control onto its canvas. A row is composed in an off-screen buffer
// one row high and as wide as the canvas, then copied onto the canvas in one block, so the
// canvas never shows half a row. Lengths are kept in twips, as the control's interface gives
// them, and converted to pixels with the screen's twips per pixel.
class RowComposer {
public:
    // Twips per pixel across and down.
    void setScale(double twipsPerPixelX, double twipsPerPixelY);
    double twipsPerPixelX() const { return m_tppX; }
    double twipsPerPixelY() const { return m_tppY; }

    // The row height in twips; rows are a whole number of pixels high.
    void setRowHeight(int twips);
    int rowPixels() const { return m_rowPixels; }

    void setBackground(const QColor& color) { m_background = color; }
    void setFontSize(double points) { m_fontSize = points; }
    void setGrid(bool shown, const QColor& color);
    // The picture list (first picture at index 1), drawn at the left of each row when shown.
    void setPictures(const QList<QPixmap>& pictures, bool shown);

    // Fills the canvas with the background colour.
    void clear(QImage& canvas) const;
    // Draws a row at page position k (from 0) and returns the width of its text in pixels.
    int compose(QImage& canvas, int k, const QString& text, const QString& fontName,
                const QColor& color, int picture);
    // Marks page position k with a box as wide as the canvas: inverted, or in the background
    // colour when invert is false.
    void mark(QImage& canvas, int k, bool invert) const;

private:
    int toPixelsX(double twips) const { return qRound(twips / m_tppX); }
    int toPixelsY(double twips) const { return qRound(twips / m_tppY); }
    void paintPicture(QImage& canvas, int y, int picture) const;
    QImage& buffer(const QImage& canvas);

    double m_tppX = 15.0;
    double m_tppY = 15.0;
    int m_rowTwips = 0;
    int m_rowPixels = 1;
    QColor m_background = Qt::white;
    double m_fontSize = 9.0;
    bool m_gridShown = false;
    QColor m_gridColor = Qt::black;
    QList<QPixmap> m_pictures;
    bool m_picturesShown = false;
    QImage m_buffer;
};
