// SPDX-License-Identifier: GPL-3.0-or-later
#include "listctl/qt/ListSurface.h"

#include "listctl/qt/ListAccessible.h"

#include <QPainter>

ListSurface::ListSurface(QWidget* parent) : QWidget(parent), m_background(Qt::white) {
    ListAccessible::install();
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
}

QImage& ListSurface::canvas() {
    ensureCanvas();
    return m_canvas;
}

QRect ListSurface::canvasRect() const {
    const int frame = m_framed ? 1 : 0;
    return rect().adjusted(frame, frame, -frame, -frame);
}

QPointF ListSurface::toCanvas(QPointF surfacePoint) const {
    return surfacePoint - canvasRect().topLeft();
}

void ListSurface::setFramed(bool framed) {
    if (framed == m_framed)
        return;
    m_framed = framed;
    ensureCanvas();
    update();
}

void ListSurface::setBackground(const QColor& color) {
    m_background = color;
}

void ListSurface::paintEvent(QPaintEvent*) {
    emit aboutToPaint();
    QPainter painter(this);
    if (m_framed) {
        painter.setPen(palette().color(QPalette::Dark));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    painter.drawImage(canvasRect().topLeft(), canvas());
}

void ListSurface::resizeEvent(QResizeEvent*) {
    ensureCanvas();
}

void ListSurface::ensureCanvas() {
    const qreal ratio = devicePixelRatioF();
    const QSize logical = canvasRect().size().expandedTo(QSize(1, 1));
    const QSize device = (QSizeF(logical) * ratio).toSize();
    if (m_canvas.size() == device && qFuzzyCompare(m_canvas.devicePixelRatio(), ratio))
        return;
    m_canvas = QImage(device, QImage::Format_RGB32);
    m_canvas.setDevicePixelRatio(ratio);
    m_canvas.fill(m_background);
    emit canvasReset();
}
