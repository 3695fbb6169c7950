// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// BoxControl -- the display component of every board square, centre tile, option button and
// the Start button: a bordered box that paints its background colour, its picture and its
// caption, and reports the mouse. The window sets its properties from the game's model.
#include "game/GameState.h"

#include <QColor>
#include <QString>
#include <QWidget>

class BoxControl : public QWidget {
    Q_OBJECT

public:
    // index: the element number within its control array (-1 for a single control).
    explicit BoxControl(int index = -1, QWidget* parent = nullptr);

    int index() const { return index_; }

    QColor backcolor() const { return backColor_; }
    void setbackcolor(const QColor& color);
    QColor forecolor() const { return foreColor_; }
    void setforecolor(const QColor& color);
    QString caption() const { return caption_; }
    void setcaption(const QString& caption);
    ruvo::Picture picture() const { return picture_; }
    void setpicture(ruvo::Picture picture);
    bool fontbold() const { return fontBold_; }
    void setfontbold(bool bold);
    // The ornament of a centre tile, 0..3; -1 for none.
    int centreTile() const { return centreTile_; }
    void setCentreTile(int corner);
    // The font the caption is drawn in: it grows with the box and fits across it.
    QFont captionFont() const;

    // A keyboard button (MENU, Options) is reached with Tab, shows a focus mark, and Space or
    // Enter presses it as a left click does.
    bool keyboardButton() const { return keyboardButton_; }
    void setKeyboardButton(bool button);
    // Presses the box as a left click does: MouseUp(1), then Click().
    void press();

signals:
    // A left button pressed and released over the box.
    void Click();
    // The pointer moved over the box.
    void MouseMove();
    // A button released over the box: 1 left, 2 right, 4 middle.
    void MouseUp(int Button);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    int index_;
    QColor backColor_;
    QColor foreColor_{Qt::white};
    QString caption_;
    ruvo::Picture picture_ = ruvo::Picture::Blank;
    bool fontBold_ = true;
    int centreTile_ = -1;
    bool leftPressed_ = false;
    bool keyboardButton_ = false;
};
