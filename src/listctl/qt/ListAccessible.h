// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>
#include <QHash>

#include <functional>

class UserControl1;

// ListAccessible -- what assistive technology sees of the list control: its surface is a list
// whose children are the rows, each a list item with its text, placed on the surface when it is
// in view and marked focused and selected when it is the marked row. The control tells it about
// added, removed and reordered rows; a new row is announced as a new child and as the list's
// description.
class ListAccessible : public QAccessibleWidget {
public:
    // surface: the control's list surface ("Picture1"), a child of the control.
    explicit ListAccessible(QWidget* surface);
    ~ListAccessible() override;

    // Gives every list surface this interface.
    static void install();

    UserControl1* control() const;

    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    // Hears every notice the lists send, also while no assistive technology listens (Qt passes
    // them on only while one does); none by default.
    using Listener = std::function<void(QAccessibleEvent*)>;
    static void setListener(Listener listener);

    // The control's notices.
    static void rowAdded(QWidget* surface, int index);
    static void rowsChanged(QWidget* surface);
    static void rowMarked(QWidget* surface, int index);

private:
    // Drops the row interfaces beyond the rows the list now has.
    void forgetRowsFrom(int index);
    static void notify(QAccessibleEvent* event);

    mutable QHash<int, QAccessible::Id> rows_;
};
