// SPDX-License-Identifier: GPL-3.0-or-later
#include "listctl/qt/RowComposer.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace {

// Where the text of a row begins when the row has no picture, in twips.
constexpr int TextLeftTwips = 48;
// Where a row's picture begins, and how far the text begins beyond the row height with one.
constexpr int PictureLeftTwips = 24;
constexpr int TextAfterPictureTwips = 96;
// How far above its row a mark box reaches, in twips.
constexpr int MarkOverlapTwips = 24;
// How far above the bottom of its row a grid line lies, in pixels.
constexpr int GridLineRisePixels = 2;

} // namespace

void RowComposer::setScale(double twipsPerPixelX, double twipsPerPixelY) {
    m_tppX = twipsPerPixelX;
    m_tppY = twipsPerPixelY;
    setRowHeight(m_rowTwips);
}

void RowComposer::setRowHeight(int twips) {
    m_rowTwips = twips;
    m_rowPixels = std::max(1, toPixelsY(twips));
}

void RowComposer::setGrid(bool shown, const QColor& color) {
    m_gridShown = shown;
    m_gridColor = color;
}

void RowComposer::setPictures(const QList<QPixmap>& pictures, bool shown) {
    m_pictures = pictures;
    m_picturesShown = shown;
}

void RowComposer::clear(QImage& canvas) const {
    canvas.fill(m_background);
}

int RowComposer::compose(QImage& canvas, int k, const QString& text, const QString& fontName,
                         const QColor& color, int picture) {
    const int y = k * m_rowPixels;
    int left = toPixelsX(TextLeftTwips);
    if (m_picturesShown) {
        paintPicture(canvas, y, picture);
        left = toPixelsX(m_rowTwips + TextAfterPictureTwips);
    }

    QFont font(fontName);
    font.setPointSizeF(m_fontSize);
    const QFontMetrics metrics(font);
    QImage& rowBuffer = buffer(canvas);
    rowBuffer.fill(m_background);
    {
        QPainter painter(&rowBuffer);
        painter.setFont(font);
        painter.setPen(color);
        painter.drawText(QPointF(0, metrics.ascent()), text);
    }

    QPainter painter(&canvas);
    painter.drawImage(QPoint(left, y + (m_rowPixels - metrics.height()) / 2), rowBuffer);
    if (m_gridShown) {
        const int lineY = (k + 1) * m_rowPixels - GridLineRisePixels;
        const qreal ratio = canvas.devicePixelRatio();
        painter.setCompositionMode(QPainter::RasterOp_SourceOrNotDestination);
        painter.fillRect(QRectF(0, lineY, canvas.width() / ratio, 1), m_gridColor);
    }
    return metrics.horizontalAdvance(text);
}

void RowComposer::mark(QImage& canvas, int k, bool invert) const {
    const qreal ratio = canvas.devicePixelRatio();
    const int top = k * m_rowPixels - toPixelsY(MarkOverlapTwips);
    const QRectF box(0, top, canvas.width() / ratio, (k + 1) * m_rowPixels - top);
    QPainter painter(&canvas);
    if (invert)
        painter.setCompositionMode(QPainter::RasterOp_NotDestination);
    painter.fillRect(box, m_background);
}

void RowComposer::paintPicture(QImage& canvas, int y, int picture) const {
    if (picture < 1 || picture > m_pictures.size())
        return;
    const QPixmap& pixmap = m_pictures.at(picture - 1);
    if (pixmap.isNull())
        return;
    const QSizeF size = pixmap.deviceIndependentSize();
    const qreal ratio = pixmap.devicePixelRatio();
    // The part of the picture that fits a box a little wider and lower than the row.
    const QRectF box(0, 0, std::min<qreal>(size.width(), toPixelsX(m_rowTwips + 20)),
                     std::min<qreal>(size.height(), toPixelsY(m_rowTwips - 40)));
    if (box.isEmpty())
        return;
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_RGB32);
    QPainter painter(&canvas);
    painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    const QPointF at(toPixelsX(PictureLeftTwips), y + (m_rowPixels - size.height()) / 2);
    painter.drawImage(QRectF(at, box.size()), image,
                      QRectF(box.topLeft() * ratio, box.size() * ratio));
}

QImage& RowComposer::buffer(const QImage& canvas) {
    const qreal ratio = canvas.devicePixelRatio();
    const QSize device(canvas.width(), qRound(m_rowPixels * ratio));
    if (m_buffer.size() != device || !qFuzzyCompare(m_buffer.devicePixelRatio(), ratio)) {
        m_buffer = QImage(device, QImage::Format_RGB32);
        m_buffer.setDevicePixelRatio(ratio);
    }
    return m_buffer;
}
