// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/DieImage.h"

#include "window/PicturePainter.h"

#include <QPainter>

DieImage::DieImage(QWidget* parent) : QWidget(parent) {}

void DieImage::setFace(int face) {
    if (face < 0 || face > 6) {
        face = 0;
    }
    if (face != face_) {
        face_ = face;
        update();
    }
}

void DieImage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PicturePainter::paintDie(painter, rect(), face_);
}
