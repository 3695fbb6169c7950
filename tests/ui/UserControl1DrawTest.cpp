// SPDX-License-Identifier: GPL-3.0-or-later
// Sizing on the first row, which rows are drawn, scrolling with TopIndex and the scroll bar,
// grid lines, marking with and without them, the frame, tool tips and font size changes.
#include "UserControl1TestSupport.h"

#include <QFontMetrics>
#include <QtTest>

using namespace listtest;

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
        const int rows = 4000 / list.RowHeight();
        const int rowPx = qRound(list.RowHeight() / 15.0);
        QCOMPARE(list.height(), rows * rowPx + 2);
        QCOMPARE(surface(list)->height(), rows * rowPx + 2);
        QCOMPARE(scrollBar(list)->height(), rows * rowPx + 2);
        QCOMPARE(surface(list)->width() + scrollBar(list)->width(), 240);

        // Later font changes keep the row height.
        list.setFontSize(17);
        list.Additem(QStringLiteral("second"));
        QCOMPARE(list.height(), rows * rowPx + 2);
    }

    void onlyThePageInViewIsDrawnUntilTopIndexMovesIt() {
        UserControl1 list;
        setUp(list, 10);
        addRows(list, 1, 30);
        QCOMPARE(list.height(), 10 * RowPx + 2);
        QCOMPARE(rowIds(shot(list), 10), range(1, 10));

        list.setTopIndex(-1);
        QCOMPARE(rowIds(shot(list), 10), range(21, 30));
        QCOMPARE(scrollBar(list)->value(), 20);
        QCOMPARE(list.TopIndex(), -1);

        list.setTopIndex(5);
        QCOMPARE(rowIds(shot(list), 10), range(5, 14));
        scrollBar(list)->setValue(25);
        QCOMPARE(rowIds(shot(list), 10), QList<int>({26, 27, 28, 29, 30, 0, 0, 0, 0, 0}));
    }

    void topIndexTheListCannotShowChangesNothing() {
        UserControl1 list;
        setUp(list, 10);
        addRows(list, 1, 6);
        QSignalSpy changes(&list, &UserControl1::PropertyChanged);
        list.setTopIndex(-1); // fewer rows than a page
        list.setTopIndex(9);
        list.setTopIndex(0);
        QCOMPARE(list.TopIndex(), 0);
        QCOMPARE(changes.count(), 0);
        QCOMPARE(rowIds(shot(list), 7), QList<int>({1, 2, 3, 4, 5, 6, 0}));

        list.setTopIndex(3);
        QCOMPARE(changes.count(), 1);
        QCOMPARE(rowIds(shot(list), 5), QList<int>({3, 4, 5, 6, 0}));
    }

    void gridLinesInvertTheBackgroundUnderThem() {
        UserControl1 list;
        setUp(list, 10);
        const QColor background = list.BackColor();
        addRows(list, 1, 2);
        QCOMPARE(shot(list).pixelColor(120, RowPx - 2), background);

        list.setGridLines(true);
        QImage image = shot(list);
        QCOMPARE(image.pixelColor(120, RowPx - 2), inverted(background));
        QCOMPARE(image.pixelColor(120, RowPx - 1), background);
        QCOMPARE(image.pixelColor(0, 2 * RowPx - 2), inverted(background));
        QCOMPARE(image.pixelColor(120, 3 * RowPx - 2), background); // no third row

        list.setGridColor(QColor(0, 0, 255));
        image = shot(list);
        const QColor merged(inverted(background).red(), inverted(background).green(), 255);
        QCOMPARE(image.pixelColor(120, RowPx - 2), merged);
    }

    void markingInvertsARowAndMarkingAgainRestoresIt() {
        UserControl1 list;
        setUp(list, 10);
        list.setGridLines(true);
        const QColor background = list.BackColor();
        addRows(list, 1, 5);
        const QImage plain = shot(list);

        list.ShowItem(2);
        QImage image = shot(list);
        QCOMPARE(image.pixelColor(1, 2 * RowPx + 10), inverted(background));
        QVERIFY(rowHasColor(image, 2, inverted(rowColor(3))));
        QCOMPARE(image.pixelColor(1, 1 * RowPx + 10), background);

        list.ShowItem(3); // moves the mark
        image = shot(list);
        QCOMPARE(image.pixelColor(1, 2 * RowPx + 10), background);
        QCOMPARE(image.pixelColor(1, 3 * RowPx + 10), inverted(background));

        QTest::keyClick(surface(list), Qt::Key_Escape);
        QCOMPARE(shot(list), plain);

        // Without grid lines a mark paints the background over the row.
        list.setGridLines(false);
        list.ShowItem(1);
        QCOMPARE(rowIds(shot(list), 3), QList<int>({1, 0, 3}));
    }

    void showItemScrollsTheLeastNeeded() {
        UserControl1 list;
        setUp(list, 10);
        list.setGridLines(true);
        addRows(list, 1, 40);
        list.ShowItem(24); // row 25 becomes the last row of the page
        QCOMPARE(scrollBar(list)->value(), 15);
        list.ShowItem(19); // already in view
        QCOMPARE(scrollBar(list)->value(), 15);
        list.ShowItem(4); // row 5 becomes the top row
        QCOMPARE(scrollBar(list)->value(), 4);
        QCOMPARE(shot(list).pixelColor(1, 10), inverted(list.BackColor()));
    }

    void frameSurroundsTheRows() {
        UserControl1 list;
        setUp(list, 4);
        list.setBorderStyle(1);
        addRows(list, 1, 2);
        const QImage image = shot(list);
        const QRgb frame = list.palette().color(QPalette::Dark).rgb();
        QCOMPARE(image.pixel(0, 0), frame);
        QCOMPARE(image.pixel(image.width() - 1, image.height() - 1), frame);
        QCOMPARE(image.height(), 4 * RowPx + 2);
        QCOMPARE(image.pixelColor(1, 1), list.BackColor());
        // The rows start inside the frame.
        QCOMPARE(rowIdAt(image.copy(1, 1, image.width() - 2, image.height() - 2), 1), 2);
    }

    void toolTipShowsRowsCutOffAtTheRightEdge() {
        UserControl1 list;
        setUp(list, 10);
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
        QTest::mouseMove(area, QPoint(50, 3 * RowPx + 5));
        QCOMPARE(area->toolTip(), QString());
    }

    void largerFontKeepsRowsInTheirPlaces() {
        UserControl1 list;
        setUp(list, 5);
        addRows(list, 1, 3);
        list.setFontSize(17);
        const QImage image = shot(list);
        QCOMPARE(image.height(), 5 * RowPx + 2);
        QCOMPARE(rowIds(image, 4), QList<int>({1, 2, 3, 0}));
    }
};

QTEST_MAIN(UserControl1DrawTest)
#include "UserControl1DrawTest.moc"
