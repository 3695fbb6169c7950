// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's start-up and its return as an installed desktop program: the board, yards
// and panels on the screen's grid, its own texts and menus, a settings file that cannot be used,
// the computer levels kept in ruvo-prefs.ini, where Exit writes the settings, the unfinished
// game kept on close and offered at the next start, and the command line without a display.
#include "Form1TestSupport.h"

#include "files/SavedGameFile.h"
#include "window/LevelMenu.h"
#include "window/LevelPreferences.h"
#include "window/UnfinishedGameWatch.h"
#include "window/UserFolders.h"

#include <QProcess>
#include <QScreen>
#include <QSettings>

using namespace form1test;

namespace {

QByteArray Saved(Form1& form) {
    return QByteArray::fromStdString(ruvo::SavedGameFile::Format(form.game().savedGame()));
}

// The window started the way the program starts it: settings found in their usual places, the
// unfinished-game watch attached.
struct DesktopForm : StartedForm {
    UnfinishedGameWatch* watch = nullptr;
    QString configFolder;
    QString dataFolder;

    DesktopForm(const Sandbox& sandbox, const QString& shipped, std::vector<int> draws = {})
        : StartedForm(std::move(draws)), configFolder(sandbox.folder() + "/config/ruvo"),
          dataFolder(sandbox.folder() + "/data/ruvo") {
        ruvo::SettingsLocation location(
            std::nullopt,
            {QDir::currentPath().toStdString(), configFolder.toStdString(), shipped.toStdString()});
        if (form->startUp(std::move(location))) {
            watch = new UnfinishedGameWatch(*form, dataFolder);
            form->show();
        }
    }
    QString unfinished() const { return dataFolder + "/unfinished.ruv"; }
};

} // namespace

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

        // Fifteen tiles each way; yard squares half a tile away from the middle of their block.
        const WindowLayout& layout = *form->boardLayout();
        const int t = layout.tileSize;
        const int half = qRound(t * 0.5);
        QCOMPARE(QPoint(layout.boardRight, layout.boardBottom), QPoint(15 * t, 15 * t));
        QCOMPARE(QPoint(layout.square[76].left, layout.square[76].top), QPoint(t - half, t - half));
        QCOMPARE(layout.square[78].top, 4 * t + half); // down and right
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
    }

    void controlsAndMenusShowTheirTexts() {
        Sandbox sandbox;
        StartedForm form;
        QVERIFY(form.start());
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

        // The Start cell's command menu; dismissed, nothing happens.
        QTest::mouseClick(form->Start(), Qt::LeftButton);
        QCOMPARE(form.dialogs->menus.at(0).captions,
                 QStringList({"Start game", "Sound on/off", "Save Game", "Load saved game", "Help",
                              "About", "-", "Cancel", "-", "Exit"}));

        // The options of player 1 (a person) and 3: pausing and levels offered to computers only.
        QTest::mouseClick(form->PlayerOptions(0), Qt::LeftButton);
        QTest::mouseClick(form->PlayerOptions(2), Qt::RightButton);
        QCOMPARE(form.dialogs->menus.size(), size_t(3));
        QCOMPARE(form.dialogs->menus[1].title, u"Player 1 Options"_s);
        QCOMPARE(form.dialogs->menus[1].captions,
                 QStringList({"Human", "Playing", "(Not paused)", "-", "(Easy)", "(Standard)",
                              "(Strong)", "Cancel"}));
        QCOMPARE(form.dialogs->menus[2].title, u"Player 3 Options"_s);
        QCOMPARE(form.dialogs->menus[2].captions,
                 QStringList({"Computer", "Playing", "Not paused", "-", "Easy", "Standard",
                              "Strong", "Cancel"}));

        // Help and about from the menu; the help page is looked for in the program's data folder.
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
        QCOMPARE(form.dialogs->messages.size(), 1);
        const QString message = form.dialogs->messages[0];
        QVERIFY2(message.startsWith(u"Ruvo cannot start"_s), qPrintable(message));
        QVERIFY2(message.contains("ruvo.cfg: cannot be opened"), qPrintable(message));
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
            form.dialogs->menuPicks = {"Strong", "", "Easy", "Easy", "Not playing"};
            QTest::mouseClick(form->PlayerOptions(1), Qt::LeftButton);
            QCOMPARE(form->game().levels().level(1), ruvo::ComputerLevel::Strong);
            QCOMPARE(form->PlayerTypePicture(1)->toolTip(),
                     u"Computer to play for this Player (Strong)"_s);
            QVERIFY(form.log().isEmpty());
            // The menu ticks the level; a person's levels cannot be chosen.
            QTest::mouseClick(form->PlayerOptions(1), Qt::LeftButton);
            QVERIFY(form->Levels()->item(ruvo::ComputerLevel::Strong)->isChecked());
            QVERIFY(!form->Levels()->item(ruvo::ComputerLevel::Standard)->isChecked());
            QTest::mouseClick(form->PlayerOptions(0), Qt::LeftButton);
            QCOMPARE(form->game().levels().level(0), ruvo::ComputerLevel::Standard);
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
        QCOMPARE(again->game().levels().level(2), ruvo::ComputerLevel::Standard);
        QCOMPARE(again->game().levels().level(3), ruvo::ComputerLevel::Easy);
    }

    void levelPreferencesFallBackToStandardAndTellOfAFailedSave() {
        QTemporaryDir folder;
        const LevelPreferences preferences(folder.filePath("ruvo.cfg"));
        {
            QSettings file(preferences.path(), QSettings::IniFormat);
            file.setValue("Players/Level1", "expert");
            file.setValue("Players/Level2", "easy");
        }
        const std::array<ruvo::ComputerLevel, 4> levels = preferences.load();
        QCOMPARE(levels[0], ruvo::ComputerLevel::Standard); // unknown
        QCOMPARE(levels[1], ruvo::ComputerLevel::Easy);
        QCOMPARE(levels[3], ruvo::ComputerLevel::Standard); // missing
        // A folder that cannot be made: the save says so.
        QVERIFY(QFile(folder.filePath("blocker")).open(QIODevice::WriteOnly));
        QVERIFY(!LevelPreferences(folder.filePath("blocker/ruvo.cfg")).save(levels));
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
                             [&] { atRoundTop = Saved(*form); });
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
            QCOMPARE(ReadAll(form.unfinished()), atRoundTop);
        }
        DesktopForm again(sandbox, sandbox.folder());
        again.watch->offer();
        QCOMPARE(again.dialogs->questions, QStringList({"Continue the unfinished game?"}));
        QCOMPARE(Saved(*again), atRoundTop);

        // Exit leaves nothing behind; nor does No at the next start.
        again.type(u"exit"_s);
        QVERIFY(!QFileInfo::exists(again.unfinished()));
        QFile kept(again.unfinished());
        QVERIFY(kept.open(QIODevice::WriteOnly) && kept.write(atRoundTop) > 0);
        kept.close();
        DesktopForm declined(sandbox, sandbox.folder());
        declined.dialogs->answerer = [](const QString&) { return false; };
        declined.watch->offer();
        QVERIFY(!QFileInfo::exists(declined.unfinished()));
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

QTEST_MAIN(Form1StartUpTest)
#include "Form1StartUpTest.moc"
