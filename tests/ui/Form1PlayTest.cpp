// SPDX-License-Identifier: GPL-3.0-or-later
// Play as the window shows it and takes it: the close box mid-turn, a paused player's stop and
// the space bar, a person's turn as shown, told to a screen reader and kept on the keyboard, a
// game with keys only through the real menus and message boxes.
#include "Form1TestSupport.h"

#include <QAccessible>
#include <QElapsedTimer>

using namespace form1test;

namespace {

void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

QString AccessibleName(QObject* object) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
    return face != nullptr ? face->text(QAccessible::Name) : QString();
}

} // namespace

class Form1PlayTest : public QObject {
    Q_OBJECT

private slots:
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
        QTimer::singleShot(closeAfter, form.form.get(), [&] { form->close(); });
        QElapsedTimer clock;
        clock.start();
        form.type(u"START"_s);
        QVERIFY2(clock.elapsed() < 10000, "the game went on after the window closed");
        QVERIFY(form.dialogs->questions.isEmpty()); // the game did not reach its end
        QVERIFY(form->game().stopped() && !form->isVisible());
        QCOMPARE(sandbox.contents(), before);
        size_t decisions = 0;
        for (int p = 0; p < 4; ++p) {
            decisions += form->game().levels().thinkMilliseconds(p).size();
        }
        QCOMPARE(decisions > 0, strong);
        // Whatever the user does now, nothing more happens.
        const int lines = form->MovesList()->ListCount();
        QVERIFY(lines >= 1);
        form.type(u"START"_s);
        QTest::mouseClick(form->Start(), Qt::LeftButton);
        QCOMPARE(form->MovesList()->ListCount(), lines);
        QVERIFY(form.dialogs->menus.empty());
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
        QCOMPARE(form->DiceNumx(1)->face(), 3);
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
        QCOMPARE(counts->cellAt(0, 0)->text(QAccessible::Name), u"0"_s);
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
        QCOMPARE(form.dialogs->menus.size(), size_t(1));
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
        Form1& form = *started;
        // Presses keys in the menu or message box open after ms milliseconds, then closes it if
        // they did not; notes its title.
        QStringList seen;
        const auto pressLater = [&](int ms, std::vector<Qt::Key> keys) {
            QTimer::singleShot(ms, &form, [&seen, keys] {
                QWidget* open = QApplication::activePopupWidget();
                if (open == nullptr) {
                    open = QApplication::activeModalWidget();
                }
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
        QCOMPARE(started.dialogs->questions, QStringList({"Remove Player 2 ?"}));
        QCOMPARE(form.PlayerInfo(1)->title(), u"NOT PLAYING"_s);

        pressLater(100, {Qt::Key_Return});
        Press(Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(started.dialogs->messages,
                 QStringList({"Game will be saved at the completion of this turn"}));
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
};

QTEST_MAIN(Form1PlayTest)
#include "Form1PlayTest.moc"
