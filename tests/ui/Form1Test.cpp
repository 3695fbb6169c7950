// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: start-up, texts, menus and levels; play by mouse, keys and screen reader; and
// the installed program: settings Exit writes, the unfinished game, the command line.
#include "Form1TestSupport.h"

#include "files/SavedGameFile.h"
#include "window/LevelMenu.h"
#include "window/LevelPreferences.h"
#include "window/UnfinishedGameWatch.h"
#include "window/UserFolders.h"

#include <QAccessible>
#include <QElapsedTimer>
#include <QProcess>
#include <QScreen>
#include <QSettings>

using namespace form1test;

namespace {

void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

QString AccessibleName(QObject* object) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
    return face != nullptr ? face->text(QAccessible::Name) : QString();
}

QByteArray Saved(Form1& form) {
    return QByteArray::fromStdString(ruvo::SavedGameFile::Format(form.game().savedGame()));
}

// The window started the way the program starts it: settings found in their usual places, the
// unfinished-game watch attached.
struct DesktopForm : StartedForm {
    UnfinishedGameWatch* watch = nullptr;
    QString configFolder;
    QString unfinished;

    DesktopForm(const Sandbox& sandbox, const QString& shipped, std::vector<int> draws = {})
        : StartedForm(std::move(draws)), configFolder(sandbox.folder() + "/config/ruvo"),
          unfinished(sandbox.folder() + "/data/ruvo/unfinished.ruv") {
        ruvo::SettingsLocation location(
            std::nullopt,
            {QDir::currentPath().toStdString(), configFolder.toStdString(), shipped.toStdString()});
        if (form->startUp(std::move(location))) {
            watch = new UnfinishedGameWatch(*form, QFileInfo(unfinished).path());
            form->show();
        }
    }
};

} // namespace

class Form1Test : public QObject {
    Q_OBJECT

private slots:
    void windowFollowsTheScreenAndTheGridAndShowsItsTextsAndMenus() {
        Sandbox sandbox;
        StartedForm form;
        QVERIFY(form.start());
        const QScreen* screen = form->screen();
        const QSize frame = form->frameAllowance();
        QCOMPARE(form->width() + frame.width(), qRound(screen->geometry().width() * 0.85));
        QCOMPARE(form->height() + frame.height(), qRound(screen->geometry().height() * 0.85));
        QCOMPARE(form->Commandline()->y(), form->Piece(37)->geometry().bottom() + 1);
        const WindowLayout& layout = *form->boardLayout(); // fifteen tiles each way
        QCOMPARE(QPoint(layout.boardRight, layout.boardBottom), QPoint(15, 15) * layout.tileSize);
        for (int s = 0; s < ruvo::ControlTotal; ++s) {
            QCOMPARE(form->Piece(s)->isVisible(), s < ruvo::SquareTotal);
        }
        QCOMPARE(form->Piece(1)->geometry().left(), form->Piece(0)->geometry().right() + 1);
        // Yards clear of the board, panels inside them clear of the yard squares; each yard
        // painted in its colour inside a white outline.
        const QImage image = form->grab().toImage();
        const QColor colours[4] = {QColor(0, 0, 155), QColor(0, 155, 0), QColor(195, 195, 20),
                                   QColor(200, 0, 0)};
        for (int p = 0; p < 4; ++p) {
            const QRect yard = form->toPixels(layout.yard[p]);
            for (int s = 0; s < ruvo::FirstYardSquare; ++s) {
                QVERIFY2(!yard.intersects(form->Piece(s)->geometry()),
                         qPrintable(u"yard %1 square %2"_s.arg(p).arg(s)));
            }
            const QWidget* panel[] = {form->PlayerInfo(p), form->PlayerOptions(p),
                                      form->PlayerTypePicture(p)};
            for (const QWidget* inside : panel) {
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
        QCOMPARE(form->Start()->caption(), u"MENU"_s);
        QCOMPARE(form->Start()->toolTip(), u"Click for commands"_s);
        for (int p = 0; p < 4; ++p) {
            QCOMPARE(form->PlayerOptions(p)->caption(), u"Options"_s);
            QCOMPARE(form->PlayerOptions(p)->toolTip(),
                     u"Click for Player %1 options"_s.arg(p + 1));
        }
        QCOMPARE(form->Speedframe()->title(), u"Pause between Auto moves"_s);
        QCOMPARE(form->Movesframe()->title(), u"Moves Log"_s);
        QCOMPARE(form->DiceTFrame()->title(), u"Throw Counts"_s);
        QCOMPARE(form->SpeedRange()->value(), 28);
        QCOMPARE(form->SpeedRange()->toolTip(), u"Adjust play speed"_s);
        QCOMPARE(form->findChild<QLabel*>("Label2")->text(), u"LONG"_s);
        QCOMPARE(form->findChild<QLabel*>("Label4")->text(), u"SHORT"_s);
        QCOMPARE(form->DiceCount(6)->text(), u"6's    .   .   .   ."_s);
        QVERIFY(form->DiceCount(0)->font().fixedPitch());
        // A click puts the cursor into the design text; the first key still replaces it.
        QCOMPARE(form->Commandline()->text(), u"Command Line"_s);
        QTRY_COMPARE(QApplication::focusWidget(), form->Commandline());
        QTest::mouseClick(form->Commandline(), Qt::LeftButton);
        form->Commandline()->deselect();
        form.type(u"singleauto"_s);
        QCOMPARE(form.dialogs->messages, QStringList({"Single moves will be automatic"}));
        QCOMPARE(form->Commandline()->text(), QString());
        QTest::mouseClick(form->Start(), Qt::LeftButton);
        QCOMPARE(form.dialogs->menus.value(0),
                 QStringList({"Menu", "Start game", "Sound on/off", "Save Game", "Load saved game",
                              "Help", "About", "-", "Cancel", "-", "Exit"}));
        // The options of player 1 (a person) and 3: pausing and levels offered to computers only.
        QTest::mouseClick(form->PlayerOptions(0), Qt::LeftButton);
        QTest::mouseClick(form->PlayerOptions(2), Qt::RightButton);
        QCOMPARE(form.dialogs->menus.size(), 3);
        QCOMPARE(form.dialogs->menus[1],
                 QStringList({"Player 1 Options", "Human", "Playing", "(Not paused)", "-", "(Easy)",
                              "(Standard)", "(Strong)", "Cancel"}));
        QCOMPARE(form.dialogs->menus[2],
                 QStringList({"Player 3 Options", "Computer", "Playing", "Not paused", "-", "Easy",
                              "Standard", "Strong", "Cancel"}));
        // The help page looked for in the program's data folder.
        form.dialogs->menuPicks = {"Help", "About"};
        QTest::mouseClick(form->Start(), Qt::LeftButton);
        QTest::mouseClick(form->Start(), Qt::LeftButton);
        QCOMPARE(form.dialogs->helpShown,
                 QStringList({UserFolders::programDataFolder() + "/ruvo.htm"}));
        QCOMPARE(form.dialogs->aboutShown, 1);
    }

    void missingSettingsFileIsNamedAndRefused() {
        Sandbox sandbox;
        QVERIFY(QFile::remove(sandbox.path()));
        StartedForm form;
        QVERIFY(!form->startUp());
        const QString message = form.dialogs->messages.value(0);
        QVERIFY2(message.startsWith(u"Ruvo cannot start"_s) &&
                     message.contains("ruvo.cfg: cannot be opened") &&
                     form.dialogs->messages.size() == 1,
                 qPrintable(message));
        QVERIFY(!form->isVisible());
    }

    void optionsJoinADisabledPlayerAndChooseLevelsThatAreKept() {
        Sandbox sandbox(UserSettings{.types = "HCCC", .enabled = "1101"});
        const QByteArray settingsBefore = sandbox.contents();
        {
            StartedForm form;
            QVERIFY(form.start());
            QVERIFY(form->PlayerInfo(2)->isHidden());
            QVERIFY(form->PlayerTypePicture(2)->isHidden());
            QVERIFY(form->Piece(ruvo::YardSquare(2, 0))->isHidden());
            QVERIFY(form->PlayerOptions(2)->isVisible()); // the way back into the game
            form.dialogs->menuPicks = {"Strong", "", "Easy", "Not playing"};
            QTest::mouseClick(form->PlayerOptions(1), Qt::LeftButton);
            QCOMPARE(form->game().levels().level(1), ruvo::ComputerLevel::Strong);
            QCOMPARE(form->PlayerTypePicture(1)->toolTip(),
                     u"Computer to play for this Player (Strong)"_s);
            QVERIFY(form.log().isEmpty());
            QTest::mouseClick(form->PlayerOptions(1), Qt::LeftButton); // the level ticked
            QVERIFY(form->Levels()->item(ruvo::ComputerLevel::Strong)->isChecked());
            QVERIFY(!form->Levels()->item(ruvo::ComputerLevel::Standard)->isChecked());
            QTest::mouseClick(form->PlayerOptions(3), Qt::LeftButton);
            QTest::mouseClick(form->PlayerOptions(2), Qt::LeftButton); // joins the game
            QCOMPARE(form->PlayerInfo(2)->title(), u"PLAYER 3"_s);
            QVERIFY(form->PlayerTypePicture(2)->isVisible());
            QVERIFY(form->Piece(ruvo::YardSquare(2, 0))->isVisible());
            QCOMPARE(form->PlayerTypePicture(2)->toolTip(), u"Computer to play for this Player"_s);
        }
        // Kept beside the settings file, whose own format stays as it was.
        QCOMPARE(sandbox.contents(), settingsBefore);
        QCOMPARE(QSettings("ruvo-prefs.ini", QSettings::IniFormat).value("Players/Level2"),
                 u"Strong"_s);
        StartedForm again;
        QVERIFY(again.start());
        QCOMPARE(again->game().levels().level(1), ruvo::ComputerLevel::Strong);
        QCOMPARE(again->game().levels().level(3), ruvo::ComputerLevel::Easy);
    }

    void levelPreferencesFallBackToStandardAndTellOfAFailedSave() {
        QTemporaryDir folder;
        const LevelPreferences preferences(folder.filePath("ruvo.cfg"));
        QSettings(preferences.path(), QSettings::IniFormat).setValue("Players/Level1", "expert");
        QSettings(preferences.path(), QSettings::IniFormat).setValue("Players/Level2", "easy");
        const std::array<ruvo::ComputerLevel, 4> levels = preferences.load();
        QCOMPARE(levels[0], ruvo::ComputerLevel::Standard); // unknown
        QCOMPARE(levels[1], ruvo::ComputerLevel::Easy);
        QCOMPARE(levels[3], ruvo::ComputerLevel::Standard); // missing
        // A folder that cannot be made: the save says so.
        QVERIFY(QFile(folder.filePath("blocker")).open(QIODevice::WriteOnly));
        QVERIFY(!LevelPreferences(folder.filePath("blocker/ruvo.cfg")).save(levels));
    }

    void closeBoxInTheMiddleOfPlayEndsPromptly_data() {
        QTest::addColumn<int>("speed");
        QTest::addColumn<int>("slider"); // moved before the start, not written by the close box
        QTest::addColumn<int>("closeAfter");
        QTest::addColumn<bool>("strong");
        QTest::addRow("in a wait of 14.5 seconds") << 1 << 2 << 400 << false;
        QTest::addRow("at full speed") << 30 << 29 << 150 << false;
        QTest::addRow("while Strong players think beside the window") << 30 << 30 << 400 << true;
    }

    void closeBoxInTheMiddleOfPlayEndsPromptly() {
        QFETCH(int, speed);
        QFETCH(int, slider);
        QFETCH(int, closeAfter);
        QFETCH(bool, strong);
        Sandbox sandbox(UserSettings{.speed = speed});
        const QByteArray before = sandbox.contents();
        StartedForm form;
        QVERIFY(form.start());
        form->SpeedRange()->setValue(slider);
        for (int p = 0; strong && p < 4; ++p) {
            form->game().levels().setLevel(p, ruvo::ComputerLevel::Strong);
        }
        const auto decisions = [&] {
            size_t made = 0;
            for (int p = 0; p < 4; ++p) {
                made += form->game().levels().thinkMilliseconds(p).size();
            }
            return made;
        };
        // Strong players: closed only once one of them has decided, however slow the machine.
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, form.form.get(), [&] {
            if (!strong || decisions() > 0) {
                closer.stop();
                form->close();
            }
        });
        closer.start(closeAfter);
        QElapsedTimer clock;
        clock.start();
        form.type(u"START"_s);
        QVERIFY2(clock.elapsed() < 10000, "the game went on after the window closed");
        QVERIFY(form.dialogs->questions.isEmpty()); // the game did not reach its end
        QVERIFY(form->game().stopped() && !form->isVisible());
        QCOMPARE(sandbox.contents(), before);
        QCOMPARE(decisions() > 0, strong);
        // Whatever the user does now, nothing more happens.
        const int lines = form->MovesList()->ListCount();
        QVERIFY(lines >= 1);
        form.type(u"START"_s);
        QTest::mouseClick(form->Start(), Qt::LeftButton);
        QCOMPARE(form->MovesList()->ListCount(), lines);
        QVERIFY(form.dialogs->menus.isEmpty());
    }

    void pausedPlayerStopsUntilTheSpaceBar() {
        Sandbox sandbox(UserSettings{.paused = "1000"});
        StartedForm form;
        QVERIFY(form.start());
        const QString paused = u">player paused, hit space bar to continue"_s;
        int linesAtStop = 0;
        int linesAfterSpace = 0;
        QTimer::singleShot(300, form.form.get(), [&] {
            QCOMPARE(form->Commandline()->text(), paused);
            linesAtStop = form->MovesList()->ListCount();
            QTest::keyClick(form->Commandline(), Qt::Key_Space);
        });
        QTimer::singleShot(700, form.form.get(), [&] {
            QCOMPARE(form->Commandline()->text(), paused); // stopped again at the next line
            linesAfterSpace = form->MovesList()->ListCount();
            form->close();
        });
        form.type(u"START"_s);
        QCOMPARE(linesAtStop, 1);
        QVERIFY(linesAfterSpace > linesAtStop);
    }

    void aPersonsTurnIsShownToldAndKeepsTheKeyboardThroughClicks() {
        Sandbox sandbox(UserSettings{.types = "HCCC"});
        StartedForm form({6, 3});
        QVERIFY(form.start());
        QCOMPARE(AccessibleName(form->Piece(4)), u"Square 4: empty"_s);
        QCOMPARE(QAccessible::queryAccessibleInterface(form->Piece(77))->role(),
                 QAccessible::StaticText);
        form.type(u"start"_s);
        const QString prompt = u">Take your turn (enter piece#=moveby)"_s;
        QCOMPARE(form->Commandline()->text(), prompt);
        QCOMPARE(form->Commandline()->palette().color(QPalette::Base), QColor(0, 0, 155));
        QCOMPARE(form->Commandline()->palette().color(QPalette::Text), QColor(Qt::white));
        QCOMPARE(form->DiceHead(0)->text(), u"move by"_s);
        QCOMPARE(form->DiceNumx(0)->face(), 6);
        QCOMPARE(form->DiceNumx(2)->face(), 0);
        // As a screen reader tells it: names following the game, the throw counts as a table.
        QCOMPARE(AccessibleName(form->PlayerInfo(0)), u"Player 1: person, to move"_s);
        QCOMPARE(AccessibleName(form->DiceNumx(0)), u"Player 1 die 1: 6"_s);
        QCOMPARE(form->SpeedRange()->accessibleDescription(),
                 u"Pause between automatic moves: 0 secs"_s);
        QAccessibleTableInterface* counts =
            QAccessible::queryAccessibleInterface(form->DiceTFrame())->tableInterface();
        QVERIFY(counts);
        QCOMPARE(QSize(counts->columnCount(), counts->rowCount()), QSize(4, 6));
        QCOMPARE(counts->rowDescription(5), u"6's"_s);
        QCOMPARE(counts->columnDescription(0), u"P1"_s);
        QCOMPARE(counts->cellAt(5, 0)->text(QAccessible::Name), u"1"_s);
        // The first key typed over the prompt starts a fresh line.
        const auto typedKeysReachTheCommandLine = [&](const char* after) {
            QWidget* focus = QApplication::focusWidget();
            QVERIFY2(focus == form->Commandline(), after);
            QTest::keyClicks(focus, u"3=6"_s);
            QCOMPARE(form->Commandline()->text(), u"3=6"_s);
            form->Commandline()->setText(prompt);
        };
        typedKeysReachTheCommandLine("the prompt");
        QTest::mouseClick(form->Piece(76), Qt::LeftButton); // a piece: its preview shows
        typedKeysReachTheCommandLine("a piece");
        QTest::mouseClick(form.form.get(), Qt::LeftButton, {},
                          form->Piece(76)->geometry().center() +
                              QPoint(0, form->Piece(76)->height()));
        typedKeysReachTheCommandLine("the board");
        QTest::mouseClick(form->PlayerOptions(1), Qt::LeftButton); // opened and dismissed
        QCOMPARE(form.dialogs->menus.size(), 1);
        typedKeysReachTheCommandLine("a player's options");
        QTest::mouseClick(static_cast<QWidget*>(form->SpeedRange()), Qt::LeftButton);
        typedKeysReachTheCommandLine("the speed slider");
    }

    void aGameWithKeysOnly() {
        Sandbox sandbox(UserSettings{.types = "HCCC"});
        // Player 1 throws 6 3, then 6 2, then 1; the computers never open.
        StartedForm started({6, 3, 1, 1, 1, 6, 2, 2, 2, 2, 1});
        started.dialogs->real = true;
        QVERIFY(started.start());
        Form1& form = *started.form;
        // Presses keys in the menu or message box open after ms milliseconds, then closes it if
        // they did not; notes its title.
        QStringList seen;
        const auto pressLater = [&](int ms, std::vector<Qt::Key> keys) {
            QTimer::singleShot(ms, &form, [&seen, keys] {
                QWidget* popup = QApplication::activePopupWidget();
                QWidget* open = popup != nullptr ? popup : QApplication::activeModalWidget();
                if (open == nullptr) {
                    return;
                }
                seen << open->property(open->inherits("QMenu") ? "title" : "text").toString();
                for (Qt::Key key : keys) {
                    QTest::keyClick(open, key);
                }
                open->close();
            });
        };
        const QImage unfocused = form.Start()->grab().toImage();
        for (QWidget* next :
             QList<QWidget*>{form.Start(), form.PlayerOptions(0), form.PlayerOptions(1),
                             form.PlayerOptions(2), form.PlayerOptions(3), form.SpeedRange(),
                             form.MovesList()->focusProxy(), form.Commandline()}) {
            Press(Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
        Press(Qt::Key_Tab, Qt::ShiftModifier);
        Press(Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), form.SpeedRange());
        Press(Qt::Key_Left); // towards LONG
        QCOMPARE(form.game().state().SpeedRange, 29);
        QCOMPARE(form.Label1()->text(), u" 0.5 secs"_s);
        Press(Qt::Key_Right);
        QTest::keyClick(&form, Qt::Key_Space); // at the window: the first dice label clears
        QCOMPARE(form.DiceHead(0)->text(), QString());
        QCOMPARE(form.DiceHead(1)->text(), u"move by"_s);
        QCOMPARE(AccessibleName(form.PlayerOptions(2)), u"Options, player 3"_s);
        QVERIFY(QAccessible::queryAccessibleInterface(form.PlayerOptions(2))
                    ->actionInterface()
                    ->actionNames()
                    .contains(QAccessibleActionInterface::pressAction()));
        QCOMPARE(QAccessible::queryAccessibleInterface(form.Start())->role(), QAccessible::Button);
        form.Start()->setFocus(Qt::TabFocusReason);
        QVERIFY(form.Start()->grab().toImage() != unfocused); // the focus mark
        pressLater(100, {Qt::Key_Down, Qt::Key_Return});
        Press(Qt::Key_Return);
        QCOMPARE(started.dialogs->menuPlaces.value(0),
                 form.Start()->mapToGlobal(QPoint(0, form.Start()->height())));
        QCOMPARE(started.log(), QStringList({"Dice throw :  6  3   "}));
        QCOMPARE(QApplication::focusWidget(), form.Commandline()); // brought by the prompt
        QTest::keyClicks(form.Commandline(), u"2=9"_s);
        Press(Qt::Key_Return);
        QCOMPARE(started.log().last(), u"Dice throw :  6  2   "_s);
        // Arrows: next piece and option, back, round to the last option; Enter moves.
        const std::pair<Qt::Key, const char*> steps[] = {
            {Qt::Key_Right, ">Piece 1 by 6 to square 1 (Enter moves)"},
            {Qt::Key_Down, ">Piece 1 by 8 to square 3 (Enter moves)"},
            {Qt::Key_Right, ">Piece 2 by 2 to square 6 (Enter moves)"},
            {Qt::Key_Left, ">Piece 1 by 6 to square 1 (Enter moves)"},
            {Qt::Key_Up, ">Piece 1 by 8 to square 3 (Enter moves)"}};
        for (const auto& [arrow, preview] : steps) {
            Press(arrow);
            QCOMPARE(form.Commandline()->text(), QString::fromLatin1(preview));
        }
        QVERIFY(form.Piece(ruvo::AmountMarker)->isVisible());
        Press(Qt::Key_Return);
        QVERIFY(started.log().contains(u"Open piece 1 by 8"_s));
        QCOMPARE(form.Commandline()->text().left(1), u">"_s); // the prompt again
        // Player 2's options with Space, removed with Enter on the question's default Yes.
        for (int i = 0; i < 3; ++i) {
            Press(Qt::Key_Tab);
        }
        QCOMPARE(QApplication::focusWidget(), form.PlayerOptions(1));
        pressLater(100, {Qt::Key_Down, Qt::Key_Down, Qt::Key_Return});
        pressLater(400, {Qt::Key_Return});
        Press(Qt::Key_Space);
        QCOMPARE(form.PlayerInfo(1)->title(), u"NOT PLAYING"_s);
        pressLater(100, {Qt::Key_Return});
        Press(Qt::Key_S, Qt::ControlModifier);
        // Escape answers No, Enter Yes.
        pressLater(100, {Qt::Key_Escape});
        Press(Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!form.endedByGame() && form.isVisible());
        pressLater(100, {Qt::Key_Return});
        Press(Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(form.endedByGame() && !form.isVisible());
        QCOMPARE(seen, QStringList({"Menu", "Player 2 Options", "Remove Player 2 ?",
                                    "Game will be saved at the completion of this turn",
                                    "Quit current game?", "Quit current game?"}));
    }

    void exitSavesTheSettingsForTheUserWhoIsToldOnce() {
        Sandbox sandbox;
        const QString shipped = sandbox.folder() + "/installed";
        QVERIFY(QDir().mkpath(shipped));
        QVERIFY(QFile::copy(sandbox.path(), shipped + "/ruvo.cfg"));
        const QByteArray original = ReadAll(shipped + "/ruvo.cfg");
        QDir::setCurrent(shipped);
        {
            DesktopForm form(sandbox, shipped);
            form->SpeedRange()->setValue(7);
            form.type(u"Sound"_s);
            form.dialogs->menuPicks = {"Computer", "Not paused", "Playing"};
            QTest::mouseClick(form->PlayerOptions(1), Qt::LeftButton); // computer -> person
            QTest::mouseClick(form->PlayerOptions(2), Qt::LeftButton); // pause on
            QTest::mouseClick(form->PlayerOptions(3), Qt::LeftButton); // removed
            form.type(u"EXIT"_s);
            const QByteArray written = ReadAll(form.configFolder + "/ruvo.cfg");
            QCOMPARE(written.left(UserSettings::end(written)),
                     QByteArray("\"Speed Factor\",7,0\r\n"
                                "\"Player Type\",\"H\",\"H\",\"C\",\"C\"\r\n"
                                "\"Player Enabled\",1,1,1,0\r\n"
                                "\"Player Pause\",0,0,1,0\r\n"));
            QCOMPARE(form.dialogs->messages.size(), 1);
            QVERIFY(form.dialogs->messages[0].contains(shipped));
            QVERIFY(form.dialogs->messages[0].contains(form.configFolder + "/ruvo.cfg"));
        }
        DesktopForm again(sandbox, shipped);
        again.type(u"exit"_s);
        QCOMPARE(again.dialogs->messages, QStringList()); // told once
        QCOMPARE(ReadAll(shipped + "/ruvo.cfg"), original);
        QCOMPARE(QDir(shipped).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList({"ruvo.cfg"}));
    }

    void computerGameClosedMidMoveContinuesFromItsLastCompleteTurn() {
        Sandbox sandbox(UserSettings{});
        QByteArray atRoundTop;
        {
            DesktopForm form(sandbox, sandbox.folder());
            QObject::connect(form.form.get(), &Form1::roundStarting, form.form.get(),
                             [&] { atRoundTop = Saved(*form.form); });
            // The close box between a piece's lift and place.
            int moves = 0;
            QObject::connect(form.form.get(), &Form1::soundPlayed, form.form.get(),
                             [&](const QString& name) {
                                 if (name == QLatin1String("kvtmove.wav") && ++moves == 25) {
                                     form->close();
                                 }
                             });
            form.type(u"start"_s);
            QCOMPARE(moves, 25);
            QCOMPARE(ReadAll(form.unfinished), atRoundTop);
        }
        DesktopForm again(sandbox, sandbox.folder());
        again.watch->offer();
        QCOMPARE(again.dialogs->questions, QStringList({"Continue the unfinished game?"}));
        QCOMPARE(Saved(*again.form), atRoundTop);
        // Exit leaves nothing behind; nor does No at the next start.
        again.type(u"exit"_s);
        QVERIFY(!QFileInfo::exists(again.unfinished));
        QFile kept(again.unfinished);
        QVERIFY(kept.open(QIODevice::WriteOnly) && kept.write(atRoundTop) > 0);
        kept.close();
        DesktopForm declined(sandbox, sandbox.folder());
        declined.dialogs->answer = false;
        declined.watch->offer();
        QVERIFY(!QFileInfo::exists(declined.unfinished));
        QCOMPARE(declined->game().state().CurrentPlayer, -1);
    }

    void personClosedAtThePromptIsPromptedAgain() {
        Sandbox sandbox(UserSettings{.types = "CHCC"});
        {
            // Player 1 throws 6 3 and moves; player 2, a person, throws 6 2.
            DesktopForm form(sandbox, sandbox.folder(), {6, 3, 6, 2});
            form.type(u"start"_s);
            QCOMPARE(form->game().state().CurrentPlayer, 1);
            form->close();
        }
        const ruvo::SavedGame kept = ruvo::SavedGameFile::Read(
            (sandbox.folder() + "/data/ruvo/unfinished.ruv").toStdString());
        QCOMPARE(kept.CurrentPlayer, 0); // the person's turn starts again from its throw
        QCOMPARE(QString::fromStdString(kept.PieceSquares[0]).left(2), u"04"_s);
        DesktopForm again(sandbox, sandbox.folder(), {6, 2});
        again.watch->offer();
        again.type(u"start"_s);
        QVERIFY(again->game().waitingForPerson());
        QCOMPARE(again->game().state().CurrentPlayer, 1);
    }

    void helpAndVersionWithoutADisplay() {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
            environment.remove(QLatin1String(name));
        }
        const auto run = [&](const QString& argument, int expectedStatus) {
            QProcess process;
            process.setProcessEnvironment(environment);
            process.start(QStringLiteral(RUVO_WINDOW_PATH), {argument});
            process.waitForFinished(20000);
            [&] { QCOMPARE(process.exitCode(), expectedStatus); }();
            return QString::fromLocal8Bit(process.readAllStandardOutput() +
                                          process.readAllStandardError());
        };
        const QString help = run(u"--help"_s, 0);
        QVERIFY2(help.contains(u"--config <FILE>"_s), qPrintable(help));
        QVERIFY(help.contains(u"GAME.ruv"_s));
        QCOMPARE(run(u"--version"_s, 0), QStringLiteral("ruvo " RUVO_VERSION "\n"));
        const QString bad = run(u"--colour"_s, 2);
        QVERIFY2(bad.endsWith(QStringLiteral("Usage: ruvo [--config FILE] [GAME.ruv]; ruvo --help "
                                             "lists the options.\n")),
                 qPrintable(bad));
    }
};

QTEST_MAIN(Form1Test)
#include "Form1Test.moc"
