// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's start-up: the board, yards, panels and column as designed, the menus, and
// a settings file that cannot be used.
#include "Form1TestSupport.h"

#include "window/UserFolders.h"

#include <QScreen>

using namespace form1test;

class Form1StartUpTest : public QObject {
    Q_OBJECT

private slots:
    void windowSquaresAndYardsFollowTheScreenAndTheGrid() {
        Sandbox sandbox;
        StartedForm form;
        QVERIFY(form.start());
        const QScreen* screen = form->screen();
        const QSize frame = form->frameAllowance();
        QCOMPARE(form->width() + frame.width(), qRound(screen->geometry().width() * 0.85));
        QCOMPARE(form->height() + frame.height(), qRound(screen->geometry().height() * 0.85));
        // The command line starts right under the board's fifteen rows.
        QCOMPARE(form->Commandline()->y(), form->Piece(37)->geometry().bottom() + 1);

        const WindowLayout& layout = *form->boardLayout();
        const int t = layout.tileSize;
        // From the default grid: square 0 at column 1 row 7, 24 at column 15 row 7, 37 at 9, 15.
        QCOMPARE(layout.square[0].left, 0);
        QCOMPARE(layout.square[0].top, 6 * t);
        QCOMPARE(layout.boardRight, 15 * t);
        QCOMPARE(layout.boardBottom, 15 * t);
        // Yard squares move half a tile away from the middle of their block.
        const int half = qRound(t * 0.5);
        QCOMPARE(layout.square[76].left, 1 * t - half); // grid (2, 2), up and left
        QCOMPARE(layout.square[76].top, 1 * t - half);
        QCOMPARE(layout.square[78].top, 4 * t + half); // grid (5, 5), down and right
        QCOMPARE(layout.start.left, 7 * t);

        for (int s = 0; s < ruvo::SquareTotal; ++s) {
            QCOMPARE(form->Piece(s)->geometry(), form->toPixels(layout.square[s]));
            QVERIFY2(form->Piece(s)->isVisible(), qPrintable(QString::number(s)));
        }
        QCOMPARE(form->Piece(1)->geometry().left(), form->Piece(0)->geometry().right() + 1);
        QCOMPARE(form->Start()->geometry(), form->toPixels(layout.start));
        for (int i = ruvo::SquareTotal; i < ruvo::ControlTotal; ++i) {
            QVERIFY(form->Piece(i)->isHidden());
        }
        // Yards clear of the board, panels inside them clear of the yard squares; each yard
        // painted in its colour inside a white outline.
        const QImage image = form->grab().toImage();
        const QColor colours[4] = {QColor(0, 0, 155), QColor(0, 155, 0), QColor(195, 195, 20),
                                   QColor(200, 0, 0)};
        for (int p = 0; p < 4; ++p) {
            const QRect yard = form->toPixels(layout.yard[p]);
            for (int s = 0; s < ruvo::FirstYardSquare; ++s) {
                QVERIFY2(!yard.intersects(form->Piece(s)->geometry()),
                         qPrintable(QStringLiteral("yard %1 square %2").arg(p).arg(s)));
            }
            for (QWidget* inside : {static_cast<QWidget*>(form->PlayerInfo(p)),
                                    static_cast<QWidget*>(form->PlayerOptions(p)),
                                    static_cast<QWidget*>(form->PlayerTypePicture(p))}) {
                QVERIFY(yard.contains(inside->geometry()));
                for (int k = 0; k < 4; ++k) {
                    QVERIFY(!inside->geometry().intersects(
                        form->Piece(ruvo::YardSquare(p, k))->geometry()));
                }
            }
            // Between the top two yard squares, above the type picture's row: bare yard.
            const QRect first = form->Piece(ruvo::YardSquare(p, 0))->geometry();
            QCOMPARE(image.pixelColor(first.right() + 3, first.top() - 3), colours[p]);
            QCOMPARE(image.pixelColor(yard.topLeft() + QPoint(yard.width() / 2, 0)),
                     QColor(Qt::white));
        }
    }

    void controlsShowTheirDesignTexts() {
        Sandbox sandbox;
        StartedForm form;
        QVERIFY(form.start());
        QCOMPARE(form->Start()->caption(), QStringLiteral("MENU"));
        QCOMPARE(form->Start()->toolTip(), QStringLiteral("Click for commands"));
        for (int p = 0; p < 4; ++p) {
            QCOMPARE(form->PlayerInfo(p)->title(), QStringLiteral("PLAYER %1").arg(p + 1));
            QCOMPARE(form->PlayerOptions(p)->caption(), QStringLiteral("Options"));
            QCOMPARE(form->PlayerOptions(p)->toolTip(),
                     QStringLiteral("Click for Player %1 options").arg(p + 1));
            QVERIFY(form->DiceHead(p)->isHidden());
            for (int k = 0; k < 4; ++k) {
                BoxControl* yard = form->Piece(ruvo::YardSquare(p, k));
                QCOMPARE(yard->caption(), QString::number(k + 1));
                QCOMPARE(yard->picture(), ruvo::PiecePicture(p));
            }
            QCOMPARE(form->DiceNumx(3 * p)->face(), 0);
        }
        // The default settings: a person plays player 1, the computer the others.
        QCOMPARE(form->PlayerTypePicture(0)->picture(), ruvo::Picture::Human);
        QCOMPARE(form->PlayerTypePicture(0)->toolTip(),
                 QStringLiteral("Human to play for this Player"));
        QCOMPARE(form->PlayerTypePicture(1)->picture(), ruvo::Picture::Computer);
        for (int square : {57, 63, 69, 75}) {
            QCOMPARE(form->Piece(square)->picture(), ruvo::Picture::WonPos);
            QVERIFY(!form->Piece(square)->fontbold());
        }
        QVERIFY(!form->BlackTile(0)->fontbold());
        QCOMPARE(form->BlackTile(0)->backcolor(), QColor(0x80, 0x80, 0x80));

        QCOMPARE(form->Speedframe()->title(), QStringLiteral("Pause between Auto moves"));
        QCOMPARE(form->Movesframe()->title(), QStringLiteral("Moves Log"));
        QCOMPARE(form->DiceTFrame()->title(), QStringLiteral("Throw Counts"));
        QCOMPARE(form->SpeedRange()->value(), 28);
        QCOMPARE(form->SpeedRange()->toolTip(), QStringLiteral("Adjust play speed"));
        QCOMPARE(form->Label1()->text(), QStringLiteral(" 1 secs"));
        QCOMPARE(form->findChild<QLabel*>("Label2")->text(), QStringLiteral("LONG"));
        QCOMPARE(form->findChild<QLabel*>("Label4")->text(), QStringLiteral("SHORT"));
        QCOMPARE(form->DiceCount(0)->text(), QStringLiteral("      P1  P2  P3  P4"));
        QCOMPARE(form->DiceCount(6)->text(), QStringLiteral("6's    .   .   .   ."));
        QVERIFY(form->DiceCount(0)->font().fixedPitch());

        QCOMPARE(form->MovesList()->ListCount(), 0);

        // A click puts the cursor into the design text; the first key still replaces it.
        QCOMPARE(form->Commandline()->text(), QStringLiteral("Command Line"));
        QTRY_COMPARE(QApplication::focusWidget(), form->Commandline());
        QTest::mouseClick(form->Commandline(), Qt::LeftButton);
        form->Commandline()->deselect();
        form.type(QStringLiteral("singleauto"));
        QCOMPARE(form.dialogs->messages, QStringList({"Single moves will be automatic"}));
        QCOMPARE(form->Commandline()->text(), QString());
    }

    void menusHaveTheirItemsInOrder() {
        Sandbox sandbox;
        StartedForm form;
        QVERIFY(form.start());
        // Click the Start cell: the click sound, then the command menu; dismissed, nothing happens.
        QTest::mouseClick(form->Start(), Qt::LeftButton);
        QCOMPARE(form.dialogs->menus.size(), size_t(1));
        QCOMPARE(form.dialogs->menus[0].captions,
                 QStringList({"Start game", "Sound on/off", "Save Game", "Load saved game", "Help",
                              "About", "-", "Cancel", "-", "Exit"}));
        QCOMPARE(form.soundsPlayed(), QStringList({"Shsh-dot.wav"}));
        QCOMPARE(form->game().state().CurrentPlayer, -1);

        // The options of player 1 (a person): its captions, and pausing offered to computers only.
        QTest::mouseClick(form->PlayerOptions(0), Qt::LeftButton);
        QTest::mouseClick(form->PlayerOptions(2), Qt::RightButton);
        QCOMPARE(form.dialogs->menus.size(), size_t(3));
        QCOMPARE(form.dialogs->menus[1].title, QStringLiteral("Player 1 Options"));
        QCOMPARE(form.dialogs->menus[1].captions,
                 QStringList({"Human", "Playing", "Not paused", "-", "Easy", "Standard", "Strong",
                              "Cancel"}));
        QCOMPARE(form.dialogs->menus[1].enabled,
                 QList<bool>({true, true, false, true, false, false, false, true}));
        QCOMPARE(form.dialogs->menus[2].title, QStringLiteral("Player 3 Options"));
        QCOMPARE(form.dialogs->menus[2].captions,
                 QStringList({"Computer", "Playing", "Not paused", "-", "Easy", "Standard",
                              "Strong", "Cancel"}));
        QCOMPARE(form.dialogs->menus[2].enabled,
                 QList<bool>({true, true, true, true, true, true, true, true}));

        // Help and about from the menu; the help page is looked for in the program's data folder.
        form.dialogs->menuPicks = {"Help", "About"};
        QTest::mouseClick(form->Start(), Qt::LeftButton);
        QTest::mouseClick(form->Start(), Qt::LeftButton);
        QCOMPARE(form.dialogs->helpShown,
                 QStringList({UserFolders::programDataFolder() + "/ruvo.htm"}));
        QCOMPARE(form.dialogs->aboutShown, 1);
    }

    void disabledPlayerAndOutOfRangeSpeed() {
        Sandbox sandbox;
        UserSettings settings;
        settings.speed = 31;
        settings.enabled = QStringLiteral("1101");
        sandbox.setUserSettings(settings);
        StartedForm form;
        QVERIFY(form.start());
        QCOMPARE(form->SpeedRange()->value(), 30);
        QVERIFY(form->PlayerInfo(2)->isHidden());
        QVERIFY(form->PlayerTypePicture(2)->isHidden());
        QVERIFY(form->PlayerOptions(2)->isVisible()); // the way back into the game
        for (int k = 0; k < 4; ++k) {
            QVERIFY(form->Piece(ruvo::YardSquare(2, k))->isHidden());
            QVERIFY(form->Piece(ruvo::YardSquare(3, k))->isVisible());
        }
        QCOMPARE(form->game().state().PlayerCount, 3);

        // Its options button lets the player join again.
        form.dialogs->menuPicks = {"Not playing"};
        QTest::mouseClick(form->PlayerOptions(2), Qt::LeftButton);
        QCOMPARE(form->PlayerInfo(2)->title(), QStringLiteral("PLAYER 3"));
        QVERIFY(form->PlayerTypePicture(2)->isVisible());
        QVERIFY(form->Piece(ruvo::YardSquare(2, 0))->isVisible());
    }

    void missingSettingsFileIsNamedAndRefused() {
        Sandbox sandbox;
        QVERIFY(QFile::remove(sandbox.path()));
        StartedForm form;
        QVERIFY(!form->startUp());
        QCOMPARE(form.dialogs->messages.size(), 1);
        const QString message = form.dialogs->messages[0];
        QVERIFY2(message.contains("ruvo.cfg: cannot be opened"), qPrintable(message));
        QVERIFY2(message.startsWith(QStringLiteral("Ruvo cannot start")), qPrintable(message));
        QVERIFY(!form->isVisible());
        QVERIFY(form.soundsPlayed().isEmpty());
    }
};

QTEST_MAIN(Form1StartUpTest)
#include "Form1StartUpTest.moc"
