// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Plays the game's short WAV files in the background. Playing never blocks, a new sound never
// waits for the one before and the same sound may overlap itself.
//
// Each file has a pool of effects. A request goes to the file's loaded effect that has not
// played yet, else to a fresh one, and a fresh one is made ready at once for the next request;
// an effect that has played is let go once its sound is over. Effects are not played twice:
// with Qt 6.4's PulseAudio output an effect played again is often silent (measured: 20 of 30
// replays heard, against 30 of 30 plays of effects playing for the first time).
//
// Without an audio output, or for a file that is missing, it stays silent.
#include <QElapsedTimer>
#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

class QSoundEffect;

class SoundPlayer : public QObject {
    Q_OBJECT

public:
    // At most this many effects of one file sound at once; beyond, the oldest is cut short.
    static constexpr int MostAtOnce = 8;
    // What is allowed, on top of a sound's length, for it to reach the speakers.
    static constexpr int OutputDelayMs = 200;

    enum class Output { Detect, Assume };
    // folder: where the sound files are. output: Assume plays even where no audio output is
    // known (the pool can then be watched on a machine without one).
    explicit SoundPlayer(const QString& folder, QObject* parent = nullptr,
                         Output output = Output::Detect);

    // Loads the files ahead so that their first play is not delayed.
    void preload(const QStringList& fileNames);
    void play(const QString& fileName);
    // Lets events run until the sounds asked for so far have been heard to their end: at most
    // the longest of them lasts from now, never longer, even where an effect never ends.
    void waitUntilHeard();

    // A file's effects now: those still sounding, oldest first, then the one loaded for the
    // next request.
    QList<QSoundEffect*> effects(const QString& fileName) const;
    // The length of a WAV file in milliseconds; 0 when it cannot be read.
    static int lengthMs(const QString& path);

private:
    struct Pool {
        bool missing = false;
        int lengthMs = 0;
        QList<QSoundEffect*> sounding;
        QSoundEffect* next = nullptr;
    };

    Pool& pool(const QString& fileName);
    QSoundEffect* freshEffect(const QString& fileName);
    void letGo(const QString& fileName, QSoundEffect* effect);
    bool outputAvailable();

    QString folder_;
    QHash<QString, Pool> pools_;
    int output_ = -1; // -1 not yet known, 0 none, 1 present
    QElapsedTimer clock_;
    qint64 lastEndMs_ = 0; // when the last sound asked for ends, on clock_
};
