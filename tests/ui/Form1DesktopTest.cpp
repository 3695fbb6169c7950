// SPDX-License-Identifier: GPL-3.0-or-later
// The window as an installed desktop program: where Exit writes the settings, the unfinished
// game kept on close and offered at the next start, the real message boxes and menus, and the
// command line without a display.
#include "Form1TestSupport.h"

#include "files/SavedGameFile.h"
#include "window/UnfinishedGameWatch.h"
#include "window/WindowDialogs.h"

#include <QMessageBox>
#include <QProcess>
#include <QPushButton>

using namespace form1test;

namespace {

QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

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

class Form1DesktopTest : public QObject {
    Q_OBJECT

private slots:
    void exitSavesTheSettingsForTheUserWhoIsToldOnce() {
        Sandbox sandbox;
        const QString shipped = sandbox.folder() + "/installed";
        QVERIFY(QDir().mkpath(shipped));
        QVERIFY(QFile::copy(sandbox.path(), shipped + "/ruvo.cfg"));
        const QByteArray original = Bytes(shipped + "/ruvo.cfg");
        QDir::setCurrent(shipped);
        {
            DesktopForm form(sandbox, shipped);
            form->SpeedRange()->setValue(7);
            form.type(QStringLiteral("Sound"));
            form.dialogs->menuPicks = {"Computer", "Not paused", "Playing"};
            QTest::mouseClick(form->PlayerOptions(1), Qt::LeftButton); // computer -> person
            QTest::mouseClick(form->PlayerOptions(2), Qt::LeftButton); // pause on
            QTest::mouseClick(form->PlayerOptions(3), Qt::LeftButton); // removed
            form.type(QStringLiteral("EXIT"));
            QVERIFY(form->endedByGame() && !form->isVisible());

            const QByteArray written = Bytes(form.configFolder + "/ruvo.cfg");
            QCOMPARE(written.left(UserSettings::end(written)),
                     QByteArray("\"Speed Factor\",7,0\r\n"
                                "\"Player Type\",\"H\",\"H\",\"C\",\"C\"\r\n"
                                "\"Player Enabled\",1,1,1,0\r\n"
                                "\"Player Pause\",0,0,1,0\r\n"));
            QCOMPARE(written.mid(UserSettings::end(written)),
                     original.mid(UserSettings::end(original)));
            QCOMPARE(form.dialogs->messages.size(), 1);
            QVERIFY(form.dialogs->messages[0].contains(shipped));
            QVERIFY(form.dialogs->messages[0].contains(form.configFolder + "/ruvo.cfg"));
        }
        DesktopForm again(sandbox, shipped);
        again.type(QStringLiteral("exit"));
        QCOMPARE(again.dialogs->messages, QStringList()); // told once
        QCOMPARE(Bytes(shipped + "/ruvo.cfg"), original);
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
            form.type(QStringLiteral("start"));
            QCOMPARE(moves, 25);
            QVERIFY(form.dialogs->questions.isEmpty());
            QCOMPARE(Bytes(form.unfinished()), atRoundTop);
        }
        DesktopForm again(sandbox, sandbox.folder());
        again.watch->offer();
        QCOMPARE(again.dialogs->questions, QStringList({"Continue the unfinished game?"}));
        QCOMPARE(Saved(*again), atRoundTop);
        QCOMPARE(again->game().state().AwaitingStart, again->game().state().FlagYes);

        // Exit leaves nothing behind; nor does No at the next start.
        again.type(QStringLiteral("exit"));
        QVERIFY(!QFileInfo::exists(again.unfinished()));
        QFile kept(again.unfinished());
        QVERIFY(kept.open(QIODevice::WriteOnly) && kept.write(atRoundTop) > 0);
        kept.close();
        DesktopForm declined(sandbox, sandbox.folder());
        declined.dialogs->answers = {false};
        declined.watch->offer();
        QVERIFY(!QFileInfo::exists(declined.unfinished()));
        QCOMPARE(declined->game().state().CurrentPlayer, -1);
    }

    void personClosedAtThePromptIsPromptedAgain() {
        Sandbox sandbox(UserSettings{.types = "CHCC"});
        {
            // Player 1 throws 6 3 and moves; player 2, a person, throws 6 2.
            DesktopForm form(sandbox, sandbox.folder(), {6, 3, 6, 2});
            form.type(QStringLiteral("start"));
            QCOMPARE(form->game().state().CurrentPlayer, 1);
            form->close();
        }
        const ruvo::SavedGame kept = ruvo::SavedGameFile::Read(
            (sandbox.folder() + "/data/ruvo/unfinished.ruv").toStdString());
        QCOMPARE(kept.CurrentPlayer, 0); // the person's turn starts again from its throw
        QCOMPARE(QString::fromStdString(kept.PieceSquares[0]).left(2), QStringLiteral("04"));

        DesktopForm again(sandbox, sandbox.folder(), {6, 2});
        again.watch->offer();
        again.type(QStringLiteral("start"));
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
        const QString help = run(QStringLiteral("--help"), 0);
        QVERIFY2(help.contains(QStringLiteral("--config <FILE>")), qPrintable(help));
        QVERIFY(help.contains(QStringLiteral("GAME.ruv")));
        QCOMPARE(run(QStringLiteral("--version"), 0), QStringLiteral("ruvo " RUVO_VERSION "\n"));
        const QString bad = run(QStringLiteral("--colour"), 2);
        QVERIFY2(bad.endsWith(QStringLiteral("Usage: ruvo [--config FILE] [GAME.ruv]; ruvo --help "
                                             "lists the options.\n")),
                 qPrintable(bad));
    }

    void realMessageBoxesAnswerYesAndNo() {
        QWidget owner;
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));
        WindowDialogs dialogs;
        QStringList shown;
        // Clicks the named button of the message box once it is up.
        const auto answer = [&](QMessageBox::StandardButton button) {
            CloseLeftOpenLater();
            QTimer::singleShot(0, &owner, [&, button] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                QVERIFY(box && box->button(button));
                shown << box->text();
                box->button(button)->click();
            });
        };
        answer(QMessageBox::Yes);
        QVERIFY(dialogs.askYesNo(&owner, QStringLiteral("Restart ?")));
        answer(QMessageBox::No);
        QVERIFY(!dialogs.askYesNo(&owner, QStringLiteral("Quit current game?")));
        answer(QMessageBox::Ok);
        dialogs.message(&owner, QStringLiteral("Saved"));
        QCOMPARE(shown, QStringList({"Restart ?", "Quit current game?", "Saved"}));
    }

    void realMenuReturnsThePickedItem() {
        Sandbox sandbox;
        Form1 form;
        QVERIFY(form.startUp());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        // Presses the keys in the menu once it is up.
        const auto press = [&](std::vector<Qt::Key> keys) {
            CloseLeftOpenLater();
            QTimer::singleShot(50, &form, [keys] {
                QWidget* popup = QApplication::activePopupWidget();
                QVERIFY(popup);
                for (Qt::Key key : keys) {
                    QTest::keyClick(popup, key);
                }
            });
        };
        // Three steps down and Enter: the third item, "Save Game".
        press({Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Return});
        QAction* chosen = WindowDialogs().popupMenu(form.Menux(), form.mapToGlobal(QPoint(10, 10)));
        QVERIFY(chosen);
        QCOMPARE(chosen->text(), QStringLiteral("Save Game"));
        QCOMPARE(chosen->data().toString(), QStringLiteral("SAVEGAME"));
        // The host hands the word of the picked item to the game; Escape picks nothing.
        press({Qt::Key_Up, Qt::Key_Escape});
        QCOMPARE(form.popupCommandMenu(), std::string());
    }
};

QTEST_MAIN(Form1DesktopTest)
#include "Form1DesktopTest.moc"
