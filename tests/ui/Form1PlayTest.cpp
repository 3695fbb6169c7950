// SPDX-License-Identifier: GPL-3.0-or-later
// Play as the window shows it: the prompt, the keyboard kept through clicks, the end question,
// the close box mid-turn, a paused player's stop and the space bar.
#include "Form1TestSupport.h"

#include <QElapsedTimer>

using namespace form1test;

namespace {

const QString TurnPrompt = QStringLiteral(">Take your turn (enter piece#=moveby)");

} // namespace

class Form1PlayTest : public QObject {
    Q_OBJECT

private slots:
    void fourComputersPlayToTheEnd() {
        Sandbox sandbox;
        sandbox.setUserSettings(UserSettings{});
        StartedForm form;
        QVERIFY(form.start());
        QStringList panelsAtEnd;
        form.dialogs->answerer = [&](const QString&) {
            for (int p = 0; p < 4; ++p) {
                panelsAtEnd << form->PlayerInfo(p)->title().section(QLatin1Char(' '), 0, 2);
            }
            return true;
        };
        form.type(QStringLiteral("start"));

        QCOMPARE(form.dialogs->questions, QStringList({"Game finished, restart?"}));
        panelsAtEnd.sort();
        QCOMPARE(panelsAtEnd,
                 QStringList({"1st = Player", "2nd = Player", "3rd = Player", "LAST = Player"}));

        // Yes: a new game waits for START with a fresh log and fresh panels.
        QCOMPARE(form.log(), QStringList({"NEW GAME"}));
        QCOMPARE(form->game().state().CurrentPlayer, -1);
        for (int p = 0; p < 4; ++p) {
            QCOMPARE(form->PlayerInfo(p)->title(), QStringLiteral("PLAYER %1").arg(p + 1));
            for (int k = 0; k < 4; ++k) {
                QCOMPARE(form->Piece(ruvo::YardSquare(p, k))->picture(), ruvo::PiecePicture(p));
            }
        }
        QVERIFY(form->isVisible() && !form->endedByGame());
    }

    void closeBoxInTheMiddleOfPlayEndsPromptly_data() {
        QTest::addColumn<int>("speed");
        QTest::addColumn<int>("closeAfter");
        QTest::addRow("in a wait of 14.5 seconds") << 1 << 400;
        QTest::addRow("at full speed") << 30 << 150;
    }

    void closeBoxInTheMiddleOfPlayEndsPromptly() {
        QFETCH(int, speed);
        QFETCH(int, closeAfter);
        Sandbox sandbox;
        UserSettings settings;
        settings.speed = speed;
        sandbox.setUserSettings(settings);
        const QByteArray before = sandbox.contents();
        StartedForm form;
        QVERIFY(form.start());
        form->SpeedRange()->setValue(speed == 1 ? 2 : 29); // not written by the close box
        after(closeAfter, form.form.get(), [&] { form->close(); });
        QElapsedTimer clock;
        clock.start();
        form.type(QStringLiteral("START"));
        QVERIFY2(clock.elapsed() < 10000, "the game went on after the window closed");
        QVERIFY(form.dialogs->questions.isEmpty()); // the game did not reach its end
        QVERIFY(form->game().stopped() && !form->isVisible());
        QCOMPARE(sandbox.contents(), before);
        // Whatever the user does now, nothing more happens.
        const int lines = form->MovesList()->ListCount();
        QVERIFY(lines >= 1);
        form.type(QStringLiteral("START"));
        QTest::mouseClick(form->Start(), Qt::LeftButton);
        QCOMPARE(form->MovesList()->ListCount(), lines);
        QVERIFY(form.dialogs->menus.empty());
    }

    void pausedPlayerStopsUntilTheSpaceBar() {
        Sandbox sandbox;
        UserSettings settings;
        settings.paused = QStringLiteral("1000");
        sandbox.setUserSettings(settings);
        StartedForm form;
        QVERIFY(form.start());
        QString promptAtStop;
        QColor colourAtStop;
        QStringList soundsAtStop;
        int linesAtStop = 0;
        int linesAfterSpace = 0;
        QString promptAfterSpace;
        after(300, form.form.get(), [&] {
            promptAtStop = form->Commandline()->text();
            colourAtStop = form->Commandline()->palette().color(QPalette::Base);
            soundsAtStop = form.soundsPlayed();
            linesAtStop = form->MovesList()->ListCount();
            QTest::keyClick(form->Commandline(), Qt::Key_Space);
        });
        after(700, form.form.get(), [&] {
            linesAfterSpace = form->MovesList()->ListCount();
            promptAfterSpace = form->Commandline()->text();
            form->close();
        });
        QElapsedTimer clock;
        clock.start();
        form.type(QStringLiteral("START"));

        QCOMPARE(linesAtStop, 1);
        QCOMPARE(promptAtStop, QStringLiteral(">player paused, hit space bar to continue"));
        QCOMPARE(colourAtStop, QColor(0, 0, 155));
        QCOMPARE(soundsAtStop.last(), QStringLiteral("beep2.wav"));
        QVERIFY(linesAfterSpace > linesAtStop);
        QCOMPARE(promptAfterSpace, QStringLiteral(">player paused, hit space bar to continue"));
        QVERIFY(clock.elapsed() < 30000);
    }

    void spaceBarEndsAPacingWait() {
        Sandbox sandbox;
        UserSettings settings;
        settings.speed = 1; // 14.5 seconds a move
        sandbox.setUserSettings(settings);
        StartedForm form;
        QVERIFY(form.start());
        int linesBefore = 0;
        int linesAfter = 0;
        after(300, form.form.get(), [&] {
            linesBefore = form->MovesList()->ListCount();
            QTest::keyClick(form.form.get(), Qt::Key_Space);
        });
        after(600, form.form.get(), [&] {
            linesAfter = form->MovesList()->ListCount();
            form->close();
        });
        form.type(QStringLiteral("START"));
        QVERIFY(linesBefore >= 1); // the space bar cut the first wait of 14.5 seconds short
        QVERIFY(linesAfter > linesBefore);
    }

    void spaceAtTheWindowClearsTheFirstDiceLabel() {
        Sandbox sandbox;
        StartedForm form;
        QVERIFY(form.start());
        QCOMPARE(form->DiceHead(0)->text(), QStringLiteral("move by"));
        QTest::keyClick(form.form.get(), Qt::Key_Space);
        QCOMPARE(form->DiceHead(0)->text(), QString());
        QCOMPARE(form->DiceHead(1)->text(), QStringLiteral("move by"));
    }

    void promptShowsThePlayersColourAndDice() {
        Sandbox sandbox;
        PersonAgainstComputers(sandbox);
        StartedForm form({6, 3});
        QVERIFY(form.start());
        form.type(QStringLiteral("Start"));

        QCOMPARE(form->Commandline()->text(), TurnPrompt);
        QCOMPARE(form->Commandline()->palette().color(QPalette::Base), QColor(0, 0, 155));
        QCOMPARE(form->Commandline()->palette().color(QPalette::Text), QColor(Qt::white));
        QCOMPARE(QApplication::focusWidget(), form->Commandline());
        QCOMPARE(form->DiceHead(0)->text(), QStringLiteral("move by"));
        QCOMPARE(form->DiceNumx(0)->face(), 6);
        QCOMPARE(form->DiceNumx(1)->face(), 3);
        QCOMPARE(form->DiceNumx(2)->face(), 0);

        // The first key typed over the prompt starts a fresh line.
        QTest::keyClicks(form->Commandline(), QStringLiteral("2"));
        QCOMPARE(form->Commandline()->text(), QStringLiteral("2"));
    }

    void promptKeepsTheKeyboardThroughClicks() {
        Sandbox sandbox;
        PersonAgainstComputers(sandbox);
        StartedForm form({6, 3});
        QVERIFY(form.start(true));
        form.type(QStringLiteral("start"));
        QCOMPARE(form->Commandline()->text(), TurnPrompt);
        const auto typedKeysReachTheCommandLine = [&](const char* after) {
            QWidget* focus = QApplication::focusWidget();
            QVERIFY2(focus == form->Commandline(), after);
            QTest::keyClicks(focus, QStringLiteral("3=6"));
            QVERIFY2(form->Commandline()->text().endsWith(QStringLiteral("3=6")), after);
            form->Commandline()->setText(TurnPrompt);
        };
        QTest::mouseClick(form->Piece(76), Qt::LeftButton); // a piece: its preview shows
        typedKeysReachTheCommandLine("a piece");
        QTest::mouseClick(form->Piece(ruvo::AmountMarker), Qt::LeftButton);
        typedKeysReachTheCommandLine("the marker");
        QTest::mouseClick(form.form.get(), Qt::LeftButton, {},
                          form->Piece(76)->geometry().center() +
                              QPoint(0, form->Piece(76)->height()));
        typedKeysReachTheCommandLine("the board");
        QTest::mouseClick(form->PlayerOptions(1), Qt::LeftButton); // opened and dismissed
        QCOMPARE(form.dialogs->menus.size(), size_t(1));
        typedKeysReachTheCommandLine("a player's options");
        QTest::mouseClick(static_cast<QWidget*>(form->SpeedRange()), Qt::LeftButton);
        typedKeysReachTheCommandLine("the speed slider");
    }
};

QTEST_MAIN(Form1PlayTest)
#include "Form1PlayTest.moc"
