// SPDX-License-Identifier: GPL-3.0-or-later
// The main window without a mouse and for a screen reader: Tab order, focus mark, accessible
// names following the game, and a game played with keys only.
#include "Form1TestSupport.h"

#include <QAccessible>
#include <QApplication>

using namespace form1test;

namespace {

// Shows the real menus, so that they are worked with the keys, and records where they opened.
class KeyMenus : public ScriptedDialogs {
public:
    QList<QPoint> menuPositions;
    QAction* popupMenu(QMenu* menu, const QPoint& at) override {
        menuPositions << at;
        return menu->exec(at);
    }
};

// Presses keys in the menu about to open; a menu left open is closed after a while.
void PressInMenu(std::vector<Qt::Key> keys) {
    QTimer::singleShot(100, qApp, [keys] {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            for (Qt::Key key : keys) {
                QTest::keyClick(popup, key);
            }
        }
    });
    QTimer::singleShot(5000, qApp, [] {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            popup->close();
        }
    });
}

void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

QString AccessibleName(QObject* object) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
    return face != nullptr ? face->text(QAccessible::Name) : QString();
}

using KeyForm = StartedFormWith<KeyMenus>;

} // namespace

class Form1KeyboardTest : public QObject {
    Q_OBJECT

private slots:
    void tabGoesRoundTheControlsWithAFocusMark() {
        Sandbox sandbox;
        KeyForm key;
        QVERIFY(key.start(true));
        Form1& form = *key;
        QCOMPARE(QApplication::focusWidget(), form.Commandline());
        const QImage unfocused = form.Start()->grab().toImage();
        QList<QWidget*> order{form.Start()};
        for (int p = 0; p < 4; ++p) {
            order << form.PlayerOptions(p);
        }
        order << form.SpeedRange() << form.MovesList()->focusProxy() << form.Commandline();
        for (QWidget* next : order) {
            Press(Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
        Press(Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), form.MovesList()->focusProxy());
        Press(Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), form.SpeedRange());
        const int speed = form.SpeedRange()->value();
        Press(Qt::Key_Left); // towards LONG
        QCOMPARE(form.SpeedRange()->value(), speed - 1);
        QCOMPARE(form.game().state().SpeedRange, speed - 1);
        QCOMPARE(form.Label1()->text(), QStringLiteral(" 1.5 secs"));
        form.Start()->setFocus(Qt::TabFocusReason);
        QVERIFY(form.Start()->grab().toImage() != unfocused); // the focus mark
        QCOMPARE(form.Start()->focusPolicy(), Qt::TabFocus);

        QCOMPARE(QAccessible::queryAccessibleInterface(form.Start())->role(), QAccessible::Button);
        QCOMPARE(AccessibleName(form.PlayerOptions(2)), QStringLiteral("Options, player 3"));
        QVERIFY(QAccessible::queryAccessibleInterface(form.PlayerOptions(2))
                    ->actionInterface()
                    ->actionNames()
                    .contains(QAccessibleActionInterface::pressAction()));
        QCOMPARE(form.Menux()->findChild<QAction*>(QStringLiteral("Startx"))->shortcut(),
                 QKeySequence(Qt::CTRL | Qt::Key_N));
        QCOMPARE(form.Menux()->findChild<QAction*>(QStringLiteral("Quit"))->shortcut(),
                 QKeySequence(Qt::CTRL | Qt::Key_Q));
    }

    void namesFollowTheGame() {
        Sandbox sandbox;
        PersonAgainstComputers(sandbox);
        StartedForm started({6, 3});
        QVERIFY(started.start());
        Form1& form = *started;
        QCOMPARE(AccessibleName(form.Piece(4)), QStringLiteral("Square 4: empty"));
        QCOMPARE(QAccessible::queryAccessibleInterface(form.Piece(77))->role(),
                 QAccessible::StaticText);
        started.type(QStringLiteral("START"));
        QCOMPARE(AccessibleName(form.PlayerInfo(0)), QStringLiteral("Player 1: person, to move"));
        QCOMPARE(AccessibleName(form.DiceNumx(0)), QStringLiteral("Player 1 die 1: 6"));
        QCOMPARE(QAccessible::queryAccessibleInterface(form.DiceNumx(0))->role(),
                 QAccessible::Graphic);

        QAccessibleTableInterface* counts =
            QAccessible::queryAccessibleInterface(form.DiceTFrame())->tableInterface();
        QVERIFY(counts);
        QCOMPARE(counts->rowCount(), 6);
        QCOMPARE(counts->columnCount(), 4);
        QCOMPARE(counts->rowDescription(5), QStringLiteral("6's"));
        QCOMPARE(counts->columnDescription(0), QStringLiteral("P1"));
        QCOMPARE(counts->cellAt(5, 0)->text(QAccessible::Name), QStringLiteral("1"));
        QCOMPARE(counts->cellAt(0, 0)->text(QAccessible::Name), QStringLiteral("0"));

        started.type(QStringLiteral("2=9"));
        QCOMPARE(AccessibleName(form.Piece(4)), QStringLiteral("Square 4: player 1, piece 2"));
        QCOMPARE(form.SpeedRange()->accessibleDescription(),
                 QStringLiteral("Pause between automatic moves: 0 secs"));

        QAccessibleInterface* log =
            QAccessible::queryAccessibleInterface(form.MovesList()->focusProxy());
        QCOMPARE(log->role(), QAccessible::List);
        QCOMPARE(log->childCount(), form.MovesList()->ListCount());
        QCOMPARE(log->child(1)->text(QAccessible::Name), QStringLiteral("Open piece 2 by 9"));
    }

    void aGameWithKeysOnly() {
        Sandbox sandbox;
        PersonAgainstComputers(sandbox);
        // Player 1 throws 6 3, then 6 2, then 1; the computers never open.
        KeyForm key({6, 3, 1, 1, 1, 6, 2, 2, 2, 2, 1});
        QVERIFY(key.start(true));
        Form1& form = *key;
        Press(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), form.Start());
        PressInMenu({Qt::Key_Down, Qt::Key_Return});
        Press(Qt::Key_Return);
        QCOMPARE(key.dialogs->menuPositions.value(0),
                 form.Start()->mapToGlobal(QPoint(0, form.Start()->height())));
        QCOMPARE(key.log(), QStringList({"Dice throw :  6  3   "}));

        QCOMPARE(QApplication::focusWidget(), form.Commandline()); // brought by the prompt
        QTest::keyClicks(form.Commandline(), QStringLiteral("2=9"));
        Press(Qt::Key_Return);
        QCOMPARE(key.log().last(), QStringLiteral("Dice throw :  6  2   "));

        // Arrows: next piece and option, back, round to the last option; Enter moves.
        Press(Qt::Key_Right);
        QCOMPARE(form.Commandline()->text(),
                 QStringLiteral(">Piece 1 by 6 to square 1 (Enter moves)"));
        QVERIFY(form.Piece(ruvo::AmountMarker)->isVisible());
        Press(Qt::Key_Down);
        QCOMPARE(form.Commandline()->text(),
                 QStringLiteral(">Piece 1 by 8 to square 3 (Enter moves)"));
        Press(Qt::Key_Right);
        QCOMPARE(form.Commandline()->text(),
                 QStringLiteral(">Piece 2 by 2 to square 6 (Enter moves)"));
        Press(Qt::Key_Left);
        QCOMPARE(form.Commandline()->text(),
                 QStringLiteral(">Piece 1 by 6 to square 1 (Enter moves)"));
        Press(Qt::Key_Up);
        QCOMPARE(form.Commandline()->text(),
                 QStringLiteral(">Piece 1 by 8 to square 3 (Enter moves)"));
        Press(Qt::Key_Return);
        QVERIFY(key.log().contains(QStringLiteral("Open piece 1 by 8")));
        QCOMPARE(form.Commandline()->text().left(1), QStringLiteral(">")); // the prompt again

        for (int i = 0; i < 3; ++i) {
            Press(Qt::Key_Tab);
        }
        QCOMPARE(QApplication::focusWidget(), form.PlayerOptions(1));
        PressInMenu({Qt::Key_Down, Qt::Key_Down, Qt::Key_Return});
        Press(Qt::Key_Space);
        QCOMPARE(key.dialogs->menuPositions.value(1),
                 form.PlayerOptions(1)->mapToGlobal(QPoint(0, form.PlayerOptions(1)->height())));
        QCOMPARE(key.dialogs->questions, QStringList({"Remove Player 2 ?"}));

        Press(Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(key.dialogs->messages,
                 QStringList({"Game will be saved at the completion of this turn"}));
        Press(Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(key.dialogs->questions.last(), QStringLiteral("Quit current game?"));
        QVERIFY(form.endedByGame());
        QVERIFY(!form.isVisible());
    }
};

QTEST_MAIN(Form1KeyboardTest)
#include "Form1KeyboardTest.moc"
