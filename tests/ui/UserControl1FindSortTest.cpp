// SPDX-License-Identifier: GPL-3.0-or-later
// Sorting rows, finding them with wildcard patterns, and the number texts kept in the records.
#include "UserControl1TestSupport.h"

#include "listctl/qt/NumberText.h"
#include "listctl/qt/WildcardPattern.h"

#include <QRandomGenerator>
#include <QtTest>

using namespace listtest;

namespace {

QStringList texts(const UserControl1& list) {
    QStringList all;
    for (int i = 0; i < list.ListCount(); ++i)
        all.append(list.List(i));
    return all;
}

void addTexts(UserControl1& list, const QStringList& rows) {
    for (const QString& row : rows)
        list.Additem(row);
}

} // namespace

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

    void findsWithWildcards_data() {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<int>("casen");
        QTest::addColumn<int>("found");
        QTest::newRow("star ignores case") << "move*" << 0 << 2;
        QTest::newRow("star with case") << "move*" << 1 << 0;
        QTest::newRow("exact case") << "Move*" << 1 << 2;
        QTest::newRow("question mark") << "dice throw : ?" << 0 << 1;
        QTest::newRow("digit") << "*by #" << 0 << 2;
        QTest::newRow("no digit") << "*by ##" << 0 << 0;
        QTest::newRow("list") << "[mn]*" << 0 << 2;
        QTest::newRow("range") << "*piece [3-4]*" << 0 << 4;
        QTest::newRow("not in list") << "[!dm]*" << 0 << 3;
        QTest::newRow("whole text only") << "new" << 0 << 0;
    }

    void findsWithWildcards() {
        QFETCH(QString, pattern);
        QFETCH(int, casen);
        QFETCH(int, found);
        UserControl1 list;
        setUp(list, 10);
        addTexts(list, {"Dice throw : 6", "Move piece 1 by 6", "NEW GAME", "Move piece 4 by 2"});
        QCOMPARE(list.Find(0, 0, pattern, casen), std::optional<int>(found));
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

    void wildcardPatterns_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<bool>("matches");
        QTest::newRow("empty") << ""
                               << "" << true;
        QTest::newRow("star matches none") << ""
                                           << "*" << true;
        QTest::newRow("star inside") << "abcde"
                                     << "a*e" << true;
        QTest::newRow("star backtracks") << "abcbcd"
                                         << "a*bcd" << true;
        QTest::newRow("two stars") << "xaybz"
                                   << "*a*b*" << true;
        QTest::newRow("star too greedy") << "abc"
                                         << "a*d" << false;
        QTest::newRow("question needs one") << "ab"
                                            << "ab?" << false;
        QTest::newRow("hash is a digit") << "a7"
                                         << "a#" << true;
        QTest::newRow("hash not a letter") << "ax"
                                           << "a#" << false;
        QTest::newRow("negated range") << "5"
                                       << "[!0-9]" << false;
        QTest::newRow("dash at the end") << "-"
                                         << "[a-]" << true;
        QTest::newRow("bracket literal") << "["
                                         << "[" << true;
        QTest::newRow("star in list is literal") << "*"
                                                 << "[*]" << true;
        QTest::newRow("case matters") << "A"
                                      << "a" << false;
    }

    void wildcardPatterns() {
        QFETCH(QString, text);
        QFETCH(QString, pattern);
        QFETCH(bool, matches);
        QCOMPARE(WildcardPattern::matches(text, pattern), matches);
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
