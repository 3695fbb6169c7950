// SPDX-License-Identifier: GPL-3.0-or-later
// A small window that shows the list control as the game uses it, a moves log with coloured
// rows and grid lines, next to a drop-down list whose rows carry pictures.
#include "listctl/qt/UserControl1.h"

#include <QApplication>
#include <QGroupBox>
#include <QPainter>
#include <QPixmap>
#include <QStringList>

namespace {

QColor paletteColor(int player) {
    // Lines of players 1 to 4 in blue, green, yellow and red; others in black.
    switch (player) {
    case 1:
        return QColor(0, 0, 128);
    case 2:
        return QColor(0, 128, 0);
    case 3:
        return QColor(128, 128, 0);
    case 4:
        return QColor(128, 0, 0);
    default:
        return QColor(0, 0, 0);
    }
}

QPixmap disc(const QColor& color) {
    QPixmap pixmap(14, 14);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(color);
    painter.setPen(Qt::black);
    painter.drawEllipse(1, 1, 12, 12);
    return pixmap;
}

void fillLog(UserControl1& log) {
    log.Additem(QStringLiteral("NEW GAME"), 0, -1, QString(), paletteColor(0));
    log.setTopIndex(-1);
    for (int turn = 0; turn < 12; ++turn) {
        const int player = turn % 4 + 1;
        const int die = (turn * 5 + 3) % 6 + 1;
        log.Additem(QStringLiteral("Dice throw : %1").arg(die), 0, -1, QString(),
                    paletteColor(player));
        log.setTopIndex(-1);
        log.Additem(QStringLiteral("Move piece %1 by %2").arg(turn % 4 + 1).arg(die), 0, -1,
                    QString(), paletteColor(player));
        log.setTopIndex(-1);
    }
    log.Additem(QStringLiteral("Player 2 captures a piece of player 4 and sends it home"), 0, -1,
                QString(), paletteColor(2));
    log.setTopIndex(-1);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("List control"));
    window.resize(620, 420);

    auto* frame = new QGroupBox(QStringLiteral("Moves Log"), &window);
    frame->setGeometry(10, 10, 300, 400);
    auto* log = new UserControl1(frame);
    log->setGeometry(3, 22, 290, 360);
    log->setMode(0);
    log->setGridLines(true);
    log->setToolTip(true);
    log->setEnabled(true);
    log->setDropDownHeight(qRound(360 * 15 * 0.94));
    fillLog(*log);
    log->ShowItem(log->ListCount() - 3);

    auto* choice = new UserControl1(&window);
    choice->setGeometry(330, 30, 260, 30);
    choice->setEnabled(true);
    choice->setMode(1);
    choice->setDrawStyle(1);
    choice->setGridLines(true);
    choice->setBackColor(Qt::white);
    choice->setDropDownHeight(2400);
    choice->setPictureList({disc(QColor(0, 0, 155)), disc(QColor(0, 155, 0)),
                            disc(QColor(195, 195, 20)), disc(QColor(200, 0, 0))});
    const QStringList names{QStringLiteral("Blue"), QStringLiteral("Green"),
                            QStringLiteral("Yellow"), QStringLiteral("Red")};
    for (int i = 0; i < names.size(); ++i)
        choice->Additem(QStringLiteral("Player %1 - %2").arg(i + 1).arg(names[i]), 0, i + 1,
                        QString(), paletteColor(i + 1));
    choice->settext(QStringLiteral("Player 2 - Green"));

    window.show();
    if (app.arguments().contains(QStringLiteral("--open")))
        QMetaObject::invokeMethod(choice->findChild<QWidget*>(QStringLiteral("Command1")), "click",
                                  Qt::QueuedConnection);
    return app.exec();
}
