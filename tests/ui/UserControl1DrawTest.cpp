// SPDX-License-Identifier: GPL-3.0-or-later
// Sizing on the first row, which rows are drawn, scrolling, grid lines and the frame, marking,
// tool tips, and the list as assistive technology sees it.
#include "UserControl1TestSupport.h"

#include "listctl/qt/ListAccessible.h"

#include <QAccessible>
#include <QFontMetrics>
#include <QGroupBox>
#include <QtTest>

using namespace listtest;

namespace {

using Heard = std::tuple<QAccessible::Event, QObject*, int>;
std::vector<Heard> heard;

void Listen(QAccessibleEvent* event) {
    heard.emplace_back(event->type(), event->object(), event->child());
}

bool WasHeard(QAccessible::Event type, QObject* object, int child = -1) {
    return std::find(heard.begin(), heard.end(), Heard(type, object, child)) != heard.end();
}

} // namespace

class UserControl1DrawTest : public QObject {
    Q_OBJECT

private slots:
    void firstRowSizesRowsPageAndControl() {
        UserControl1 list;
        list.setBorderStyle(0);
        list.setFontSize(10);
        list.setDropDownHeight(4000);
        list.setGeometry(0, 0, 240, 333);
        list.show();
        QCOMPARE(list.RowHeight(), 0);
        list.Additem(QStringLiteral("Move piece 1 by 6"));
        // 1.2 times the height of "M", in twips at 15 twips per pixel.
        QFont font = list.font();
        font.setPointSizeF(10);
        QCOMPARE(list.RowHeight(), qRound(1.2 * QFontMetrics(font).height() * 15));
        const int rowHeight = list.RowHeight();
        const int rows = 4000 / rowHeight;
        const int rowPx = qRound(rowHeight / 15.0);
        for (const QWidget* part :
             std::initializer_list<const QWidget*>{&list, surface(list), scrollBar(list)})
            QCOMPARE(part->height(), rows * rowPx + 2);
        QCOMPARE(surface(list)->width() + scrollBar(list)->width(), 240);
        // A later font change keeps the rows and the page as they are.
        list.setFontSize(17);
        QCOMPARE(list.RowHeight(), rowHeight);
        QCOMPARE(surface(list)->height(), rows * rowPx + 2);
    }

    void onlyThePageInViewIsDrawnUntilTopIndexMovesIt() {
        ShownList list(10);
        addRows(list, 1, 6);
        QSignalSpy changes(&list, &UserControl1::PropertyChanged);
        list.setTopIndex(-1); // fewer rows than a page: nothing changes
        list.setTopIndex(9);
        list.setTopIndex(0);
        QCOMPARE(list.TopIndex(), 0);
        QCOMPARE(changes.count(), 0);
        QCOMPARE(rowIds(shot(list), 7), QList<int>({1, 2, 3, 4, 5, 6, 0}));
        list.setTopIndex(3);
        QCOMPARE(changes.count(), 1);
        QCOMPARE(rowIds(shot(list), 5), QList<int>({3, 4, 5, 6, 0}));
        // Rows added below the page are not drawn until TopIndex -1 shows the last page.
        addRows(list, 7, 30);
        QCOMPARE(rowIds(shot(list), 10), QList<int>({3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
        list.setTopIndex(-1);
        QCOMPARE(rowIds(shot(list), 10), QList<int>({21, 22, 23, 24, 25, 26, 27, 28, 29, 30}));
        QCOMPARE(scrollBar(list)->value(), 20);
        QCOMPARE(list.TopIndex(), -1);
    }

    void gridLinesInvertTheBackgroundAndAFrameSurroundsTheRows() {
        ShownList list(10);
        const QColor background = list.BackColor();
        addRows(list, 1, 2);
        QCOMPARE(shot(list).pixelColor(120, RowPx - 2), background);
        list.setGridLines(true);
        QImage image = shot(list);
        QCOMPARE(image.pixelColor(120, RowPx - 2), inverted(background));
        QCOMPARE(image.pixelColor(0, 2 * RowPx - 2), inverted(background));
        QCOMPARE(image.pixelColor(120, 3 * RowPx - 2), background); // no third row
        list.setGridColor(QColor(0, 0, 255));
        image = shot(list);
        const QColor merged(inverted(background).red(), inverted(background).green(), 255);
        QCOMPARE(image.pixelColor(120, RowPx - 2), merged);
        list.setBorderStyle(1);
        image = shot(list);
        const QRgb frame = list.palette().color(QPalette::Dark).rgb();
        QCOMPARE(image.pixel(0, 0), frame);
        QCOMPARE(image.pixel(image.width() - 1, image.height() - 1), frame);
        QCOMPARE(image.pixelColor(1, 1), background);
        // The rows start inside the frame.
        QCOMPARE(rowIds(image.copy(1, 1, image.width() - 2, image.height() - 2), 3),
                 QList<int>({1, 2, 0}));
    }

    void markingInvertsARowAndShowItemScrollsTheLeastNeeded() {
        ShownList list(10);
        list.setGridLines(true);
        addRows(list, 1, 5); // fewer than a page
        const QImage plain = shot(list);
        list.ShowItem(2);
        QVERIFY(marked(list, 2));
        QVERIFY(rowHasColor(shot(list), 2, inverted(rowColor(3))));
        QVERIFY(!marked(list, 1));
        list.ShowItem(3); // moves the mark
        QVERIFY(!marked(list, 2));
        QVERIFY(marked(list, 3));
        QTest::keyClick(surface(list), Qt::Key_Escape);
        QCOMPARE(shot(list), plain);
        addRows(list, 6, 40);
        list.ShowItem(24); // row 25 becomes the last row of the page
        QCOMPARE(scrollBar(list)->value(), 15);
        list.ShowItem(19); // already in view
        QCOMPARE(scrollBar(list)->value(), 15);
        list.ShowItem(4); // row 5 becomes the top row
        QCOMPARE(scrollBar(list)->value(), 4);
        QVERIFY(marked(list, 0));
        // Without grid lines a mark paints the background over the row.
        list.setGridLines(false);
        list.ShowItem(5);
        QCOMPARE(rowIds(shot(list), 3), QList<int>({5, 0, 7}));
    }

    void toolTipShowsRowsCutOffAtTheRightEdge() {
        ShownList list(10);
        list.Additem(QStringLiteral("short"));
        list.Additem(QString(80, QLatin1Char('W')));
        QWidget* area = surface(list);
        QTest::mouseMove(area, QPoint(50, RowPx + 5));
        QCOMPARE(area->toolTip(), QString());
        list.setToolTip(true);
        QTest::mouseMove(area, QPoint(50, RowPx + 6));
        QCOMPARE(area->toolTip(), QString(80, QLatin1Char('W')));
        QTest::mouseMove(area, QPoint(50, 5));
        QCOMPARE(area->toolTip(), QString());
    }

    void initTestCase() { ListAccessible::setListener(Listen); }

    void rowsAreListItemsANewRowIsAnnouncedAndMarkedRowsFollowed() {
        QGroupBox frame(QStringLiteral("Moves Log"));
        frame.resize(260, 140);
        ShownList list(4, &frame);
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
        heard.clear();
        list.Additem(QStringLiteral("Dice throw :  6  3   "));
        QVERIFY(WasHeard(QAccessible::ObjectCreated, surface(list), 6));
        QVERIFY(WasHeard(QAccessible::DescriptionChanged, surface(list)));
        QCOMPARE(log->text(QAccessible::Description), QStringLiteral("Dice throw :  6  3   "));
        QCOMPARE(log->child(6)->text(QAccessible::Name), QStringLiteral("Dice throw :  6  3   "));
        // A row inserted at the top moves the others: each child reads its new row.
        list.Additem(QStringLiteral("first"), -1);
        QVERIFY(WasHeard(QAccessible::ObjectCreated, surface(list), 0));
        QCOMPARE(log->child(0)->text(QAccessible::Name), QStringLiteral("first"));
        QCOMPARE(log->child(1)->text(QAccessible::Name), QStringLiteral("Move piece 1 by 6"));
        // Arrow keys mark a row: the reader follows it.
        surface(list)->setFocus();
        QTRY_VERIFY(surface(list)->hasFocus());
        heard.clear();
        QTest::keyClick(surface(list), Qt::Key_Down);
        const int topRow = scrollBar(list)->value(); // the top row of the page is marked
        QCOMPARE(log->focusChild(), log->child(topRow));
        QVERIFY(log->child(topRow)->state().selected);
        QVERIFY(WasHeard(QAccessible::Focus, surface(list), topRow));
        heard.clear();
        list.Clear();
        QCOMPARE(log->childCount(), 0);
        QVERIFY(WasHeard(QAccessible::ObjectReorder, surface(list)));
        QCOMPARE(log->text(QAccessible::Description), QString());
    }
};

QTEST_MAIN(UserControl1DrawTest)
#include "UserControl1DrawTest.moc"
