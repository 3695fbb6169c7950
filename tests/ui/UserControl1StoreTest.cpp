// SPDX-License-Identifier: GPL-3.0-or-later
// Adding, inserting, removing and updating rows and what the list shows afterwards; sorting rows,
// finding them with wildcard patterns, and the number texts kept in the records.
#include "UserControl1TestSupport.h"

#include "listctl/qt/NumberText.h"
#include "listctl/qt/WildcardPattern.h"

#include <QRandomGenerator>
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
        ShownList list(10);
        list.Additem(blocks(), -1, -1, QString(), rowColor(1)); // -1 on an empty list appends
        addRows(list, 2, 3);
        list.Additem(blocks(), -1, -1, QString(), rowColor(9));
        list.Additem(blocks(), 2, -1, QString(), rowColor(8));
        list.Additem(blocks(), 40, -1, QString(), rowColor(7)); // beyond the end appends
        QCOMPARE(list.ListCount(), 6);
        QCOMPARE(rowIds(shot(list), 7), QList<int>({9, 1, 8, 2, 3, 7, 0}));
        QCOMPARE(list.List(6), QString());
    }

    void colourAndPictureComeFromTheRowBefore() {
        ShownList list(10);
        list.setforecolor(QColor(0, 128, 0));
        list.setBackColor(Qt::white); // pictures are combined with the background by AND
        list.setDrawStyle(1);
        list.setPictureList(
            {solid(QColor(255, 0, 0)), solid(QColor(0, 255, 0)), solid(QColor(0, 0, 255))});
        list.Additem(blocks());
        list.Additem(blocks(), 0, 3);
        list.Additem(blocks(), 0, 0, QString(), QColor(128, 0, 0));
        list.Additem(blocks());
        list.UpdateIcon(0, 2);
        const QImage image = shot(list);
        const QColor green(0, 128, 0), red(128, 0, 0);
        for (const auto& [k, colour] : {std::pair{0, green}, {1, green}, {2, red}, {3, red}})
            QVERIFY(rowHasColor(image, k, colour));
        QVERIFY(!rowHasColor(image, 3, green));
        // The picture begins 24 twips from the left and is centred in its row.
        QCOMPARE(image.pixelColor(6, 10), QColor(0, 255, 0));
        QCOMPARE(image.pixelColor(6, RowPx + 10), QColor(0, 0, 255));
        QCOMPARE(image.pixelColor(6, 2 * RowPx + 10), QColor(0, 0, 255));
        list.setDrawStyle(0);
        QVERIFY(!rowHasColor(shot(list), 1, QColor(0, 0, 255)));
    }

    void removingRowsRedrawsThePageAndClearEmptiesIt() {
        ShownList list(10);
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
        addRows(list, 6, 6);
        QVERIFY(surface(list)->isVisible());
        QCOMPARE(rowIds(shot(list), 2), QList<int>({6, 0}));
        // After Clear of a scrolled list the next row added is row 1, at the top.
        addRows(list, 7, 30);
        list.setTopIndex(-1);
        list.Clear();
        QCOMPARE(list.ListCount(), 0);
        QCOMPARE(rowIds(shot(list), 10), QList<int>(10, 0));
        addRows(list, 40, 41);
        QCOMPARE(rowIds(shot(list), 3), QList<int>({40, 41, 0}));
    }

    void itemDataIsANumberKeptWithTheRowAndUpdatesChangeWhatItShows() {
        ShownList list(10);
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
        list.UpdateForeColor(1, rowColor(20));
        list.UpdateText(2, blocks(12));
        list.UpdateText(3, QStringLiteral("ignored"));
        list.setList(0, QString());
        QCOMPARE(texts(list), QStringList({QString(), blocks(), blocks(12)}));
        const QImage image = shot(list);
        QCOMPARE(rowIds(image, 3), QList<int>({0, 20, 3}));
        // A row drawn in another font looks different.
        const QImage before = image.copy(0, 2 * RowPx, image.width(), RowPx);
        list.UpdateFont(2, QStringLiteral("DejaVu Sans Mono"));
        QCOMPARE(list.List(2), blocks(12));
        QVERIFY(shot(list).copy(0, 2 * RowPx, image.width(), RowPx) != before);
        list.Additem(QStringLiteral("inserted"), -1);
        list.SetItemData(-1, 4);
        QCOMPARE(list.GetItemData(0), std::optional<double>(4.0));
    }

    void sortComparesCharacterCodesThenTheOtherFieldsAndRedrawsThePage() {
        ShownList list(3);
        addTexts(list, {"b", "B", "a", "Z", "same", "same"});
        list.SetItemData(4, 9);
        list.SetItemData(5, 1);
        list.SortAscending();
        QCOMPARE(texts(list), QStringList({"B", "Z", "a", "b", "same", "same"}));
        QCOMPARE(list.GetItemData(4), std::optional<double>(1));
        QCOMPARE(list.GetItemData(5), std::optional<double>(9));
        list.Clear();
        for (int id = 1; id <= 6; ++id)
            list.Additem(QString(id, QChar(0x2588)), 0, -1, QString(), rowColor(id));
        list.setTopIndex(2);
        list.SortDescending(); // longer runs of blocks sort first
        QCOMPARE(rowIds(shot(list), 3), QList<int>({5, 4, 3}));
        // A long list with many equal rows.
        list.Clear();
        QRandomGenerator random(7);
        for (int i = 0; i < 3000; ++i)
            list.Additem(QStringLiteral("row %1").arg(random.bounded(40)));
        list.SortAscending();
        const QStringList sorted = texts(list);
        QVERIFY(std::is_sorted(sorted.begin(), sorted.end()));
        QCOMPARE(sorted.size(), 3000);
    }

    void findsWithWildcardsFromTheGivenRow() {
        ShownList list(10);
        addTexts(list, {"Dice throw : 6", "Move piece 1 by 6", "NEW GAME", "Move piece 4 by 2"});
        // The number of the first row found, counted from 1; 0 when none. Case matters with 1.
        const struct {
            const char* pattern;
            int casen;
            int found;
        } cases[] = {{"move*", 0, 2},  {"move*", 1, 0},         {"Move*", 1, 2},
                     {"[!dm]*", 0, 3}, {"*piece [3-4]*", 0, 4}, {"new", 0, 0}};
        for (const auto& [pattern, casen, found] : cases) {
            QVERIFY2(list.Find(0, 0, pattern, casen) == std::optional<int>(found), pattern);
        }
        // From the given row in either direction.
        list.Clear();
        addTexts(list, {"a1", "b", "a2", "a3", "c"});
        QCOMPARE(list.Find(0, 1, "a*"), std::optional<int>(3));
        QCOMPARE(list.Find(1, 0, "a*"), std::optional<int>(4));
        QCOMPARE(list.Find(1, 4, "a*"), std::optional<int>(0));
        QCOMPARE(list.Find(0, 5, "a*"), std::nullopt);
        QCOMPARE(list.Find(0, -1, "a*"), std::nullopt);
    }

    void wildcardPatterns() {
        const struct {
            const char* text;
            const char* pattern;
            bool matches;
        } cases[] = {{"", "", true},           {"", "*", true},
                     {"abc", "a?c", true},     {"abcbcd", "a*bcd", true},
                     {"xaybz", "*a*b*", true}, {"abc", "a*d", false},
                     {"ab", "ab?", false},     {"a7", "a#", true},
                     {"ax", "a#", false},      {"5", "[!0-9]", false},
                     {"-", "[a-]", true},      {"[", "[", true},
                     {"*", "[*]", true},       {"A", "a", false}};
        for (const auto& [text, pattern, matches] : cases) {
            QVERIFY2(WildcardPattern::matches(QString(text), QString(pattern)) == matches,
                     qPrintable(QStringLiteral("'%1' ~ '%2'").arg(text, pattern)));
        }
    }

    void numberTexts() {
        for (const auto& [number, text] :
             {std::pair{7.0, " 7"}, {-7.0, "-7"}, {0.5, " .5"}, {-2.25, "-2.25"}})
            QCOMPARE(NumberText::str(number), QString(text));
        for (const auto& [text, number] :
             {std::pair{" 7", 7.0}, {"  -12abc", -12.0}, {" .5", 0.5}, {"x1", 0.0}, {"", 0.0}})
            QCOMPARE(NumberText::val(QString(text)), number);
    }
};

QTEST_MAIN(UserControl1StoreTest)
#include "UserControl1StoreTest.moc"
