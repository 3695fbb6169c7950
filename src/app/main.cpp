// SPDX-License-Identifier: GPL-3.0-or-later
// ruvo: the game's window program. It reads ruvo.cfg from the current folder and finds its
// sounds and help page in its own folder.
#include "engine/qt/Form1.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ruvo"));
    QApplication::setDesktopFileName(QStringLiteral("ruvo"));

    Form1 form;
    if (!form.startUp()) {
        return 1;
    }
    form.show();
    return QApplication::exec();
}
