// SPDX-License-Identifier: GPL-3.0-or-later
// Leaving the program: No to Exit's question leaving everything as it was, Yes rewriting only the
// user settings at the top of ruvo.cfg, the close box writing nothing; and the real message
// boxes and menus the window shows outside the tests.
#include "Form1TestSupport.h"

#include "engine/qt/WindowDialogs.h"

#include <QMessageBox>
#include <QPushButton>

using namespace form1test;

class Form1QuitTest : public QObject {
    Q_OBJECT

private slots:
    void exitRewritesOnlyTheFirstFourLines() {
        Sandbox sandbox;
        const QByteArray original = sandbox.contents();
        StartedForm form;
        QVERIFY(form.start());

        // Change every kind of setting: the speed, the sound, a player's type, enabled and pause.
        form->SpeedRange()->setValue(7);
        form.type(QStringLiteral("Sound"));
        form.dialogs->menuPicks = {"Computer", "Not paused", "Playing"};
        QTest::mouseClick(form->PlayerOptions(1), Qt::LeftButton); // computer -> person
        QTest::mouseClick(form->PlayerOptions(2), Qt::LeftButton); // pause on
        QTest::mouseClick(form->PlayerOptions(3), Qt::LeftButton); // removed
        QCOMPARE(form.dialogs->questions, QStringList({"Remove Player 4 ?"}));
        QVERIFY(form->PlayerInfo(3)->isHidden());

        // No keeps the game and the file as they were.
        form.dialogs->answers = {false};
        form.type(QStringLiteral("exit"));
        QCOMPARE(form.dialogs->questions.last(), QStringLiteral("Quit current game?"));
        QVERIFY(form->isVisible());
        QVERIFY(!form->endedByGame());
        QVERIFY(!form->game().stopped());
        QCOMPARE(sandbox.contents(), original);

        form.dialogs->menuPicks = {"Exit"};
        QTest::mouseClick(form->Start(), Qt::LeftButton);
        QCOMPARE(form.dialogs->questions.last(), QStringLiteral("Quit current game?"));
        QVERIFY(form->endedByGame());
        QVERIFY(!form->isVisible());
        // Sound was switched off: the closing sound is silent too.
        QVERIFY(!form.soundsPlayed().contains(QStringLiteral("Thanks.Wav")));

        const QByteArray written = sandbox.contents();
        const QByteArray top = "\"Speed Factor\",7,0\r\n"
                               "\"Player Type\",\"H\",\"H\",\"C\",\"C\"\r\n"
                               "\"Player Enabled\",1,1,1,0\r\n"
                               "\"Player Pause\",0,0,1,0\r\n";
        QVERIFY2(written.startsWith(top), written.left(200).constData());
        int at = 0;
        for (int line = 0; line < 4; ++line) {
            at = original.indexOf('\n', at) + 1;
        }
        QCOMPARE(written.mid(top.size()), original.mid(at));
    }

    void closeBoxWritesNothing() {
        Sandbox sandbox;
        UserSettings settings;
        settings.speed = 12;
        sandbox.setUserSettings(settings);
        const QByteArray original = sandbox.contents();
        StartedForm form;
        QVERIFY(form.start());
        form->SpeedRange()->setValue(3);
        QVERIFY(form->close());
        QVERIFY(form->game().stopped());
        QVERIFY(!form->endedByGame());
        QVERIFY(form.dialogs->questions.isEmpty());
        QCOMPARE(sandbox.contents(), original);
    }

    void realMessageBoxesAnswerYesAndNo() {
        QWidget owner;
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));
        WindowDialogs dialogs;
        QStringList shown;
        // Clicks the named button of the message box once it is up.
        auto answer = [&](QMessageBox::StandardButton button) {
            QTimer::singleShot(0, &owner, [&, button] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                QVERIFY(box);
                shown << box->text();
                QVERIFY(box->button(button));
                box->button(button)->click();
            });
        };
        QTimer failSafe;
        failSafe.setSingleShot(true);
        connect(&failSafe, &QTimer::timeout, &owner, [] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                modal->close();
            }
        });
        failSafe.start(10000);

        answer(QMessageBox::Yes);
        QVERIFY(dialogs.askYesNo(&owner, QStringLiteral("Restart ?")));
        answer(QMessageBox::No);
        QVERIFY(!dialogs.askYesNo(&owner, QStringLiteral("Quit current game?")));
        answer(QMessageBox::Ok);
        dialogs.message(&owner, QStringLiteral("Start loaded game ?"));
        QCOMPARE(shown, QStringList({"Restart ?", "Quit current game?", "Start loaded game ?"}));
        QVERIFY(failSafe.isActive());
    }

    void realMenuReturnsThePickedItem() {
        Sandbox sandbox;
        auto form = std::make_unique<Form1>();
        QVERIFY(form->startUp());
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        WindowDialogs dialogs;
        // Three steps down and Enter: the third item, "Save Game".
        QTimer::singleShot(50, form.get(), [] {
            QWidget* popup = QApplication::activePopupWidget();
            QVERIFY(popup);
            QTest::keyClick(popup, Qt::Key_Down);
            QTest::keyClick(popup, Qt::Key_Down);
            QTest::keyClick(popup, Qt::Key_Down);
            QTest::keyClick(popup, Qt::Key_Return);
        });
        QTimer::singleShot(5000, form.get(), [] {
            if (QWidget* popup = QApplication::activePopupWidget()) {
                popup->close();
            }
        });
        QAction* chosen = dialogs.popupMenu(form->Menux(), form->mapToGlobal(QPoint(10, 10)));
        QVERIFY(chosen);
        QCOMPARE(chosen->text(), QStringLiteral("Save Game"));
        QCOMPARE(chosen->data().toString(), QStringLiteral("SAVEGAME"));
        // The host hands the word of the picked item to the game.
        QTimer::singleShot(50, form.get(), [] {
            QWidget* popup = QApplication::activePopupWidget();
            QVERIFY(popup);
            QTest::keyClick(popup, Qt::Key_Up); // from the top, up wraps round to "Exit"
            QTest::keyClick(popup, Qt::Key_Escape);
        });
        QCOMPARE(form->popupCommandMenu(), std::string());
    }
};

QTEST_MAIN(Form1QuitTest)
#include "Form1QuitTest.moc"
