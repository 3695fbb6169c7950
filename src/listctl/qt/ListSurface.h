// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

// The visible surface of the list control. What is drawn on it is kept in a canvas image that
// stays until it is drawn over, so that a row marked by inverting it can be restored by
// inverting it again. The canvas covers the surface inside its frame, at the screen's device
// pixel ratio; a new size or pixel ratio starts a blank canvas and says so with canvasReset().
class ListSurface : public QWidget {
    Q_OBJECT

public:
    explicit ListSurface(QWidget* parent = nullptr);

    // The canvas, sized to the surface inside its frame, in logical pixels.
    QImage& canvas();
    // The part of the surface the canvas covers, in the surface's coordinates.
    QRect canvasRect() const;
    QPointF toCanvas(QPointF surfacePoint) const;

    // A frame of one pixel around the canvas.
    void setFramed(bool framed);
    bool framed() const { return m_framed; }
    // The colour of a blank canvas.
    void setBackground(const QColor& color);

signals:
    // The surface is about to show its canvas: drawing that is still pending goes onto it now.
    void aboutToPaint();
    // The canvas was started blank.
    void canvasReset();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void ensureCanvas();

    QImage m_canvas;
    QColor m_background;
    bool m_framed = true;
};
