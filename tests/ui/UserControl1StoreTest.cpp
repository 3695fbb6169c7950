// SPDX-License-Identifier: GPL-3.0-or-later
// Adding, inserting, removing and updating rows, and what the list shows afterwards.
#include "UserControl1TestSupport.h"

#include <QtTest>

using namespace listtest;

namespace {

QPixmap solid(const QColor& color) {
    QPixmap pixmap(16, 16);
    pixmap.fill(color);
    return pixmap;
}

} // namespace

class UserControl1StoreTest : public QObject {
    Q_OBJECT

private slots:
    void appendsAndInsertsInDisplayOrder() {
        UserControl1 list;
        setUp(list, 10);
        list.Additem(QStringLiteral("first"), -1); // -1 on an empty list appends
        list.Additem(QStringLiteral("second"));
        list.Additem(QStringLiteral("top"), -1);
        list.Additem(QStringLiteral("third row"), 2);
        list.Additem(QStringLiteral("last"), 40); // beyond the end appends
        QCOMPARE(texts(list), QStringList({"top", "first", "third row", "second", "last"}));
        QCOMPARE(list.ListCount(), 5);
        QCOMPARE(list.List(5), QString());
    }

    void insertedRowsAreDrawnInPlace() {
        UserControl1 list;
        setUp(list, 10);
        addRows(list, 1, 3);
        list.Additem(blocks(), -1, -1, QString(), rowColor(9));
        list.Additem(blocks(), 2, -1, QString(), rowColor(8));
        QCOMPARE(rowIds(shot(list), 6), QList<int>({9, 1, 8, 2, 3, 0}));
    }

    void colourComesFromTheRowBeforeOrTheControl() {
        UserControl1 list;
        setUp(list, 10);
        list.setforecolor(QColor(0, 128, 0));
        list.Additem(blocks());
        list.Additem(blocks());
        list.Additem(blocks(), 0, -1, QString(), QColor(128, 0, 0));
        list.Additem(blocks());
        const QImage image = shot(list);
        QVERIFY(rowHasColor(image, 0, QColor(0, 128, 0)));
        QVERIFY(rowHasColor(image, 1, QColor(0, 128, 0)));
        QVERIFY(rowHasColor(image, 2, QColor(128, 0, 0)));
        QVERIFY(rowHasColor(image, 3, QColor(128, 0, 0)));
        QVERIFY(!rowHasColor(image, 3, QColor(0, 128, 0)));
    }

    void pictureComesFromTheRowBeforeOrIsTheFirst() {
        UserControl1 list;
        setUp(list, 10);
        list.setBackColor(Qt::white); // pictures are combined with the background by AND
        list.setDrawStyle(1);
        list.setPictureList(
            {solid(QColor(255, 0, 0)), solid(QColor(0, 255, 0)), solid(QColor(0, 0, 255))});
        list.Additem(QStringLiteral("a"), 0, -1);
        list.Additem(QStringLiteral("b"), 0, 3);
        list.Additem(QStringLiteral("c"), 0, 0);
        list.UpdateIcon(0, 2);
        const QImage image = shot(list);
        // The picture begins 24 twips from the left and is centred in its row.
        QCOMPARE(image.pixelColor(6, 10), QColor(0, 255, 0));
        QCOMPARE(image.pixelColor(6, RowPx + 10), QColor(0, 0, 255));
        QCOMPARE(image.pixelColor(6, 2 * RowPx + 10), QColor(0, 0, 255));

        list.setDrawStyle(0);
        QVERIFY(!rowHasColor(shot(list), 1, QColor(0, 0, 255)));
    }

    void removingRowsRedrawsThePageAndAnEmptyListHides() {
        UserControl1 list;
        setUp(list, 10);
        addRows(list, 1, 5);
        list.RemoveItem(1);
        list.RemoveItem(7); // outside the list
        list.RemoveItem(-1);
        QCOMPARE(list.ListCount(), 4);
        QCOMPARE(rowIds(shot(list), 5), QList<int>({1, 3, 4, 5, 0}));
        list.setListCount(9); // only drops rows
        QCOMPARE(list.ListCount(), 4);
        list.setListCount(1);
        QCOMPARE(rowIds(shot(list), 2), QList<int>({1, 0}));

        list.RemoveItem(0);
        QCOMPARE(list.ListCount(), 0);
        QVERIFY(!surface(list)->isVisible());
        QVERIFY(!scrollBar(list)->isVisible());
        list.RemoveItem(0);
        QCOMPARE(list.ListCount(), 0);
        addRows(list, 6, 6);
        QVERIFY(surface(list)->isVisible());
        QCOMPARE(rowIds(shot(list), 2), QList<int>({6, 0}));
    }

    void clearEmptiesTheListAndTheNextRowIsRowOne() {
        UserControl1 list;
        setUp(list, 10);
        addRows(list, 1, 30);
        list.setTopIndex(-1);
        list.Clear();
        QCOMPARE(list.ListCount(), 0);
        QCOMPARE(rowIds(shot(list), 10), QList<int>(10, 0));

        addRows(list, 40, 41);
        QCOMPARE(list.List(0), blocks());
        QCOMPARE(rowIds(shot(list), 3), QList<int>({40, 41, 0}));
    }

    void itemDataIsANumberKeptWithTheRow() {
        UserControl1 list;
        setUp(list, 10);
        addRows(list, 1, 3);
        QCOMPARE(list.GetItemData(0), std::optional<double>(0.0));
        list.SetItemData(-1, 7); // the row added last
        QCOMPARE(list.GetItemData(2), std::optional<double>(7.0));
        list.SetItemData(0, -2.5);
        list.UpdateItemData(1, 12);
        list.SetItemData(5, 1);
        QCOMPARE(list.GetItemData(0), std::optional<double>(-2.5));
        QCOMPARE(list.GetItemData(1), std::optional<double>(12.0));
        QCOMPARE(list.GetItemData(3), std::nullopt);
        QCOMPARE(list.GetItemData(-1), std::nullopt);

        list.Additem(QStringLiteral("inserted"), -1);
        list.SetItemData(-1, 4);
        QCOMPARE(list.GetItemData(0), std::optional<double>(4.0));
    }

    void updatesChangeWhatTheRowShows() {
        UserControl1 list;
        setUp(list, 10);
        addRows(list, 1, 3);
        list.UpdateForeColor(1, rowColor(20));
        list.UpdateText(2, blocks(12));
        list.UpdateText(3, QStringLiteral("ignored"));
        list.setList(0, QString());
        QCOMPARE(texts(list), QStringList({QString(), blocks(), blocks(12)}));
        const QImage image = shot(list);
        QCOMPARE(rowIds(image, 3), QList<int>({0, 20, 3}));

        // A row drawn in another font keeps its text but measures differently on screen.
        const auto inkWidth = [](const QImage& picture, int k) {
            int right = 0;
            for (int x = 0; x < picture.width(); ++x)
                if (picture.pixelColor(x, k * RowPx + 10) == rowColor(3))
                    right = x;
            return right;
        };
        const int before = inkWidth(image, 2);
        list.UpdateFont(2, QStringLiteral("DejaVu Sans Mono"));
        QVERIFY(inkWidth(shot(list), 2) != before);
    }
};

QTEST_MAIN(UserControl1StoreTest)
#include "UserControl1StoreTest.moc"
