// SPDX-License-Identifier: GPL-3.0-or-later
#include "listctl/qt/ItemStore.h"

ItemStore::ItemStore() : m_records(1) {}

QString ItemStore::field(int row, Field field) const {
    return fieldOf(record(row), field).toString();
}

QStringView ItemStore::fieldOf(QStringView record, Field field) {
    qsizetype start = 0;
    for (int skip = 0; skip < field; ++skip) {
        start = record.indexOf(Separator, start);
        if (start < 0)
            return QStringView();
        ++start;
    }
    const qsizetype end = record.indexOf(Separator, start);
    return end < 0 ? record.sliced(start) : record.sliced(start, end - start);
}

void ItemStore::setField(int row, Field field, const QString& value) {
    QStringList fields = split(record(row));
    fields[field] = value;
    setRecord(row, join(fields));
}

void ItemStore::append(const QString& record) {
    m_records.push_back(record);
}

void ItemStore::insert(int row, const QString& record) {
    m_records.insert(m_records.begin() + row, record);
}

void ItemStore::remove(int row) {
    m_records.erase(m_records.begin() + row);
}

void ItemStore::truncate(int rows) {
    m_records.resize(static_cast<size_t>(rows) + 1);
}

void ItemStore::clear() {
    m_records.resize(1);
    m_records.shrink_to_fit();
}

int ItemStore::findPrefix(QStringView prefix, Qt::CaseSensitivity cs) const {
    for (int row = 1; row <= count(); ++row) {
        if (fieldOf(record(row), Text).startsWith(prefix, cs))
            return row;
    }
    return 0;
}

void ItemStore::sort(Order order, std::mt19937& random) {
    quickSort(1, count(), order, random);
}

QStringList ItemStore::split(const QString& record) {
    QStringList fields = record.split(Separator);
    while (fields.size() < FieldCount)
        fields.append(QString());
    return fields;
}

QString ItemStore::join(const QStringList& fields) {
    return fields.join(Separator);
}

void ItemStore::quickSort(int min, int max, Order order, std::mt19937& random) {
    std::uniform_real_distribution<double> fraction(0.0, 1.0);
    // Records that go after (or before) the pivot in the wanted order.
    const auto after = [order](const QString& a, const QString& pivot) {
        return order == Order::Ascending ? a >= pivot : a <= pivot;
    };
    const auto before = [order](const QString& a, const QString& pivot) {
        return order == Order::Ascending ? a < pivot : a > pivot;
    };
    auto& list = m_records;
    // The larger part of each split is sorted by the loop rather than by a further call, which
    // keeps the depth of the calls small on any input.
    while (max > min) {
        const int pick = static_cast<int>((max - min + 1) * fraction(random)) + min;
        QString pivot = std::move(list[pick]);
        list[pick] = std::move(list[min]); // the hole is now at min
        int lo = min;
        int hi = max;
        for (;;) {
            while (hi > lo && after(list[hi], pivot))
                --hi;
            if (hi <= lo) {
                list[lo] = std::move(pivot);
                break;
            }
            list[lo] = std::move(list[hi]); // the hole is now at hi
            ++lo;
            while (lo < hi && before(list[lo], pivot))
                ++lo;
            if (lo >= hi) {
                lo = hi;
                list[hi] = std::move(pivot);
                break;
            }
            list[hi] = std::move(list[lo]); // the hole is now at lo
        }
        if (lo - min < max - lo) {
            quickSort(min, lo - 1, order, random);
            min = lo + 1;
        } else {
            quickSort(lo + 1, max, order, random);
            max = lo - 1;
        }
    }
}
