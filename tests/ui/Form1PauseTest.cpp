// SPDX-License-Identifier: GPL-3.0-or-later
// Pacing in the main window: a paused player's stop with its prompt and beep, ended by the
// space bar; the space bar reaching the window itself; the speed slider and its label; and the
// moves log's font sizes on the right button.
#include "Form1TestSupport.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QScrollBar>

using namespace form1test;

class Form1PauseTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void pausedPlayerStopsUntilTheSpaceBar();
    void spaceBarEndsAPacingWait();
    void spaceAtTheWindowClearsTheFirstDiceLabel();
    void speedSliderShowsTheDelay();
    void rightButtonCyclesTheLogFontSize();
};

void Form1PauseTest::initTestCase() {
    qputenv("XDG_RUNTIME_DIR", QDir::tempPath().toLocal8Bit());
}

void Form1PauseTest::pausedPlayerStopsUntilTheSpaceBar() {
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

    // The first logged line of player 1 stopped the game with the prompt in its colour.
    QCOMPARE(linesAtStop, 1);
    QCOMPARE(promptAtStop, QStringLiteral(">player paused, hit space bar to continue"));
    QCOMPARE(colourAtStop, QColor(0, 0, 155));
    QCOMPARE(soundsAtStop.last(), QStringLiteral("beep2.wav"));
    // The space bar let the game go on to the next stop of the paused player.
    QVERIFY(linesAfterSpace > linesAtStop);
    QCOMPARE(promptAfterSpace, QStringLiteral(">player paused, hit space bar to continue"));
    QVERIFY(clock.elapsed() < 30000);
}

void Form1PauseTest::spaceBarEndsAPacingWait() {
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
    // Within the first wait of 14.5 seconds the space bar moved the game on.
    QVERIFY(linesBefore >= 1);
    QVERIFY(linesAfter > linesBefore);
}

void Form1PauseTest::spaceAtTheWindowClearsTheFirstDiceLabel() {
    Sandbox sandbox;
    StartedForm form;
    QVERIFY(form.start());
    QCOMPARE(form->DiceHead(0)->text(), QStringLiteral("move by"));
    QTest::keyClick(form.form.get(), Qt::Key_Space);
    QCOMPARE(form->DiceHead(0)->text(), QString());
    QCOMPARE(form->DiceHead(1)->text(), QStringLiteral("move by"));
}

void Form1PauseTest::speedSliderShowsTheDelay() {
    Sandbox sandbox;
    StartedForm form;
    QVERIFY(form.start());
    QScrollBar* slider = form->SpeedRange();
    slider->setValue(30);
    QCOMPARE(form->Label1()->text(), QStringLiteral(" 0 secs"));
    QCOMPARE(form->game().state().WaitDelay, 0);
    slider->setValue(1);
    QCOMPARE(form->Label1()->text(), QStringLiteral(" 14.5 secs"));
    QCOMPARE(form->game().state().WaitDelay, 29);
    slider->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(form->Label1()->text(), QStringLiteral(" 14 secs"));
}

void Form1PauseTest::rightButtonCyclesTheLogFontSize() {
    Sandbox sandbox;
    StartedForm form;
    QVERIFY(form.start());
    form->addLogLine("NEW GAME", 0);
    QWidget* surface = form->MovesList()->findChild<QWidget*>(QStringLiteral("Picture1"));
    QVERIFY(surface);
    QList<double> sizes;
    for (int i = 0; i < 4; ++i) {
        QTest::mouseClick(surface, Qt::RightButton, {}, QPoint(10, 5));
        sizes << form->MovesList()->FontSize();
    }
    QCOMPARE(sizes, QList<double>({11, 14, 17, 8}));
    QTest::mouseClick(surface, Qt::LeftButton, {}, QPoint(10, 5));
    QCOMPARE(form->MovesList()->FontSize(), 8.0);
}

QTEST_MAIN(Form1PauseTest)
#include "Form1PauseTest.moc"
