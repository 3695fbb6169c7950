// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/ThrowCountCell.h"

#include "window/ThrowCountTable.h"

ThrowCountCell::ThrowCountCell(ThrowCountTable* table, int row, int column)
    : table_(table), row_(row), column_(column) {}

void* ThrowCountCell::interface_cast(QAccessible::InterfaceType t) {
    if (t == QAccessible::TableCellInterface) {
        return static_cast<QAccessibleTableCellInterface*>(this);
    }
    return nullptr;
}

QWindow* ThrowCountCell::window() const {
    return table_->window();
}

QAccessibleInterface* ThrowCountCell::parent() const {
    return table_;
}

QAccessibleInterface* ThrowCountCell::table() const {
    return table_;
}

QString ThrowCountCell::text(QAccessible::Text t) const {
    if (t == QAccessible::Name) {
        return table_->cellText(row_, column_);
    }
    if (t == QAccessible::Description) {
        return table_->rowDescription(row_) + QStringLiteral(", ") +
               table_->columnDescription(column_);
    }
    return QString();
}

QRect ThrowCountCell::rect() const {
    return table_->cellRect(row_, column_);
}

QAccessible::State ThrowCountCell::state() const {
    QAccessible::State state;
    state.readOnly = true;
    if (rect().isEmpty()) {
        state.invisible = true;
    }
    return state;
}
