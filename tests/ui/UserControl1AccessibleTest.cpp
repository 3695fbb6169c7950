// SPDX-License-Identifier: GPL-3.0-or-later
// The list control as assistive technology sees it: a list named after its frame whose rows are
// list items with their texts, placed on the surface while in view; a new row announced; rows
// marked from the keyboard followed; a cleared list.
#include "UserControl1TestSupport.h"

#include "listctl/qt/ListAccessible.h"

#include <QAccessible>
#include <QGroupBox>
#include <QtTest>

using namespace listtest;

namespace {

struct Heard {
    QAccessible::Event type;
    QObject* object;
    int child;
};
std::vector<Heard> heard;

void Listen(QAccessibleEvent* event) {
    heard.push_back({event->type(), event->object(), event->child()});
}

bool WasHeard(QAccessible::Event type, QObject* object, int child = -1) {
    return std::any_of(heard.begin(), heard.end(), [&](const Heard& h) {
        return h.type == type && h.object == object && h.child == child;
    });
}

} // namespace

class UserControl1AccessibleTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ListAccessible::setListener(Listen); }

    void rowsAreListItemsWithTheirTexts() {
        QGroupBox frame(QStringLiteral("Moves Log"));
        frame.resize(260, 140);
        UserControl1 list(&frame);
        setUp(list, 4);
        frame.show();
        for (int i = 1; i <= 6; ++i)
            list.Additem(QStringLiteral("Move piece %1 by 6").arg(i));
        list.setTopIndex(-1); // rows 3..6 in view

        QAccessibleInterface* log = QAccessible::queryAccessibleInterface(surface(list));
        QVERIFY(log);
        QCOMPARE(log->role(), QAccessible::List);
        QCOMPARE(log->text(QAccessible::Name), QStringLiteral("Moves Log"));
        QCOMPARE(log->childCount(), 6);
        QAccessibleInterface* first = log->child(0);
        QCOMPARE(first->role(), QAccessible::ListItem);
        QCOMPARE(first->text(QAccessible::Name), QStringLiteral("Move piece 1 by 6"));
        QCOMPARE(first->parent(), log);
        QCOMPARE(log->indexOfChild(first), 0);
        QVERIFY(first->state().offscreen);
        QVERIFY(first->rect().isEmpty());
        QAccessibleInterface* third = log->child(2);
        QCOMPARE(third->text(QAccessible::Name), QStringLiteral("Move piece 3 by 6"));
        QVERIFY(!third->state().offscreen);
        const QRect top = QRect(surface(list)->mapToGlobal(QPoint(0, 0)), QSize(240, RowPx));
        QCOMPARE(third->rect().top(), top.top());
        QCOMPARE(third->rect().height(), RowPx);
        QCOMPARE(log->childAt(top.left() + 5, top.top() + RowPx + 5), log->child(3));
        QCOMPARE(log->child(6), nullptr);
    }

    void aNewRowIsAnnouncedAndMarkedRowsFollowed() {
        UserControl1 list;
        setUp(list, 4);
        list.Additem(QStringLiteral("NEW GAME"));
        QAccessibleInterface* log = QAccessible::queryAccessibleInterface(surface(list));
        heard.clear();
        list.Additem(QStringLiteral("Dice throw :  6  3   "));
        QVERIFY(WasHeard(QAccessible::ObjectCreated, surface(list), 1));
        QVERIFY(WasHeard(QAccessible::DescriptionChanged, surface(list)));
        QCOMPARE(log->text(QAccessible::Description), QStringLiteral("Dice throw :  6  3   "));
        QCOMPARE(log->child(1)->text(QAccessible::Name), QStringLiteral("Dice throw :  6  3   "));

        // A row inserted at the top moves the others: each child reads its new row.
        list.Additem(QStringLiteral("first"), -1);
        QVERIFY(WasHeard(QAccessible::ObjectCreated, surface(list), 0));
        QCOMPARE(log->child(0)->text(QAccessible::Name), QStringLiteral("first"));
        QCOMPARE(log->child(1)->text(QAccessible::Name), QStringLiteral("NEW GAME"));

        // Arrow keys mark a row: the reader follows it.
        surface(list)->setFocus();
        QTRY_VERIFY(surface(list)->hasFocus());
        heard.clear();
        QTest::keyClick(surface(list), Qt::Key_Down);
        QCOMPARE(log->focusChild(), log->child(0));
        QVERIFY(log->child(0)->state().selected);
        QVERIFY(WasHeard(QAccessible::Focus, surface(list), 0));

        heard.clear();
        list.Clear();
        QCOMPARE(log->childCount(), 0);
        QVERIFY(WasHeard(QAccessible::ObjectReorder, surface(list)));
        QCOMPARE(log->text(QAccessible::Description), QString());
    }
};

QTEST_MAIN(UserControl1AccessibleTest)
#include "UserControl1AccessibleTest.moc"
