// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/ThrowCountTable.h"

#include "window/ThrowCountCell.h"

#include <QGroupBox>
#include <QLabel>
#include <QPointer>

namespace {

QHash<QObject*, ThrowCountTable::CellText>& Frames() {
    static QHash<QObject*, ThrowCountTable::CellText> frames;
    return frames;
}

QAccessibleInterface* TableFactory(const QString&, QObject* object) {
    const auto found = Frames().constFind(object);
    if (found == Frames().constEnd()) {
        return nullptr;
    }
    return new ThrowCountTable(static_cast<QWidget*>(object), found.value());
}

// The label of a face's line: the frame's labels in their order, the heading line first.
QLabel* FaceLine(const QWidget* frame, int row) {
    const QList<QLabel*> lines = frame->findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
    return row + 1 < lines.size() ? lines.at(row + 1) : nullptr;
}

} // namespace

void ThrowCountTable::install(QWidget* frame, CellText cellText) {
    static const bool installed = [] {
        QAccessible::installFactory(TableFactory);
        return true;
    }();
    Q_UNUSED(installed);
    Frames().insert(frame, std::move(cellText));
    QObject::connect(frame, &QObject::destroyed, [frame] { Frames().remove(frame); });
    // An interface made for the frame before it became a table goes; the next one is the table.
    QAccessibleInterface* old = QAccessible::queryAccessibleInterface(frame);
    if (old != nullptr && dynamic_cast<ThrowCountTable*>(old) == nullptr) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(old));
    }
}

void ThrowCountTable::refresh(QWidget* frame) {
    if (!QAccessible::isActive() || !Frames().contains(frame)) {
        return;
    }
    auto* table = dynamic_cast<ThrowCountTable*>(QAccessible::queryAccessibleInterface(frame));
    if (table == nullptr) {
        return;
    }
    for (int i = 0; i < Rows * Columns; ++i) {
        const QString text = table->cellText(i / Columns, i % Columns);
        if (table->shown_.at(i) != text) {
            table->shown_[i] = text;
            QAccessibleEvent changed(frame, QAccessible::NameChanged);
            changed.setChild(i);
            QAccessible::updateAccessibility(&changed);
        }
    }
}

ThrowCountTable::ThrowCountTable(QWidget* frame, CellText cellText)
    : QAccessibleWidget(frame, QAccessible::Table), cellText_(std::move(cellText)) {
    for (int i = 0; i < Rows * Columns; ++i) {
        shown_ << this->cellText(i / Columns, i % Columns);
    }
}

ThrowCountTable::~ThrowCountTable() {
    for (const QAccessible::Id id : std::as_const(cells_)) {
        QAccessible::deleteAccessibleInterface(id);
    }
}

void* ThrowCountTable::interface_cast(QAccessible::InterfaceType t) {
    if (t == QAccessible::TableInterface) {
        return static_cast<QAccessibleTableInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(t);
}

QString ThrowCountTable::text(QAccessible::Text t) const {
    if (t == QAccessible::Name) {
        if (const auto* box = qobject_cast<const QGroupBox*>(widget())) {
            return box->title();
        }
    }
    return QAccessibleWidget::text(t);
}

int ThrowCountTable::childCount() const {
    return Rows * Columns;
}

QAccessibleInterface* ThrowCountTable::child(int index) const {
    return index >= 0 && index < Rows * Columns ? cellAt(index / Columns, index % Columns)
                                                : nullptr;
}

int ThrowCountTable::indexOfChild(const QAccessibleInterface* child) const {
    const auto* cell = dynamic_cast<const ThrowCountCell*>(child);
    return cell != nullptr && cell->parent() == this
               ? cell->rowIndex() * Columns + cell->columnIndex()
               : -1;
}

QAccessibleInterface* ThrowCountTable::cellAt(int row, int column) const {
    if (row < 0 || row >= Rows || column < 0 || column >= Columns) {
        return nullptr;
    }
    const int index = row * Columns + column;
    if (const QAccessible::Id id = cells_.value(index)) {
        return QAccessible::accessibleInterface(id);
    }
    auto* cell = new ThrowCountCell(const_cast<ThrowCountTable*>(this), row, column);
    cells_.insert(index, QAccessible::registerAccessibleInterface(cell));
    return cell;
}

QString ThrowCountTable::cellText(int row, int column) const {
    return cellText_ ? cellText_(row + 1, column) : QString();
}

QRect ThrowCountTable::cellRect(int row, int column) const {
    const QLabel* line = FaceLine(widget(), row);
    if (line == nullptr || !line->isVisible()) {
        return QRect();
    }
    // Each player's count takes two characters of the line, from character 4 x player + 6.
    const QFontMetrics metrics(line->font());
    const QString text = line->text();
    const int left = metrics.horizontalAdvance(text.left(4 * column + 6));
    const int width = metrics.horizontalAdvance(text.mid(4 * column + 6, 2));
    const QRect box = line->contentsRect();
    return QRect(line->mapToGlobal(QPoint(box.left() + left, box.top())),
                 QSize(width, box.height()));
}

QString ThrowCountTable::columnDescription(int column) const {
    return QStringLiteral("P%1").arg(column + 1);
}

QString ThrowCountTable::rowDescription(int row) const {
    return QStringLiteral("%1's").arg(row + 1);
}
