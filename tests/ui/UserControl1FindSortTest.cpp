// SPDX-License-Identifier: GPL-3.0-or-later
// Sorting rows, finding them with wildcard patterns, and the number texts kept in the records.
#include "UserControl1TestSupport.h"

#include "listctl/qt/NumberText.h"
#include "listctl/qt/WildcardPattern.h"

#include <QRandomGenerator>
#include <QtTest>

using namespace listtest;

class UserControl1FindSortTest : public QObject {
    Q_OBJECT

private slots:
    void sortsByTextBothWays() {
        UserControl1 list;
        setUp(list, 10);
        addTexts(list, {"pear", "apple", "plum"});
        list.SortAscending();
        QCOMPARE(texts(list), QStringList({"apple", "pear", "plum"}));
        list.SortDescending();
        QCOMPARE(texts(list), QStringList({"plum", "pear", "apple"}));
    }

    void sortComparesCharacterCodesThenTheOtherFields() {
        UserControl1 list;
        setUp(list, 10);
        addTexts(list, {"b", "B", "a", "Z", "same", "same"});
        list.SetItemData(4, 9);
        list.SetItemData(5, 1);
        list.SortAscending();
        QCOMPARE(texts(list), QStringList({"B", "Z", "a", "b", "same", "same"}));
        QCOMPARE(list.GetItemData(4), std::optional<double>(1));
        QCOMPARE(list.GetItemData(5), std::optional<double>(9));
    }

    void sortRedrawsTheSamePage() {
        UserControl1 list;
        setUp(list, 3);
        for (int id = 1; id <= 6; ++id)
            list.Additem(QString(id, QChar(0x2588)), 0, -1, QString(), rowColor(id));
        list.setTopIndex(2);
        list.SortDescending(); // longer runs of blocks sort first
        QCOMPARE(rowIds(shot(list), 3), QList<int>({5, 4, 3}));
    }

    void sortsLongListsWithManyEqualRows() {
        UserControl1 list;
        setUp(list, 10);
        QRandomGenerator random(7);
        for (int i = 0; i < 3000; ++i)
            list.Additem(QStringLiteral("row %1").arg(random.bounded(40)));
        list.SortAscending();
        QStringList sorted = texts(list);
        QVERIFY(std::is_sorted(sorted.begin(), sorted.end()));
        list.SortDescending();
        sorted = texts(list);
        QVERIFY(std::is_sorted(sorted.rbegin(), sorted.rend()));
        QCOMPARE(sorted.size(), 3000);
    }

    void findsWithWildcards() {
        UserControl1 list;
        setUp(list, 10);
        addTexts(list, {"Dice throw : 6", "Move piece 1 by 6", "NEW GAME", "Move piece 4 by 2"});
        // The number of the first row found, counted from 1; 0 when none. Case matters with 1.
        const struct {
            const char* pattern;
            int casen;
            int found;
        } cases[] = {{"move*", 0, 2},  {"move*", 1, 0},  {"Move*", 1, 2}, {"dice throw : ?", 0, 1},
                     {"*by #", 0, 2},  {"*by ##", 0, 0}, {"[mn]*", 0, 2}, {"*piece [3-4]*", 0, 4},
                     {"[!dm]*", 0, 3}, {"new", 0, 0}};
        for (const auto& [pattern, casen, found] : cases) {
            QVERIFY2(list.Find(0, 0, pattern, casen) == std::optional<int>(found), pattern);
        }
    }

    void findStartsAtTheGivenRowInEitherDirection() {
        UserControl1 list;
        setUp(list, 10);
        addTexts(list, {"a1", "b", "a2", "a3", "c"});
        QCOMPARE(list.Find(0, 1, "a*"), std::optional<int>(3));
        QCOMPARE(list.Find(1, 0, "a*"), std::optional<int>(4));
        QCOMPARE(list.Find(1, 4, "a*"), std::optional<int>(0));
        QCOMPARE(list.Find(0, 5, "a*"), std::nullopt);
        QCOMPARE(list.Find(0, -1, "a*"), std::nullopt);
        list.Clear();
        QCOMPARE(list.Find(0, 0, "*"), std::nullopt);
    }

    void wildcardPatterns() {
        const struct {
            const char* text;
            const char* pattern;
            bool matches;
        } cases[] = {{"", "", true},           {"", "*", true},
                     {"abcde", "a*e", true},   {"abcbcd", "a*bcd", true},
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
        QCOMPARE(NumberText::str(7), QStringLiteral(" 7"));
        QCOMPARE(NumberText::str(-7), QStringLiteral("-7"));
        QCOMPARE(NumberText::str(0.5), QStringLiteral(" .5"));
        QCOMPARE(NumberText::str(-2.25), QStringLiteral("-2.25"));
        QCOMPARE(NumberText::val(u" 7"), 7.0);
        QCOMPARE(NumberText::val(u"  -12abc"), -12.0);
        QCOMPARE(NumberText::val(u" .5"), 0.5);
        QCOMPARE(NumberText::val(u"x1"), 0.0);
        QCOMPARE(NumberText::val(u""), 0.0);
    }
};

QTEST_MAIN(UserControl1FindSortTest)
#include "UserControl1FindSortTest.moc"
