// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/PicturePainter.h"

#include "game/Rgb.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// The largest square centred in rect, shrunk by margin (a fraction of its side).
QRectF CentredSquare(const QRectF& rect, double margin) {
    const double side = std::min(rect.width(), rect.height());
    const double inner = side * (1.0 - 2.0 * margin);
    return QRectF(rect.center().x() - inner / 2, rect.center().y() - inner / 2, inner, inner);
}

// A point of the unit square mapped into box.
QPointF At(const QRectF& box, double x, double y) {
    return QPointF(box.left() + x * box.width(), box.top() + y * box.height());
}

QRectF Part(const QRectF& box, double x1, double y1, double x2, double y2) {
    return QRectF(At(box, x1, y1), At(box, x2, y2));
}

} // namespace

QColor PicturePainter::playerColor(int player) {
    const ruvo::Rgb rgb = ruvo::FixedPlayerColor[std::clamp(player, 0, 3)];
    return QColor(ruvo::RedOf(rgb), ruvo::GreenOf(rgb), ruvo::BlueOf(rgb));
}

void PicturePainter::paint(QPainter& painter, const QRectF& rect, ruvo::Picture picture) {
    using ruvo::Picture;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    switch (picture) {
    case Picture::Piece0:
    case Picture::Piece1:
    case Picture::Piece2:
    case Picture::Piece3:
        paintPiece(painter, rect, static_cast<int>(picture) - static_cast<int>(Picture::Piece0));
        break;
    case Picture::WonPos:
        paintStar(painter, rect);
        break;
    case Picture::Human:
        paintHuman(painter, rect);
        break;
    case Picture::Computer:
        paintComputer(painter, rect);
        break;
    case Picture::Target:
        paintTarget(painter, rect);
        break;
    case Picture::Blank:
        break;
    }
    painter.restore();
}

void PicturePainter::paintPiece(QPainter& painter, const QRectF& rect, int player) {
    const QRectF box = CentredSquare(rect, 0.06);
    const double s = box.width();
    const QColor colour = playerColor(player);

    // A soft shadow under the base.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 55));
    painter.drawEllipse(Part(box, 0.17, 0.83, 0.87, 0.97));

    QPainterPath body;
    body.moveTo(At(box, 0.28, 0.84));
    body.cubicTo(At(box, 0.30, 0.66), At(box, 0.40, 0.58), At(box, 0.42, 0.46));
    body.lineTo(At(box, 0.58, 0.46));
    body.cubicTo(At(box, 0.60, 0.58), At(box, 0.70, 0.66), At(box, 0.72, 0.84));
    body.closeSubpath();
    QPainterPath shape;
    shape.addEllipse(Part(box, 0.16, 0.76, 0.84, 0.93));
    shape = shape.united(body);
    QPainterPath collar;
    collar.addEllipse(Part(box, 0.32, 0.42, 0.68, 0.52));
    shape = shape.united(collar);
    QPainterPath head;
    head.addEllipse(QRectF(At(box, 0.5 - 0.165, 0.285 - 0.165), QSizeF(0.33 * s, 0.33 * s)));
    shape = shape.united(head).simplified();

    QLinearGradient fill(At(box, 0.2, 0.1), At(box, 0.85, 0.95));
    fill.setColorAt(0.0, colour.lighter(175));
    fill.setColorAt(0.45, colour);
    fill.setColorAt(1.0, colour.darker(150));
    painter.setBrush(fill);
    painter.setPen(QPen(QColor(255, 255, 255, 235), std::max(1.0, s * 0.045)));
    painter.drawPath(shape);

    // A highlight on the head.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 120));
    painter.drawEllipse(Part(box, 0.41, 0.18, 0.50, 0.26));
}

void PicturePainter::paintStar(QPainter& painter, const QRectF& rect) {
    const QRectF box = CentredSquare(rect, 0.08);
    const QPointF centre = box.center() + QPointF(0, box.height() * 0.03);
    const double outer = box.width() * 0.48;
    const double inner = outer * 0.45;
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const double radius = (i % 2 == 0) ? outer : inner;
        const double angle = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        const QPointF point(centre.x() + radius * std::cos(angle),
                            centre.y() + radius * std::sin(angle));
        if (i == 0) {
            star.moveTo(point);
        } else {
            star.lineTo(point);
        }
    }
    star.closeSubpath();
    QLinearGradient fill(box.topLeft(), box.bottomRight());
    fill.setColorAt(0.0, QColor(255, 242, 150));
    fill.setColorAt(0.5, QColor(250, 205, 40));
    fill.setColorAt(1.0, QColor(205, 140, 10));
    painter.setBrush(fill);
    painter.setPen(QPen(QColor(110, 70, 0, 220), std::max(1.0, box.width() * 0.035), Qt::SolidLine,
                        Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(star);
}

void PicturePainter::paintHuman(QPainter& painter, const QRectF& rect) {
    const QRectF box = CentredSquare(rect, 0.08);
    const double s = box.width();
    QPainterPath figure;
    QPainterPath shoulders;
    shoulders.moveTo(At(box, 0.14, 0.94));
    shoulders.cubicTo(At(box, 0.14, 0.62), At(box, 0.30, 0.55), At(box, 0.5, 0.55));
    shoulders.cubicTo(At(box, 0.70, 0.55), At(box, 0.86, 0.62), At(box, 0.86, 0.94));
    shoulders.closeSubpath();
    figure.addPath(shoulders);
    QPainterPath head;
    head.addEllipse(QRectF(At(box, 0.5 - 0.19, 0.30 - 0.19), QSizeF(0.38 * s, 0.38 * s)));
    figure = figure.united(head);

    QLinearGradient fill(box.topLeft(), box.bottomRight());
    fill.setColorAt(0.0, QColor(255, 255, 255));
    fill.setColorAt(1.0, QColor(205, 210, 220));
    painter.setBrush(fill);
    painter.setPen(QPen(QColor(30, 30, 40, 200), std::max(1.0, s * 0.035)));
    painter.drawPath(figure);
}

void PicturePainter::paintComputer(QPainter& painter, const QRectF& rect) {
    const QRectF box = CentredSquare(rect, 0.08);
    const double s = box.width();
    const QPen outline(QColor(30, 30, 40, 200), std::max(1.0, s * 0.035));

    // The stand, then the screen in its case.
    painter.setPen(outline);
    painter.setBrush(QColor(215, 218, 225));
    QPainterPath stand;
    stand.moveTo(At(box, 0.42, 0.68));
    stand.lineTo(At(box, 0.58, 0.68));
    stand.lineTo(At(box, 0.62, 0.82));
    stand.lineTo(At(box, 0.38, 0.82));
    stand.closeSubpath();
    painter.drawPath(stand);
    painter.drawRoundedRect(Part(box, 0.24, 0.80, 0.76, 0.90), s * 0.03, s * 0.03);

    QLinearGradient caseFill(box.topLeft(), box.bottomRight());
    caseFill.setColorAt(0.0, QColor(250, 250, 252));
    caseFill.setColorAt(1.0, QColor(200, 204, 212));
    painter.setBrush(caseFill);
    painter.drawRoundedRect(Part(box, 0.08, 0.14, 0.92, 0.70), s * 0.06, s * 0.06);

    QLinearGradient screen(At(box, 0.15, 0.2), At(box, 0.85, 0.62));
    screen.setColorAt(0.0, QColor(70, 120, 190));
    screen.setColorAt(1.0, QColor(20, 40, 80));
    painter.setPen(Qt::NoPen);
    painter.setBrush(screen);
    painter.drawRoundedRect(Part(box, 0.15, 0.21, 0.85, 0.62), s * 0.03, s * 0.03);
    painter.setBrush(QColor(255, 255, 255, 70));
    QPainterPath glare;
    glare.moveTo(At(box, 0.15, 0.21));
    glare.lineTo(At(box, 0.55, 0.21));
    glare.lineTo(At(box, 0.30, 0.62));
    glare.lineTo(At(box, 0.15, 0.62));
    glare.closeSubpath();
    painter.drawPath(glare);
}

void PicturePainter::paintTarget(QPainter& painter, const QRectF& rect) {
    const QRectF box = CentredSquare(rect, 0.06);
    const double s = box.width();
    const QPointF centre = box.center();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 255, 255), std::max(1.0, s * 0.06)));
    painter.drawEllipse(centre, s * 0.32, s * 0.32);
    painter.setPen(QPen(QColor(255, 205, 0), std::max(1.0, s * 0.055)));
    painter.drawEllipse(centre, s * 0.15, s * 0.15);
    painter.setPen(
        QPen(QColor(255, 255, 255), std::max(1.0, s * 0.05), Qt::SolidLine, Qt::RoundCap));
    const double a = s * 0.44;
    const double b = s * 0.22;
    painter.drawLine(centre + QPointF(-a, 0), centre + QPointF(-b, 0));
    painter.drawLine(centre + QPointF(a, 0), centre + QPointF(b, 0));
    painter.drawLine(centre + QPointF(0, -a), centre + QPointF(0, -b));
    painter.drawLine(centre + QPointF(0, a), centre + QPointF(0, b));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 70, 50));
    painter.drawEllipse(centre, s * 0.05, s * 0.05);
}

void PicturePainter::paintDie(QPainter& painter, const QRectF& rect, int pips) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box = CentredSquare(rect, 0.06);
    const double s = box.width();
    const double radius = s * 0.18;
    if (pips < 1 || pips > 6) {
        painter.setBrush(QColor(255, 255, 255, 90));
        painter.setPen(QPen(QColor(0, 0, 0, 70), std::max(1.0, s * 0.03), Qt::DashLine));
        painter.drawRoundedRect(box, radius, radius);
        painter.restore();
        return;
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 50));
    painter.drawRoundedRect(box.translated(s * 0.03, s * 0.04), radius, radius);
    QLinearGradient face(box.topLeft(), box.bottomRight());
    face.setColorAt(0.0, QColor(255, 255, 255));
    face.setColorAt(1.0, QColor(222, 222, 226));
    painter.setBrush(face);
    painter.setPen(QPen(QColor(80, 80, 90), std::max(1.0, s * 0.035)));
    painter.drawRoundedRect(box, radius, radius);

    // Pip places: the corners, the middles of the sides and the centre.
    static const bool Layout[7][9] = {
        {},
        {false, false, false, false, true, false, false, false, false},
        {false, false, true, false, false, false, true, false, false},
        {false, false, true, false, true, false, true, false, false},
        {true, false, true, false, false, false, true, false, true},
        {true, false, true, false, true, false, true, false, true},
        {true, false, true, true, false, true, true, false, true},
    };
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(25, 25, 30));
    const double r = s * 0.085;
    for (int i = 0; i < 9; ++i) {
        if (!Layout[pips][i]) {
            continue;
        }
        const double x = 0.25 + 0.25 * (i % 3);
        const double y = 0.25 + 0.25 * (i / 3);
        painter.drawEllipse(At(box, x, y), r, r);
    }
    painter.restore();
}

void PicturePainter::paintCentreTile(QPainter& painter, const QRectF& rect, int corner) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(rect);
    // The corner that touches the Start cell.
    const QPointF centre(corner % 2 == 0 ? rect.right() : rect.left(),
                         corner < 2 ? rect.bottom() : rect.top());
    const double s = std::min(rect.width(), rect.height());
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 45));
    painter.drawEllipse(centre, s * 0.9, s * 0.9);
    painter.setBrush(QColor(255, 255, 255, 45));
    painter.drawEllipse(centre, s * 0.55, s * 0.55);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 255, 255, 110), std::max(1.0, s * 0.025)));
    for (const double radius : {0.3, 0.55, 0.9, 1.25}) {
        painter.drawEllipse(centre, s * radius, s * radius);
    }
    painter.restore();
}
