// SPDX-License-Identifier: GPL-3.0-or-later
// Choosing rows with the mouse and the keys, the drop-down form, the events the control raises,
// and its stored property set.
#include "UserControl1TestSupport.h"

#include "listctl/qt/ListControlError.h"
#include "listctl/qt/PropertyBag.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace listtest;

namespace {

QLineEdit* editBox(UserControl1& list) {
    return list.findChild<QLineEdit*>(QStringLiteral("Text1"));
}
QPushButton* dropButton(UserControl1& list) {
    return list.findChild<QPushButton*>(QStringLiteral("Command1"));
}

void addNamedRows(UserControl1& list, int count) {
    for (int i = 1; i <= count; ++i)
        list.Additem(QStringLiteral("row %1").arg(i), 0, -1, QString(), rowColor(i));
}

} // namespace

class UserControl1InputTest : public QObject {
    Q_OBJECT

private slots:
    void keysMarkAndScrollAndAReleaseOverARowChoosesIt() {
        ShownList list(10);
        list.setGridLines(true);
        addNamedRows(list, 30);
        QWidget* area = surface(list);
        QTest::keyClick(area, Qt::Key_Down);
        QVERIFY(marked(list, 0));
        QCOMPARE(scrollBar(list)->value(), 0);
        QTest::keyClick(area, Qt::Key_Down);
        QCOMPARE(scrollBar(list)->value(), 1);
        QCOMPARE(rowIds(shot(list), 2).last(), 3);
        QVERIFY(marked(list, 0));
        QTest::keyClick(area, Qt::Key_Up);
        QTest::keyClick(area, Qt::Key_Up); // not above the first row
        QCOMPARE(scrollBar(list)->value(), 0);
        QVERIFY(marked(list, 0));
        QTest::keyClick(area, Qt::Key_End);
        QCOMPARE(scrollBar(list)->value(), 29);
        QCOMPARE(rowIds(shot(list), 2), QList<int>({0, 0})); // row 30, marked, at the top
        QTest::keyClick(area, Qt::Key_Home);
        QCOMPARE(scrollBar(list)->value(), 0);
        list.setTopIndex(-1);
        QSignalSpy ups(&list, &UserControl1::MouseUp);
        QTest::mouseClick(area, Qt::RightButton, Qt::ShiftModifier, QPoint(30, 2 * RowPx + 4));
        QCOMPARE(list.text(), QStringLiteral("row 23"));
        QVERIFY(marked(list, 2));
        QCOMPARE(ups.count(), 1); // right button, Shift, the place in twips
        QCOMPARE(ups.takeFirst(), QList<QVariant>({2, 1, 30.0f * 15, (2.0f * RowPx + 4) * 15}));
        QTest::mouseClick(area, Qt::LeftButton, {}, QPoint(30, 5 * RowPx + 4));
        QVERIFY(!marked(list, 2));
        QVERIFY(marked(list, 5));
        QCOMPARE(list.ListIndex(), 25);
    }

    void enterChoosesTheTopRowAndOtherKeysAreRaised() {
        ShownList list(10);
        addNamedRows(list, 20);
        list.setTopIndex(4);
        QSignalSpy downs(&list, &UserControl1::KeyDown);
        QSignalSpy presses(&list, &UserControl1::KeyPress);
        QSignalSpy ups(&list, &UserControl1::KeyUp);
        QTest::keyClick(surface(list), Qt::Key_Return);
        QCOMPARE(list.text(), QStringLiteral("row 4"));
        QCOMPARE(list.ListIndex(), 3);
        QTest::keyClick(surface(list), Qt::Key_Down);
        QTest::keyClick(surface(list), Qt::Key_Q, Qt::ControlModifier);
        QTest::keyClick(surface(list), Qt::Key_Z);
        // Enter, Ctrl, Q and Z raise KeyDown with their key codes and Shift state; Down does not.
        QCOMPARE(QList<QList<QVariant>>(downs),
                 QList<QList<QVariant>>({{13, 0}, {17, 2}, {81, 2}, {90, 0}}));
        QCOMPARE(presses.first().first().toInt(), 13);
        QCOMPARE(presses.last().first().toInt(), int('z'));
        QCOMPARE(ups.count(), 5);
        QCOMPARE(ups.at(1), QList<QVariant>({40, 0}));
    }

    void dropDownOpensChoosesAndCloses() {
        ShownList list(5);
        list.setMode(1);
        addNamedRows(list, 12);
        const int closedHeight = list.height();
        QVERIFY(editBox(list)->isVisible());
        QVERIFY(dropButton(list)->isVisible());
        QVERIFY(!surface(list)->isVisible());
        QCOMPARE(closedHeight, editBox(list)->height());
        // Typing in the edit box brings the first match into view; F4 opens, Escape closes.
        editBox(list)->setFocus();
        QSignalSpy downs(&list, &UserControl1::KeyDown);
        QTest::keyClicks(editBox(list), QStringLiteral("ROW 9"));
        QCOMPARE(downs.count(), 5);
        QCOMPARE(scrollBar(list)->value(), 4); // row 9 is the last row of the page
        QTest::keyClick(editBox(list), Qt::Key_F4);
        QVERIFY(surface(list)->isVisible());
        QTest::keyClick(editBox(list), Qt::Key_Escape);
        QVERIFY(!surface(list)->isVisible());
        // The button opens the page below the edit box; a click on a row chooses it and closes.
        QTest::mouseClick(dropButton(list), Qt::LeftButton);
        QVERIFY(surface(list)->isVisible());
        QCOMPARE(surface(list)->y(), closedHeight);
        QCOMPARE(list.height(), closedHeight + 5 * RowPx + 2);
        QCOMPARE(rowIds(shot(list), 5), QList<int>({5, 6, 7, 8, 9}));
        QCOMPARE(list.focusWidget(), surface(list));
        QTest::mouseClick(surface(list), Qt::LeftButton, {}, QPoint(20, RowPx + 5));
        QCOMPARE(editBox(list)->text(), QStringLiteral("row 6"));
        QVERIFY(!surface(list)->isVisible());
        QCOMPARE(list.height(), closedHeight);
        QTest::mouseClick(dropButton(list), Qt::LeftButton);
        QTest::keyClick(surface(list), Qt::Key_Escape);
        QVERIFY(!surface(list)->isVisible());
        list.setEnabled(false);
        QTest::mouseClick(dropButton(list), Qt::LeftButton);
        QVERIFY(!surface(list)->isVisible());
    }

    void movesAreRaisedInTwipsReleasesAwayFromRowsOrOnADisabledListIgnored() {
        ShownList list(5);
        addNamedRows(list, 2);
        QSignalSpy moves(&list, &UserControl1::MouseMove);
        QSignalSpy ups(&list, &UserControl1::MouseUp);
        QTest::mouseMove(surface(list), QPoint(10, 12));
        QTRY_VERIFY(!moves.isEmpty());
        QCOMPARE(moves.last().mid(2), QList<QVariant>({150.0f, 180.0f}));
        QTest::mouseClick(surface(list), Qt::LeftButton, {}, QPoint(30, 4 * RowPx + 4));
        list.setEnabled(false);
        QTest::mouseClick(surface(list), Qt::LeftButton, {}, QPoint(30, 4));
        QCOMPARE(ups.count(), 0);
        QCOMPARE(list.ListIndex(), -1);
        QCOMPARE(list.text(), QString());
        // Over the drop-down button.
        list.setEnabled(true);
        list.setMode(1);
        moves.clear();
        QTest::mouseMove(dropButton(list), QPoint(4, 2));
        QTRY_VERIFY(!moves.isEmpty());
        QCOMPARE(moves.last().at(2).toFloat(), 60.0f);
    }

    void listIndexMayOnlyBeSetWhileRunning() {
        ShownList list(5);
        addNamedRows(list, 8);
        list.setListIndex(6);
        QCOMPARE(list.ListIndex(), 6);
        QCOMPARE(list.text(), QStringLiteral("row 7"));
        QCOMPARE(scrollBar(list)->value(), 2);
        list.setUserMode(false);
        try {
            list.setListIndex(1);
            QFAIL("no error at design time");
        } catch (const ListControlError& error) {
            QCOMPARE(error.number(), 387);
        }
        QCOMPARE(list.ListIndex(), 6);
    }

    void propertiesAreStoredUnderTheirNamesAndReadBackOrDefaulted() {
        UserControl1 list;
        QSignalSpy changes(&list, &UserControl1::PropertyChanged);
        list.setGridLines(true);
        list.setDropDownHeight(3000);
        list.setforecolor(QColor(128, 0, 0));
        list.settext(QStringLiteral("chosen"));
        QCOMPARE(changes.count(), 4);
        QCOMPARE(changes.at(2).first().toString(), QStringLiteral("ForeColor"));
        QCOMPARE(changes.at(3).first().toString(), QStringLiteral("Text"));
        PropertyBag bag;
        list.WriteProperties(bag);
        QCOMPARE(bag.ReadProperty("GridLines").toBool(), true);
        QCOMPARE(bag.ReadProperty("DropDownHeight").toInt(), 3000);
        QCOMPARE(bag.ReadProperty("ForeColor").toInt(), 128);
        QCOMPARE(bag.ReadProperty("BorderStyle").toInt(), 1);
        for (const char* name : {"Fontname", "FontSize"})
            QVERIFY2(bag.contains(name), name);
        for (const char* name : {"Text", "List", "ListIndex"}) // kept while running only
            QVERIFY2(!bag.contains(name), name);
        bag.WriteProperty("Text", QStringLiteral("restored"));
        bag.WriteProperty("FontSize", 30);
        UserControl1 copy;
        copy.ReadProperties(bag);
        QCOMPARE(copy.GridLines(), true);
        QCOMPARE(copy.DropDownHeight(), 3000);
        QCOMPARE(copy.forecolor(), QColor(128, 0, 0));
        QCOMPARE(copy.text(), QStringLiteral("restored"));
        QVERIFY(copy.FontSize() != 30); // written, never read back
        // Missing properties take their defaults.
        copy.setEnabled(true);
        copy.setBorderStyle(0);
        copy.setGridColor(Qt::red);
        copy.ReadProperties(PropertyBag());
        QCOMPARE(copy.Enabled(), false);
        QCOMPARE(copy.BorderStyle(), 1);
        QCOMPARE(copy.GridColor(), QColor(0, 0, 0));
        QCOMPARE(copy.forecolor(), copy.palette().color(QPalette::Text));
        QCOMPARE(copy.BackColor(), copy.palette().color(QPalette::Button));
        QCOMPARE(copy.ListIndex(), -1);
        PropertyBag chosen;
        chosen.WriteProperty("ListIndex", 0);
        copy.setUserMode(false); // reading a stored chosen row at design time is no error
        copy.ReadProperties(chosen);
        copy.InitProperties();
        QCOMPARE(copy.BorderStyle(), 0);
        QCOMPARE(copy.Mode(), 0);
    }
};

QTEST_MAIN(UserControl1InputTest)
#include "UserControl1InputTest.moc"
