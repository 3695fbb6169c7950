// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Plays the game's short WAV files in the background. Each file is loaded once, ahead of its
// first use; playing never blocks and a new sound does not wait for the one before. Without an
// audio output, or for a file that is missing or unreadable, it stays silent.
#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>

class QSoundEffect;

class SoundPlayer : public QObject {
    Q_OBJECT

public:
    // folder: where the sound files are.
    explicit SoundPlayer(const QString& folder, QObject* parent = nullptr);

    // Starts loading the files so that their first play is not delayed.
    void preload(const QStringList& fileNames);
    void play(const QString& fileName);

private:
    QSoundEffect* effect(const QString& fileName);
    bool outputAvailable();

    QString folder_;
    QHash<QString, QSoundEffect*> effects_; // nullptr: the file is missing
    int output_ = -1;                       // -1 not yet known, 0 none, 1 present
};
