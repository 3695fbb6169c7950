// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/qt/SoundPlayer.h"

#include <QAudioDevice>
#include <QDir>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

SoundPlayer::SoundPlayer(const QString& folder, QObject* parent)
    : QObject(parent), folder_(folder) {}

bool SoundPlayer::outputAvailable() {
    if (output_ < 0) {
        output_ = QMediaDevices::defaultAudioOutput().isNull() ? 0 : 1;
    }
    return output_ == 1;
}

QSoundEffect* SoundPlayer::effect(const QString& fileName) {
    const auto found = effects_.constFind(fileName);
    if (found != effects_.constEnd()) {
        return found.value();
    }
    QSoundEffect* sound = nullptr;
    const QString path = QDir(folder_).filePath(fileName);
    if (QFileInfo(path).isFile()) {
        sound = new QSoundEffect(this);
        sound->setSource(QUrl::fromLocalFile(path));
        sound->setVolume(0.8f);
    }
    effects_.insert(fileName, sound);
    return sound;
}

void SoundPlayer::preload(const QStringList& fileNames) {
    if (!outputAvailable()) {
        return;
    }
    for (const QString& name : fileNames) {
        effect(name);
    }
}

void SoundPlayer::play(const QString& fileName) {
    if (!outputAvailable()) {
        return;
    }
    QSoundEffect* sound = effect(fileName);
    if (sound == nullptr || sound->status() == QSoundEffect::Error) {
        return;
    }
    if (sound->isPlaying()) {
        sound->stop();
    }
    sound->play();
}
