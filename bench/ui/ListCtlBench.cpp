// SPDX-License-Identifier: GPL-3.0-or-later
// Times the moves log the way the game fills it: rows appended one at a time, each followed by
// TopIndex = -1 to bring the newest row into view, with the list shown on screen.
#include "listctl/qt/UserControl1.h"

#include <QApplication>
#include <QColor>
#include <QElapsedTimer>

#include <cstdio>

namespace {

constexpr int Rows = 100000;

QColor lineColor(int row) {
    static const QColor colors[] = {QColor(0, 0, 128), QColor(0, 128, 0), QColor(128, 128, 0),
                                    QColor(128, 0, 0), QColor(0, 0, 0)};
    return colors[row % 5];
}

// Appends the rows and returns the milliseconds taken, including the final paint.
double appendRows(UserControl1& log, int repaintEvery) {
    QElapsedTimer timer;
    timer.start();
    for (int row = 1; row <= Rows; ++row) {
        log.Additem(QStringLiteral("Move piece %1 by %2").arg(row % 4 + 1).arg(row % 6 + 1), 0, -1,
                    QString(), lineColor(row));
        log.setTopIndex(-1);
        if (repaintEvery > 0 && row % repaintEvery == 0)
            log.repaint();
    }
    log.repaint();
    return timer.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    const auto run = [](int repaintEvery) {
        UserControl1 log;
        log.setGeometry(0, 0, 300, 400);
        log.setGridLines(true);
        log.setDropDownHeight(5600); // about 20 rows
        log.show();
        QApplication::processEvents();
        const double ms = appendRows(log, repaintEvery);
        if (log.ListCount() != Rows)
            std::fprintf(stderr, "expected %d rows, have %d\n", Rows, log.ListCount());
        return ms;
    };

    std::printf("%d appends with TopIndex = -1, painted at the end: %.1f ms\n", Rows, run(0));
    std::printf("%d appends with TopIndex = -1, painted every 100 rows: %.1f ms\n", Rows, run(100));
    return 0;
}
