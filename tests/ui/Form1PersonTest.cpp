// SPDX-License-Identifier: GPL-3.0-or-later
// A person's turn in the main window: the prompt and its colours, the click preview with its two
// markers, cycling and confirming an option, the pointer leaving to cancel, typed moves and
// refused lines, the automatic move by "A" and by the dice label, a restart while the person is
// to move, and handing the turn to the computer.
#include "Form1TestSupport.h"

#include "board/qt/DieImage.h"

#include <QGroupBox>
#include <QLabel>

using namespace form1test;

namespace {

const QString TurnPrompt = QStringLiteral(">Take your turn (enter piece#=moveby)");

// Player 1 is a person, the others computers; no pacing.
void PersonAgainstComputers(Sandbox& sandbox) {
    UserSettings settings;
    settings.types = QStringLiteral("HCCC");
    sandbox.setUserSettings(settings);
}

} // namespace

class Form1PersonTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void promptShowsThePlayersColourAndDice();
    void clickPreviewCyclesCancelsAndConfirms();
    void typedMovesAndRefusedLines();
    void automaticMoveByDiceLabelAndRestart();
    void personHandedToTheComputerPlaysOn();
};

void Form1PersonTest::initTestCase() {
    qputenv("XDG_RUNTIME_DIR", QDir::tempPath().toLocal8Bit());
}

void Form1PersonTest::promptShowsThePlayersColourAndDice() {
    Sandbox sandbox;
    PersonAgainstComputers(sandbox);
    StartedForm form({6, 3});
    QVERIFY(form.start());
    form.type(QStringLiteral("Start"));

    QCOMPARE(form->Commandline()->text(), TurnPrompt);
    QCOMPARE(form->Commandline()->palette().color(QPalette::Base), QColor(0, 0, 155));
    QCOMPARE(form->Commandline()->palette().color(QPalette::Text), QColor(Qt::white));
    QCOMPARE(QApplication::focusWidget(), form->Commandline());
    QVERIFY(form->DiceHead(0)->isVisible());
    QCOMPARE(form->DiceHead(0)->text(), QStringLiteral("move by"));
    QCOMPARE(form->DiceNumx(0)->face(), 6);
    QCOMPARE(form->DiceNumx(1)->face(), 3);
    QCOMPARE(form->DiceNumx(2)->face(), 0);
    QCOMPARE(form.log(), QStringList({"Dice throw :  6  3   "}));
    QCOMPARE(form->DiceCount(6)->text(), QStringLiteral("6's    1   .   .   ."));

    // The first key typed over the prompt starts a fresh line.
    QTest::keyClicks(form->Commandline(), QStringLiteral("2"));
    QCOMPARE(form->Commandline()->text(), QStringLiteral("2"));
}

void Form1PersonTest::clickPreviewCyclesCancelsAndConfirms() {
    Sandbox sandbox;
    PersonAgainstComputers(sandbox);
    // Player 1 throws 6 and 3 (piece 2 opens by 9), the computers cannot open, player 1 throws
    // 6 and 2, the computers again cannot open, and player 1 throws 1.
    StartedForm form({6, 3, 1, 1, 1, 6, 2, 2, 2, 2, 1});
    QVERIFY(form.start());
    form.type(QStringLiteral("START"));
    form.type(QStringLiteral("2=9"));
    QCOMPARE(form.log().last(), QStringLiteral("Dice throw :  6  2   "));
    BoxControl* amount = form->Piece(ruvo::AmountMarker);
    BoxControl* target = form->Piece(ruvo::TargetMarker);
    QVERIFY(amount->isHidden() && target->isHidden());

    // Clicking the yard piece 1 shows its first option: 6 onto the start square.
    form.sounds->clear();
    QTest::mouseClick(form->Piece(76), Qt::LeftButton);
    QVERIFY(amount->isVisible() && target->isVisible());
    QCOMPARE(amount->caption(), QStringLiteral("06+"));
    QCOMPARE(amount->geometry(), form->Piece(76)->geometry());
    QCOMPARE(target->geometry(), form->Piece(1)->geometry());
    QCOMPARE(target->picture(), ruvo::Picture::Target);
    QCOMPARE(form.soundsPlayed(), QStringList({"kvtmove.wav"}));

    // Left clicks on the amount marker run through the options and back.
    QTest::mouseClick(amount, Qt::LeftButton);
    QCOMPARE(amount->caption(), QStringLiteral("08+"));
    QCOMPARE(target->geometry(), form->Piece(3)->geometry());
    QTest::mouseClick(amount, Qt::LeftButton);
    QCOMPARE(amount->caption(), QStringLiteral("06+"));

    // Leaving the marker cancels: over another square, over the target, over a panel.
    QTest::mouseMove(form->Piece(50));
    QVERIFY(amount->isHidden() && target->isHidden());
    QTest::mouseClick(form->Piece(76), Qt::LeftButton);
    QTest::mouseMove(target);
    QVERIFY(amount->isHidden());
    QTest::mouseClick(form->Piece(76), Qt::LeftButton);
    QTest::mouseMove(form->PlayerInfo(1));
    QVERIFY(amount->isHidden());
    QTest::mouseClick(form->Piece(76), Qt::LeftButton);
    QTest::mouseMove(amount, QPoint(2, 2)); // moving on the marker itself keeps it
    QVERIFY(amount->isVisible());

    // A right click on the marker makes the move; the throw 2 is left to play.
    QTest::mouseClick(amount, Qt::RightButton);
    QVERIFY(amount->isHidden() && target->isHidden());
    QCOMPARE(form->Piece(1)->picture(), ruvo::Picture::Piece0);
    QCOMPARE(form->Piece(1)->caption(), QStringLiteral(" 1"));
    QCOMPARE(form->Piece(76)->picture(), ruvo::Picture::Blank);
    QCOMPARE(form->Piece(76)->caption(), QString());
    QCOMPARE(form->DiceNumx(0)->face(), 2);
    QCOMPARE(form->DiceNumx(1)->face(), 0);
    QCOMPARE(form.log().last(), QStringLiteral("Open piece 1 by 6"));
    QVERIFY(form.soundsPlayed().contains(QStringLiteral("ruvOpen.wav")));

    // A click on an opponent's piece or an empty square shows nothing.
    QTest::mouseClick(form->Piece(80), Qt::LeftButton);
    QTest::mouseClick(form->Piece(30), Qt::LeftButton);
    QVERIFY(amount->isHidden());

    QTest::mouseClick(form->Piece(1), Qt::LeftButton);
    QCOMPARE(amount->caption(), QStringLiteral("02+"));
    QCOMPARE(target->geometry(), form->Piece(3)->geometry());
    QTest::mouseClick(amount, Qt::RightButton);

    // The turn passed round the computers and came back to the person with a 1.
    const QStringList log = form.log();
    QCOMPARE(log.mid(log.indexOf(QStringLiteral("Open piece 1 by 6"))),
             QStringList({"Open piece 1 by 6", "Move piece 1 by 2", "Dice throw :  2     ",
                          "No move", "Dice throw :  2     ", "No move", "Dice throw :  2     ",
                          "No move", "Dice throw :  1     "}));
    QCOMPARE(form->Piece(3)->caption(), QStringLiteral(" 1"));
    QCOMPARE(form->Piece(4)->caption(), QStringLiteral(" 2"));
    QCOMPARE(form->Piece(1)->picture(), ruvo::Picture::Blank);
    QCOMPARE(form->Piece(1)->backcolor(), QColor(0, 0, 155)); // a start square keeps its colour
    QCOMPARE(form->Commandline()->text(), TurnPrompt);
    QCOMPARE(form->DiceHead(1)->text(), QStringLiteral("no move"));
}

void Form1PersonTest::typedMovesAndRefusedLines() {
    Sandbox sandbox;
    PersonAgainstComputers(sandbox);
    StartedForm form({6, 3, 1, 1, 1, 2, 2, 2, 2, 5});
    QVERIFY(form.start());
    form.type(QStringLiteral("start"));
    const int logged = form.log().size();

    // A piece number outside 1..4 and ABOUT are refused with the error sound.
    for (const char* line : {"5", "about"}) {
        form.sounds->clear();
        form.type(QLatin1String(line));
        QCOMPARE(form.soundsPlayed(), QStringList({"kvterr2.wav"}));
    }
    // A piece with no option of the amount: nothing at all.
    form.sounds->clear();
    form.type(QStringLiteral("2=5"));
    QVERIFY(form.soundsPlayed().isEmpty());
    QCOMPARE(form.log().size(), logged);
    QCOMPARE(form->Commandline()->text(), QString());

    // "1,9": piece 1 by 9 in one go; the turn passes and comes back with a 2.
    form.type(QStringLiteral("1 , 9"));
    QCOMPARE(form.log().at(logged), QStringLiteral("Open piece 1 by 9"));
    QCOMPARE(form->Piece(4)->caption(), QStringLiteral(" 1"));
    QCOMPARE(form->Commandline()->text(), TurnPrompt);
    QCOMPARE(form.log().last(), QStringLiteral("Dice throw :  2     "));

    // "a": the computer's choice for the person.
    form.type(QStringLiteral("a"));
    QVERIFY(form.log().contains(QStringLiteral("Auto move piece 1 by 2")));
    QCOMPARE(form->Piece(6)->caption(), QStringLiteral(" 1"));
    QCOMPARE(form.log().last(), QStringLiteral("Dice throw :  5     "));

    // A typed amount that is one of the options: "1=5".
    form.type(QStringLiteral("1=5"));
    QVERIFY(form.log().contains(QStringLiteral("Move piece 1 by 5")));
    QCOMPARE(form->Piece(11)->caption(), QStringLiteral(" 1"));
}

void Form1PersonTest::automaticMoveByDiceLabelAndRestart() {
    Sandbox sandbox;
    PersonAgainstComputers(sandbox);
    StartedForm form({6, 3, 1, 1, 1, 2, 6, 3});
    QVERIFY(form.start());
    form.type(QStringLiteral("START"));

    // A left click on the person's dice label does nothing; a right click moves for it.
    QTest::mouseClick(form->DiceHead(0), Qt::LeftButton);
    QCOMPARE(form.log().size(), 1);
    QTest::mouseClick(form->DiceHead(0), Qt::RightButton);
    QVERIFY(form.log().at(1).startsWith(QStringLiteral("Open piece ")));
    QCOMPARE(form.log().last(), QStringLiteral("Dice throw :  2     "));
    QCOMPARE(form->Commandline()->text(), TurnPrompt);

    // START while the person is to move: "Restart ?", then a new game starts at once.
    form.dialogs->menuPicks = {"Start game"};
    QTest::mouseClick(form->Start(), Qt::LeftButton);
    QCOMPARE(form.dialogs->questions, QStringList({"Restart ?"}));
    const QStringList log = form.log();
    const int restarted = log.indexOf(QStringLiteral("GAME RESTARTED"));
    QVERIFY(restarted > 0);
    QCOMPARE(log.mid(restarted + 1), QStringList({"Dice throw :  6  3   "}));
    for (int k = 0; k < 4; ++k) {
        QCOMPARE(form->Piece(ruvo::YardSquare(0, k))->caption(), QString::number(k + 1));
    }
    QCOMPARE(form->Commandline()->text(), TurnPrompt);
    QCOMPARE(form->game().state().TurnCount, 1);
}

void Form1PersonTest::personHandedToTheComputerPlaysOn() {
    Sandbox sandbox;
    PersonAgainstComputers(sandbox);
    StartedForm form({6, 3});
    QVERIFY(form.start());
    const QColor ownColour = form->Commandline()->palette().color(QPalette::Base);
    form.type(QStringLiteral("START"));
    form.dialogs->defaultAnswer = false; // then No to a new game: the program ends
    form.dialogs->menuPicks = {"Human"};
    QTest::mouseClick(form->PlayerOptions(0), Qt::LeftButton);

    // The computer played the person's throws and then the whole game.
    QCOMPARE(form.dialogs->menus.back().captions.first(), QStringLiteral("Human"));
    QCOMPARE(form.log().at(1), QStringLiteral("set to COMPUTER"));
    QVERIFY(form.log().at(2).startsWith(QStringLiteral("Open piece ")));
    QCOMPARE(form.dialogs->questions, QStringList({"Game finished, restart?"}));
    QCOMPARE(form->PlayerTypePicture(0)->picture(), ruvo::Picture::Computer);
    QCOMPARE(form->PlayerTypePicture(0)->toolTip(),
             QStringLiteral("Computer to play for this Player"));
    QCOMPARE(form->Commandline()->palette().color(QPalette::Base), ownColour);
    QVERIFY(form->endedByGame());
    QVERIFY(sandbox.contents().startsWith(
        "\"Speed Factor\",30,1\r\n\"Player Type\",\"C\",\"C\",\"C\",\"C\"\r\n"));
}

QTEST_MAIN(Form1PersonTest)
#include "Form1PersonTest.moc"
