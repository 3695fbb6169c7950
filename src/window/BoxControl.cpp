// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/BoxControl.h"

#include "window/BoxControlAccessible.h"
#include "window/PicturePainter.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

BoxControl::BoxControl(int index, QWidget* parent)
    : QWidget(parent), index_(index), backColor_(palette().color(QPalette::Button)) {
    BoxControlAccessible::install();
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BoxControl::setKeyboardButton(bool button) {
    keyboardButton_ = button;
    // Tab reaches it; a mouse click leaves the keyboard focus where it was (the command line).
    setFocusPolicy(button ? Qt::TabFocus : Qt::NoFocus);
}

void BoxControl::press() {
    emit MouseUp(1);
    emit Click();
}

void BoxControl::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (keyboardButton_ && event->modifiers() == Qt::NoModifier &&
        (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)) {
        event->accept();
        press();
        return;
    }
    QWidget::keyPressEvent(event);
}

void BoxControl::focusInEvent(QFocusEvent* event) {
    update();
    QWidget::focusInEvent(event);
}

void BoxControl::focusOutEvent(QFocusEvent* event) {
    update();
    QWidget::focusOutEvent(event);
}

void BoxControl::setbackcolor(const QColor& color) {
    if (color != backColor_) {
        backColor_ = color;
        update();
    }
}

void BoxControl::setforecolor(const QColor& color) {
    if (color != foreColor_) {
        foreColor_ = color;
        update();
    }
}

void BoxControl::setcaption(const QString& caption) {
    if (caption != caption_) {
        caption_ = caption;
        update();
    }
}

void BoxControl::setpicture(ruvo::Picture picture) {
    if (picture != picture_) {
        picture_ = picture;
        update();
    }
}

void BoxControl::setfontbold(bool bold) {
    if (bold != fontBold_) {
        fontBold_ = bold;
        update();
    }
}

void BoxControl::setCentreTile(int corner) {
    if (corner != centreTile_) {
        centreTile_ = corner;
        update();
    }
}

QFont BoxControl::captionFont() const {
    QFont font = this->font();
    font.setBold(fontBold_);
    // A quarter of a square box; on a low wide button, half its height. Smaller where the
    // caption would not fit across it.
    int pixels = std::max(6, qRound(std::min(width() * 0.27, height() * 0.55)));
    const QString text = caption_.trimmed();
    font.setPixelSize(pixels);
    while (pixels > 6 && QFontMetrics(font).horizontalAdvance(text) > width() - 4) {
        font.setPixelSize(--pixels);
    }
    return font;
}

void BoxControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRectF box = rect();
    painter.fillRect(box, backColor_);

    const QRectF inside = box.adjusted(1, 1, -1, -1);
    if (centreTile_ >= 0) {
        PicturePainter::paintCentreTile(painter, inside, centreTile_);
    }
    PicturePainter::paint(painter, inside, picture_);

    const QString text = caption_.trimmed();
    if (!text.isEmpty()) {
        const QFont font = captionFont();
        painter.setFont(font);
        // With a picture the caption sits low, on the piece's base, outlined so that it reads
        // on the piece and on the square alike; alone it is centred.
        if (picture_ != ruvo::Picture::Blank) {
            const QFontMetricsF metrics(font);
            const QRectF band(box.left(), box.top() + box.height() * 0.52, box.width(),
                              box.height() * 0.42);
            const QPointF origin(band.center().x() - metrics.horizontalAdvance(text) / 2,
                                 band.center().y() + (metrics.ascent() - metrics.descent()) / 2);
            QPainterPath outline;
            outline.addText(origin, font, text);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.strokePath(outline,
                               QPen(QColor(0, 0, 0, 170), std::max(2.0, font.pixelSize() * 0.22),
                                    Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            painter.fillPath(outline, foreColor_);
            painter.setRenderHint(QPainter::Antialiasing, false);
        } else {
            painter.setPen(foreColor_);
            painter.drawText(box, Qt::AlignCenter | Qt::TextSingleLine, text);
        }
    }

    // A raised border: light on the top and left, dark on the bottom and right. Filled, so
    // that on a scaled screen each edge covers its whole row of pixels, the last ones too.
    const QColor light(255, 255, 255, 150);
    const QColor dark(0, 0, 0, 120);
    painter.fillRect(QRectF(0, 0, width(), 1), light);
    painter.fillRect(QRectF(0, 1, 1, height() - 1), light);
    painter.fillRect(QRectF(0, height() - 1, width(), 1), dark);
    painter.fillRect(QRectF(width() - 1, 0, 1, height() - 1), dark);

    // The focus mark: a dashed frame, black over white so that it shows on every colour.
    if (hasFocus()) {
        const QRect mark = rect().adjusted(2, 2, -3, -3);
        painter.setPen(QPen(Qt::white, 3));
        painter.drawRect(mark);
        painter.setPen(QPen(Qt::black, 2, Qt::DashLine));
        painter.drawRect(mark);
    }
}

void BoxControl::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        leftPressed_ = true;
    }
    event->accept();
}

void BoxControl::mouseReleaseEvent(QMouseEvent* event) {
    int button = 0;
    switch (event->button()) {
    case Qt::LeftButton:
        button = 1;
        break;
    case Qt::RightButton:
        button = 2;
        break;
    case Qt::MiddleButton:
        button = 4;
        break;
    default:
        break;
    }
    event->accept();
    const bool click = button == 1 && leftPressed_ && rect().contains(event->position().toPoint());
    if (button == 1) {
        leftPressed_ = false;
    }
    if (button != 0) {
        emit MouseUp(button);
    }
    if (click) {
        emit Click();
    }
}

void BoxControl::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    emit MouseMove();
}
