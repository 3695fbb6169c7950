// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <random>
#include <vector>

// The rows of the list control. Each row is one text record, its fields joined by Tab, and the
// rows are numbered from 1 in display order. A record is split into its fields only when one of
// them is needed, so appending a row costs the same however long the list is.
class ItemStore {
public:
    // The fields of a record, in their order.
    enum Field {
        Text = 0,      // the row text
        ItemData = 1,  // the row's item data as a number text, "0" for a new row
        Picture = 2,   // the index of the row's picture in the picture list
        FontName = 3,  // the font the row is drawn in
        Color = 4,     // the text colour, as a stored colour value (see OleColor)
        TextWidth = 5, // the width of the text as last drawn, in twips
        FieldCount = 6
    };
    static constexpr QChar Separator = u'\t';

    enum class Order { Ascending, Descending };

    ItemStore();

    int count() const { return static_cast<int>(m_records.size()) - 1; }
    bool contains(int row) const { return row >= 1 && row <= count(); }

    // The whole record of row 1..count().
    const QString& record(int row) const { return m_records[static_cast<size_t>(row)]; }
    void setRecord(int row, const QString& record) { m_records[static_cast<size_t>(row)] = record; }

    // One field of a row's record; an empty text when the record has fewer fields.
    QString field(int row, Field field) const;
    // Replaces one field of a row's record, keeping the others.
    void setField(int row, Field field, const QString& value);

    void append(const QString& record);
    // Puts a record at row 1..count(); the rows from there on move one place down.
    void insert(int row, const QString& record);
    // Takes row 1..count() out; the rows after it move one place up.
    void remove(int row);
    // Keeps the first rows rows.
    void truncate(int rows);
    void clear();

    // The first row from row 1 whose text begins with prefix, 0 when there is none.
    int findPrefix(QStringView prefix, Qt::CaseSensitivity cs) const;

    // Sorts the records as whole texts, by their character codes: by row text first and, for
    // equal texts, by the later fields. Quicksort with a pivot drawn at random from random.
    void sort(Order order, std::mt19937& random);

    // One field of a record, without copying it.
    static QStringView fieldOf(QStringView record, Field field);
    static QStringList split(const QString& record);
    static QString join(const QStringList& fields);

private:
    void quickSort(int min, int max, Order order, std::mt19937& random);

    // Element 0 is never used, so that a row number is its index.
    std::vector<QString> m_records;
};
