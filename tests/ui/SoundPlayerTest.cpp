// SPDX-License-Identifier: GPL-3.0-or-later
// The sound player's pool, watched on a machine without an audio output: there an effect that
// was asked to play stays playing, so every request still sounding can be seen.
#include "window/SoundPlayer.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QSoundEffect>
#include <QTest>

#include <algorithm>

static const QString Folder = QStringLiteral(RUVO_SOURCE_DIR "/data/sounds");
static const QString Move = QStringLiteral("kvtmove.wav");

class SoundPlayerTest : public QObject {
    Q_OBJECT

private slots:
    void everyRequestSoundsOnAnEffectOfItsOwn() {
        SoundPlayer player(Folder, nullptr, SoundPlayer::Output::Assume);
        player.preload({Move});
        QCOMPARE(player.effects(Move).size(), 1);
        QSoundEffect* loaded = player.effects(Move).constFirst();
        QTRY_COMPARE(loaded->status(), QSoundEffect::Ready);
        // Overlapping requests: none waits, none is dropped, none takes another's effect; beyond
        // the most that may sound at once, only the oldest is cut short.
        for (int request = 1; request <= SoundPlayer::MostAtOnce + 2; ++request) {
            player.play(Move);
            const QList<QSoundEffect*> effects = player.effects(Move);
            QCOMPARE(effects.size(), std::min(request, SoundPlayer::MostAtOnce) + 1);
            QCOMPARE(effects.constFirst() == loaded, request <= SoundPlayer::MostAtOnce);
            for (int i = 0; i + 1 < effects.size(); ++i) {
                QVERIFY(effects[i]->isPlaying());
            }
            // The next request finds a loaded effect that has not played.
            QVERIFY(!effects.constLast()->isPlaying());
            QTRY_COMPARE(effects.constLast()->status(), QSoundEffect::Ready);
        }
    }

    void playedEffectsAreLetGoOnceOver() {
        SoundPlayer player(Folder, nullptr, SoundPlayer::Output::Assume);
        player.play(Move); // not loaded ahead: a fresh effect plays once loaded
        player.play(Move);
        QCOMPARE(player.effects(Move).size(), 3);
        const QPointer<QSoundEffect> first = player.effects(Move)[0];
        const QPointer<QSoundEffect> second = player.effects(Move)[1];
        QVERIFY(first->isPlaying() && second->isPlaying());
        // Still "playing" long after the sound's end (no output here), they go all the same.
        QTRY_VERIFY_WITH_TIMEOUT(first.isNull() && second.isNull(), 5000);
        QCOMPARE(player.effects(Move).size(), 1);
        player.play(Move);
        QVERIFY(player.effects(Move).constFirst()->isPlaying());
    }

    void missingFileOrNoOutputStaysSilent() {
        SoundPlayer player(Folder, nullptr, SoundPlayer::Output::Assume);
        player.preload({"nowhere.wav"});
        player.play("nowhere.wav");
        QVERIFY(player.effects("nowhere.wav").isEmpty());
        QCOMPARE(SoundPlayer::lengthMs(Folder + QStringLiteral("/../ruvo.cfg")), 0);
        // This machine has no audio output: the player made for the program plays nothing.
        SoundPlayer detecting(Folder);
        detecting.preload({Move});
        detecting.play(Move);
        QVERIFY(detecting.effects(Move).isEmpty());
    }

    void closingSoundIsWaitedForItsLengthOnly() {
        const QString thanks = QStringLiteral("Thanks.Wav");
        const int length = SoundPlayer::lengthMs(Folder + QLatin1Char('/') + thanks);
        QCOMPARE(length, 929); // 20505 samples at 22050 a second
        SoundPlayer player(Folder, nullptr, SoundPlayer::Output::Assume);
        player.preload({thanks});
        QTRY_COMPARE(player.effects(thanks).constFirst()->status(), QSoundEffect::Ready);
        QElapsedTimer clock;
        clock.start();
        player.play(thanks);
        player.waitUntilHeard();
        // The effect never ends here; the wait does, once the sound has had its time.
        const qint64 waited = clock.elapsed();
        QVERIFY(player.effects(thanks).constFirst()->isPlaying());
        QVERIFY2(waited >= length && waited < length + SoundPlayer::OutputDelayMs + 2000,
                 qPrintable(QString::number(waited)));
    }
};

QTEST_MAIN(SoundPlayerTest)
#include "SoundPlayerTest.moc"
