// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/UnfinishedGameWatch.h"

#include "files/FileError.h"
#include "window/Form1.h"

#include <QEvent>
#include <QGuiApplication>
#include <QSessionManager>

#include <cstdio>

UnfinishedGameWatch::UnfinishedGameWatch(Form1& form, const QString& folder)
    : QObject(&form), form_(form), unfinished_(folder.toStdString()) {
    form.installEventFilter(this);
    connect(&form, &Form1::roundStarting, this,
            [this] { unfinished_.roundStarting(form_.game()); });
    // A logout: the session manager asks the program to keep its data before it ends.
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this,
            [this](QSessionManager&) { keepNow(); });
}

void UnfinishedGameWatch::offer() {
    if (!unfinished_.exists()) {
        return;
    }
    if (form_.askYesNo("Continue the unfinished game?")) {
        form_.loadGame(QString::fromStdString(unfinished_.path()));
    } else {
        unfinished_.discard();
    }
}

void UnfinishedGameWatch::keepNow() {
    try {
        unfinished_.keep(form_.game());
    } catch (const ruvo::FileError& error) {
        // The window is going away: nobody is left to tell but the terminal.
        std::fprintf(stderr, "ruvo: the unfinished game could not be kept: %s\n", error.what());
    }
}

bool UnfinishedGameWatch::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &form_ && event->type() == QEvent::Close) {
        if (form_.endedByGame()) {
            unfinished_.discard();
        } else {
            keepNow();
        }
    }
    return QObject::eventFilter(watched, event);
}
