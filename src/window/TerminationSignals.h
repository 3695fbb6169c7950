// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// SIGTERM, SIGHUP and SIGINT turned into a Qt signal delivered by the event loop, so that the
// program can end the way its close box ends it instead of dying on the spot. One object per
// program.
#include <QObject>

class QSocketNotifier;

class TerminationSignals : public QObject {
    Q_OBJECT

public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

signals:
    void received(int signalNumber);

private:
    static void handler(int signalNumber);
    void readSignal();

    QSocketNotifier* notifier_ = nullptr;
};
