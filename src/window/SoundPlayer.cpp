// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/SoundPlayer.h"

#include <QAudioDevice>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>
#include <QtEndian>

#include <algorithm>

namespace {

// QT_LOGGING_RULES="ruvo.sound.debug=true" writes every request to the error output.
Q_LOGGING_CATEGORY(SoundLog, "ruvo.sound", QtWarningMsg)

// An effect that has played is let go this long after its sound's end.
constexpr int LetGoAfterMs = 400;
// What a sound whose length cannot be read is taken to last.
constexpr int UnknownLengthMs = 3000;

} // namespace

SoundPlayer::SoundPlayer(const QString& folder, QObject* parent, Output output)
    : QObject(parent), folder_(folder), output_(output == Output::Assume ? 1 : -1) {
    clock_.start();
}

bool SoundPlayer::outputAvailable() {
    if (output_ < 0) {
        output_ = QMediaDevices::defaultAudioOutput().isNull() ? 0 : 1;
    }
    return output_ == 1;
}

int SoundPlayer::lengthMs(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return 0;
    }
    const QByteArray head = file.read(12);
    if (head.size() < 12 || !head.startsWith("RIFF") || head.mid(8, 4) != "WAVE") {
        return 0;
    }
    quint32 bytesPerSecond = 0;
    for (;;) {
        const QByteArray chunk = file.read(8);
        if (chunk.size() < 8) {
            return 0;
        }
        const quint32 size = qFromLittleEndian<quint32>(chunk.constData() + 4);
        const qint64 end = file.pos() + size + size % 2;
        if (chunk.startsWith("data")) {
            const qint64 bytes = std::min<qint64>(size, file.size() - file.pos());
            return bytesPerSecond == 0 ? 0 : static_cast<int>(bytes * 1000 / bytesPerSecond);
        }
        if (chunk.startsWith("fmt ")) {
            const QByteArray format = file.read(12);
            if (format.size() < 12) {
                return 0;
            }
            bytesPerSecond = qFromLittleEndian<quint32>(format.constData() + 8);
        }
        if (!file.seek(end)) {
            return 0;
        }
    }
}

SoundPlayer::Pool& SoundPlayer::pool(const QString& fileName) {
    auto found = pools_.find(fileName);
    if (found == pools_.end()) {
        const QString path = QDir(folder_).filePath(fileName);
        Pool fresh;
        fresh.missing = !QFileInfo(path).isFile();
        fresh.lengthMs = fresh.missing ? 0 : lengthMs(path);
        if (fresh.lengthMs == 0) {
            fresh.lengthMs = UnknownLengthMs;
        }
        found = pools_.insert(fileName, fresh);
    }
    return *found;
}

QSoundEffect* SoundPlayer::freshEffect(const QString& fileName) {
    auto* effect = new QSoundEffect(this);
    effect->setSource(QUrl::fromLocalFile(QDir(folder_).filePath(fileName)));
    effect->setVolume(0.8f);
    return effect;
}

void SoundPlayer::preload(const QStringList& fileNames) {
    if (!outputAvailable()) {
        return;
    }
    for (const QString& name : fileNames) {
        Pool& entry = pool(name);
        if (!entry.missing && entry.next == nullptr) {
            entry.next = freshEffect(name);
        }
    }
}

void SoundPlayer::play(const QString& fileName) {
    qCDebug(SoundLog).noquote() << "sound request" << fileName;
    if (!outputAvailable()) {
        return;
    }
    Pool& entry = pool(fileName);
    if (entry.missing) {
        return;
    }
    QSoundEffect* effect = entry.next != nullptr ? entry.next : freshEffect(fileName);
    entry.next = nullptr;
    if (effect->status() == QSoundEffect::Error) {
        // The file cannot be read as a sound.
        entry.missing = true;
        effect->deleteLater();
        return;
    }
    if (entry.sounding.size() >= MostAtOnce) {
        letGo(fileName, entry.sounding.constFirst());
    }
    entry.sounding.append(effect);
    // Played while still loading, it starts once loaded.
    effect->play();
    lastEndMs_ = std::max(lastEndMs_, clock_.elapsed() + entry.lengthMs);
    QTimer::singleShot(entry.lengthMs + LetGoAfterMs, effect,
                       [this, fileName, effect] { letGo(fileName, effect); });
    entry.next = freshEffect(fileName);
}

void SoundPlayer::letGo(const QString& fileName, QSoundEffect* effect) {
    if (pools_[fileName].sounding.removeOne(effect)) {
        effect->stop();
        effect->deleteLater();
    }
}

void SoundPlayer::waitUntilHeard() {
    const qint64 left = lastEndMs_ + OutputDelayMs - clock_.elapsed();
    if (!outputAvailable() || left <= 0) {
        return;
    }
    QEventLoop loop;
    QTimer::singleShot(static_cast<int>(left), &loop, &QEventLoop::quit);
    loop.exec();
}

QList<QSoundEffect*> SoundPlayer::effects(const QString& fileName) const {
    const auto found = pools_.constFind(fileName);
    if (found == pools_.constEnd()) {
        return {};
    }
    QList<QSoundEffect*> all = found->sounding;
    if (found->next != nullptr) {
        all.append(found->next);
    }
    return all;
}
