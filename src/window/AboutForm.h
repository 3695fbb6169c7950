// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The about window: the program's version and a credit line. OK, the Esc key or a click on the
// credit text closes it.
#include <QDialog>

class QLabel;
class QPushButton;

class AboutForm : public QDialog {
    Q_OBJECT

public:
    explicit AboutForm(QWidget* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLabel* AboutText;
    QLabel* Label1;
    QPushButton* AboutOk;
};
