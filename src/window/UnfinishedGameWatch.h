// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Keeps the game in progress when the window closes without Exit (its close box, a logout, a
// termination signal) and offers it at the next start: "Continue the unfinished game?".
#include "game/UnfinishedGame.h"

#include <QObject>

class Form1;
class QSessionManager;

class UnfinishedGameWatch : public QObject {
    Q_OBJECT

public:
    // folder: where the unfinished game is kept (the user's data folder).
    UnfinishedGameWatch(Form1& form, const QString& folder);

    // At start-up, with the window shown: when a game was kept, asks whether to continue it;
    // Yes loads it (the game then waits for START), No removes it.
    void offer();
    // Writes the game in progress now (or removes the file when there is none).
    void keepNow();
    const ruvo::UnfinishedGame& unfinished() const { return unfinished_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Form1& form_;
    ruvo::UnfinishedGame unfinished_;
};
