// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One die of a player panel: shows a face 1..6, or the blank face of an unused die.
#include <QWidget>

class DieImage : public QWidget {
    Q_OBJECT

public:
    explicit DieImage(QWidget* parent = nullptr);

    int face() const { return face_; }
    // 1..6; 0 shows the blank face.
    void setFace(int face);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int face_ = 0;
};
