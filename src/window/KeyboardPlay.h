// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// KeyboardPlay -- playing the main window without a mouse.
// - Tab and Shift+Tab go round MENU, the four Options buttons, the speed slider, the moves log
//   and the command line; Space or Enter presses a focused button, and its menu opens beside it.
// - The command menu's shortcuts (Ctrl+N start, Ctrl+S save, Ctrl+O load, F1 help, Ctrl+Q quit)
//   give the menu's command words and are shown in the menu.
// - On the command line, while a person is to move and the line holds nothing typed: Left and
//   Right pick the person's previous or next piece that can move, Up and Down go through its
//   options as clicks on the preview do, Enter makes the previewed move as the right button does,
//   and Esc drops the preview. The line says what is previewed.
#include <QObject>
#include <QPoint>
#include <QString>

#include <functional>

class Form1;
class QKeyEvent;
class QWidget;

class KeyboardPlay : public QObject {
    Q_OBJECT

public:
    // run: calls into the game and then shows what changed.
    using Run = std::function<void(const std::function<void()>&)>;
    KeyboardPlay(Form1& form, Run run);

    // A key pressed on the command line; true when it was used here.
    bool commandLineKey(QKeyEvent* key);

    // Where a control's menu opens: beside the control when it has the keyboard focus (it was
    // pressed from the keyboard), else at the pointer.
    static QPoint popupPosition(const QWidget* control);

private:
    void addShortcuts();
    bool personToMove() const;
    void pickPiece(int step);
    void cycleOption(int step);
    void confirm();
    void cancel();
    void showPreview();

    Form1& form_;
    Run run_;
    QString previewLine_; // what the command line shows of the preview
};
