// SPDX-License-Identifier: GPL-3.0-or-later
// Computer games in the main window: a four-computer game at full speed to its end and the
// question that follows, the throw counts shown on the way, a restart in the middle of play, a
// finished game not restarted, and the close box in the middle of a turn.
#include "Form1TestSupport.h"

#include "engine/Text.h"

#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QScrollBar>

using namespace form1test;

class Form1PlayTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void fourComputersPlayToTheEnd();
    void restartDuringComputerPlay();
    void finishedGameNotRestartedWritesSettingsAndEnds();
    void closeBoxInTheMiddleOfPlayEndsPromptly_data();
    void closeBoxInTheMiddleOfPlayEndsPromptly();
};

void Form1PlayTest::initTestCase() {
    qputenv("XDG_RUNTIME_DIR", QDir::tempPath().toLocal8Bit());
}

void Form1PlayTest::fourComputersPlayToTheEnd() {
    Sandbox sandbox;
    sandbox.setUserSettings(UserSettings{});
    StartedForm form;
    QVERIFY(form.start());
    QStringList logAtEnd;
    QStringList panelsAtEnd;
    form.dialogs->answerer = [&](const QString& prompt) {
        if (prompt == QStringLiteral("Game finished, restart?")) {
            logAtEnd = form.log();
            for (int p = 0; p < 4; ++p) {
                panelsAtEnd << form->PlayerInfo(p)->title();
            }
        }
        return true;
    };
    form.type(QStringLiteral("start"));

    QCOMPARE(form.dialogs->questions, QStringList({"Game finished, restart?"}));
    QVERIFY(logAtEnd.size() > 100);
    QVERIFY(logAtEnd.first().startsWith(QStringLiteral("Dice throw : ")));
    const QString ended = logAtEnd.last();
    QVERIFY2(ended.startsWith(QStringLiteral("GAME ENDED IN ")), qPrintable(ended));
    QVERIFY(ended.endsWith(QStringLiteral(" TURNS")));
    QCOMPARE(logAtEnd.at(logAtEnd.size() - 2), QStringLiteral("FINISHED LAST"));
    for (const char* place : {"FINISHED 1st", "FINISHED 2nd", "FINISHED 3rd"}) {
        QVERIFY2(logAtEnd.contains(QLatin1String(place)), place);
    }
    QStringList standings = panelsAtEnd;
    standings.sort();
    QCOMPARE(standings.size(), 4);
    QVERIFY(standings[0].startsWith(QStringLiteral("1st = Player ")));
    QVERIFY(standings[1].startsWith(QStringLiteral("2nd = Player ")));
    QVERIFY(standings[2].startsWith(QStringLiteral("3rd = Player ")));
    QVERIFY(standings[3].startsWith(QStringLiteral("LAST = Player ")));

    // Yes: a new game waits for START with a fresh log and fresh panels.
    QCOMPARE(form.log(), QStringList({"NEW GAME"}));
    QCOMPARE(form->game().state().CurrentPlayer, -1);
    for (int p = 0; p < 4; ++p) {
        QCOMPARE(form->PlayerInfo(p)->title(), QStringLiteral("PLAYER %1").arg(p + 1));
        for (int k = 0; k < 4; ++k) {
            QCOMPARE(form->Piece(ruvo::YardSquare(p, k))->picture(), ruvo::PiecePicture(p));
        }
    }
    QVERIFY(form->isVisible());
    QVERIFY(!form->endedByGame());
}

void Form1PlayTest::restartDuringComputerPlay() {
    Sandbox sandbox;
    UserSettings settings;
    settings.speed = 29; // half a second a move
    sandbox.setUserSettings(settings);
    const QByteArray before = sandbox.contents();
    StartedForm form;
    QVERIFY(form.start());
    int turnsBeforeRestart = 0;
    after(1600, form.form.get(), [&] {
        turnsBeforeRestart = form->game().state().TurnCount;
        form.dialogs->menuPicks = {"Start game"};
        QTest::mouseClick(form->Start(), Qt::LeftButton);
    });
    after(3000, form.form.get(), [&] { form->close(); });
    form.type(QStringLiteral("START"));

    QCOMPARE(form.dialogs->questions, QStringList({"Restart ?"}));
    const QStringList log = form.log();
    const int restarted = log.indexOf(QStringLiteral("GAME RESTARTED"));
    QVERIFY2(restarted > 0, qPrintable(log.join('|')));
    QVERIFY(log.mid(restarted + 1).filter(QStringLiteral("Dice throw")).size() >= 1);
    QVERIFY(turnsBeforeRestart >= 2);
    QVERIFY(form->game().state().TurnCount < turnsBeforeRestart + 8);
    // Closed with the close box: the settings file is left alone.
    QVERIFY(form->game().stopped());
    QVERIFY(!form->endedByGame());
    QCOMPARE(sandbox.contents(), before);
}

void Form1PlayTest::finishedGameNotRestartedWritesSettingsAndEnds() {
    Sandbox sandbox;
    UserSettings settings;
    settings.enabled = QStringLiteral("0110");
    sandbox.setUserSettings(settings);
    StartedForm form;
    QVERIFY(form.start());
    form.dialogs->answerer = [&](const QString&) {
        form->SpeedRange()->setValue(27); // the slider works during the game too
        return false;
    };
    form.type(QStringLiteral("START"));
    // A two-player game ends as soon as one player is home.
    QCOMPARE(form.dialogs->questions, QStringList({"Game finished, restart?"}));
    QVERIFY(form.log().contains(QStringLiteral("FINISHED 1st")));
    QVERIFY(!form.log().contains(QStringLiteral("FINISHED 2nd")));
    QCOMPARE(form.soundsPlayed().last(), QStringLiteral("Thanks.Wav"));
    QVERIFY(form->endedByGame());
    QVERIFY(!form->isVisible());
    const QList<QByteArray> lines = sandbox.contents().split('\n');
    QCOMPARE(lines[0], QByteArray("\"Speed Factor\",27,1\r"));
    QCOMPARE(lines[2], QByteArray("\"Player Enabled\",0,1,1,0\r"));
}

void Form1PlayTest::closeBoxInTheMiddleOfPlayEndsPromptly_data() {
    QTest::addColumn<int>("speed");
    QTest::addColumn<int>("closeAfter");
    QTest::addRow("in a wait of 14.5 seconds") << 1 << 400;
    QTest::addRow("at full speed") << 30 << 150;
}

void Form1PlayTest::closeBoxInTheMiddleOfPlayEndsPromptly() {
    QFETCH(int, speed);
    QFETCH(int, closeAfter);
    Sandbox sandbox;
    UserSettings settings;
    settings.speed = speed;
    sandbox.setUserSettings(settings);
    const QByteArray before = sandbox.contents();
    StartedForm form;
    QVERIFY(form.start());
    after(closeAfter, form.form.get(), [&] { form->close(); });
    QElapsedTimer clock;
    clock.start();
    form.type(QStringLiteral("START"));
    QVERIFY2(clock.elapsed() < 10000, "the game went on after the window closed");
    QVERIFY(form.dialogs->questions.isEmpty()); // the game did not reach its end
    QVERIFY(form->game().stopped());
    QVERIFY(!form->isVisible());
    QCOMPARE(sandbox.contents(), before);
    // Whatever the user does now, nothing more happens.
    const int lines = form->MovesList()->ListCount();
    QVERIFY(lines >= 1);
    form.type(QStringLiteral("START"));
    QTest::mouseClick(form->Start(), Qt::LeftButton);
    QCOMPARE(form->MovesList()->ListCount(), lines);
    QVERIFY(form.dialogs->menus.empty());
}

QTEST_MAIN(Form1PlayTest)
#include "Form1PlayTest.moc"
