// SPDX-License-Identifier: GPL-3.0-or-later
// Players through the main window: the options menu and its log lines, removing a player and
// the refusals, a removed player's yard cleared when its turn comes, and a saved game that
// cannot be read.
#include "Form1TestSupport.h"

#include <QGroupBox>

using namespace form1test;

class Form1PlayersTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void optionsChangeThePlayerAndAreLogged();
    void theLastTwoPlayersCannotBeRemoved();
    void aBadSavedGameLeavesTheNewGamePosition();
    void typingOverTheDesignTextReplacesIt();
};

void Form1PlayersTest::initTestCase() {
    qputenv("XDG_RUNTIME_DIR", QDir::tempPath().toLocal8Bit());
}

void Form1PlayersTest::optionsChangeThePlayerAndAreLogged() {
    Sandbox sandbox;
    UserSettings settings;
    settings.types = QStringLiteral("HCCC");
    sandbox.setUserSettings(settings);
    StartedForm form;
    QVERIFY(form.start());
    BoxControl* options = form->PlayerOptions(0);

    form.dialogs->menuPicks = {"Cancel"};
    QTest::mouseClick(options, Qt::LeftButton);
    QVERIFY(form.log().isEmpty());

    form.dialogs->menuPicks = {"Human", "Not paused", "Paused", "Computer"};
    QTest::mouseClick(options, Qt::LeftButton);
    QCOMPARE(form->PlayerTypePicture(0)->toolTip(),
             QStringLiteral("Computer to play for this Player"));
    QTest::mouseClick(options, Qt::LeftButton);
    QCOMPARE(form.dialogs->menus.back().captions,
             QStringList({"Computer", "Playing", "Not paused", "-", "Easy", "Standard", "Strong",
                          "Cancel"}));
    QTest::mouseClick(options, Qt::LeftButton);
    QCOMPARE(form.dialogs->menus.back().captions,
             QStringList(
                 {"Computer", "Playing", "Paused", "-", "Easy", "Standard", "Strong", "Cancel"}));
    QTest::mouseClick(options, Qt::LeftButton);
    QCOMPARE(form->PlayerTypePicture(0)->toolTip(),
             QStringLiteral("Human to play for this Player"));
    QCOMPARE(form.log(), QStringList({"set to COMPUTER", "PAUSE ON", "NO PAUSE", "set to HUMAN"}));
    // The person's menu offers no pause.
    form.dialogs->menuPicks = {"Not paused"};
    QTest::mouseClick(options, Qt::LeftButton);
    QCOMPARE(form.dialogs->menus.back().enabled,
             QList<bool>({true, true, false, true, false, false, false, true}));
    QCOMPARE(form.log().size(), 4);
}

void Form1PlayersTest::theLastTwoPlayersCannotBeRemoved() {
    Sandbox sandbox;
    UserSettings settings;
    settings.enabled = QStringLiteral("1100");
    sandbox.setUserSettings(settings);
    StartedForm form;
    QVERIFY(form.start());
    form.dialogs->menuPicks = {"Playing"};
    QTest::mouseClick(form->PlayerOptions(1), Qt::LeftButton);
    QCOMPARE(form.soundsPlayed(), QStringList({"kvterr2.wav"}));
    QVERIFY(form.dialogs->questions.isEmpty());
    QVERIFY(form.log().isEmpty());
    QVERIFY(form->PlayerInfo(1)->isVisible());
}

void Form1PlayersTest::aBadSavedGameLeavesTheNewGamePosition() {
    Sandbox sandbox;
    const QString bad = QDir::current().filePath(QStringLiteral("bad.ruv"));
    {
        QFile file(bad);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("1\r\n45,1\r\n");
    }
    StartedForm form;
    QVERIFY(form.start());
    form.dialogs->menuPicks = {"Load saved game"};
    form.dialogs->files = {bad.toStdString()};
    QTest::mouseClick(form->Start(), Qt::LeftButton);
    QCOMPARE(form.dialogs->messages.size(), 1);
    QVERIFY2(form.dialogs->messages[0].contains(bad), qPrintable(form.dialogs->messages[0]));
    QVERIFY2(form.dialogs->messages[0].contains(QStringLiteral("line 2")),
             qPrintable(form.dialogs->messages[0]));
    QVERIFY(form.log().isEmpty());
    QCOMPARE(form->game().state().CurrentPlayer, -1);
    QCOMPARE(form->Piece(76)->caption(), QStringLiteral("1"));
    QCOMPARE(form->Piece(76)->picture(), ruvo::Picture::Piece0);
}

void Form1PlayersTest::typingOverTheDesignTextReplacesIt() {
    Sandbox sandbox;
    StartedForm form;
    QVERIFY(form.start());
    QCOMPARE(form->Commandline()->text(), QStringLiteral("Command Line"));
    // A click puts the cursor into the text; the first key still replaces the design text.
    QTest::mouseClick(form->Commandline(), Qt::LeftButton);
    form->Commandline()->deselect();
    form.type(QStringLiteral("singleauto"));
    QCOMPARE(form.dialogs->messages, QStringList({"Single moves will be automatic"}));
    QCOMPARE(form->Commandline()->text(), QString());
}

QTEST_MAIN(Form1PlayersTest)
#include "Form1PlayersTest.moc"
