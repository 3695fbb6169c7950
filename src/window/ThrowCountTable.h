// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>
#include <QHash>
#include <QStringList>

#include <functional>

// ThrowCountTable -- the throw counts frame as assistive technology sees it: a table with a row
// per face (1's .. 6's) and a column per player (P1 .. P4) whose cells read the counts, instead
// of seven lines of aligned text.
class ThrowCountTable : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    // The count of a face 1..6 for a player 0..3.
    using CellText = std::function<QString(int face, int player)>;

    // Makes the frame read as this table, its cells from cellText.
    static void install(QWidget* frame, CellText cellText);
    // Tells assistive technology which counts changed since the last call.
    static void refresh(QWidget* frame);

    ThrowCountTable(QWidget* frame, CellText cellText);
    ~ThrowCountTable() override;

    void* interface_cast(QAccessible::InterfaceType t) override;
    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

    // The text of a cell, and where it is drawn on the screen.
    QString cellText(int row, int column) const;
    QRect cellRect(int row, int column) const;

    // QAccessibleTableInterface
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int column) const override;
    QString rowDescription(int row) const override;
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return Columns; }
    int rowCount() const override { return Rows; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

    static constexpr int Rows = 6;
    static constexpr int Columns = 4;

private:
    CellText cellText_;
    mutable QHash<int, QAccessible::Id> cells_;
    QStringList shown_; // the cell texts as last reported
};
