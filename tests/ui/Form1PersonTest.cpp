// SPDX-License-Identifier: GPL-3.0-or-later
// A person's turn in the main window: the prompt and its colours, the keyboard kept by the
// command line through clicks, and the person handed to the computer, who plays the game to its
// end: No to a new game writes the settings and ends the program.
#include "Form1TestSupport.h"

using namespace form1test;

namespace {

const QString TurnPrompt = QStringLiteral(">Take your turn (enter piece#=moveby)");

} // namespace

class Form1PersonTest : public QObject {
    Q_OBJECT

private slots:

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
        QTest::mouseClick(form->PlayerOptions(1),
                          Qt::LeftButton); // the menu opens and is dismissed
        QCOMPARE(form.dialogs->menus.size(), size_t(1));
        typedKeysReachTheCommandLine("a player's options");
        QTest::mouseClick(static_cast<QWidget*>(form->SpeedRange()), Qt::LeftButton);
        typedKeysReachTheCommandLine("the speed slider");
    }

    void personHandedToTheComputerPlaysOn() {
        Sandbox sandbox;
        PersonAgainstComputers(sandbox);
        StartedForm form({6, 3});
        QVERIFY(form.start());
        const QColor ownColour = form->Commandline()->palette().color(QPalette::Base);
        form.type(QStringLiteral("START"));
        form.dialogs->answerer = [&](const QString&) {
            form->SpeedRange()->setValue(27); // the slider works during the game too
            return false;                     // No to a new game: the program ends
        };
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
        QVERIFY(!form->isVisible());
        QCOMPARE(form.soundsPlayed().last(), QStringLiteral("Thanks.Wav"));
        QVERIFY(sandbox.contents().startsWith(
            "\"Speed Factor\",27,1\r\n\"Player Type\",\"C\",\"C\",\"C\",\"C\"\r\n"));
    }
};

QTEST_MAIN(Form1PersonTest)
#include "Form1PersonTest.moc"
