// SPDX-License-Identifier: GPL-3.0-or-later
#include "listctl/qt/ListRowAccessible.h"

#include "listctl/qt/ListAccessible.h"
#include "listctl/qt/UserControl1.h"

#include <QWidget>

ListRowAccessible::ListRowAccessible(ListAccessible* list, int index)
    : list_(list), index_(index) {}

bool ListRowAccessible::isValid() const {
    const UserControl1* control = list_->control();
    return control != nullptr && index_ >= 0 && index_ < control->ListCount();
}

QWindow* ListRowAccessible::window() const {
    return list_->window();
}

QAccessibleInterface* ListRowAccessible::parent() const {
    return list_;
}

QString ListRowAccessible::text(QAccessible::Text t) const {
    const UserControl1* control = list_->control();
    if (t != QAccessible::Name || control == nullptr) {
        return QString();
    }
    return control->List(index_);
}

QRect ListRowAccessible::rect() const {
    const UserControl1* control = list_->control();
    if (control == nullptr) {
        return QRect();
    }
    const QRect row = control->rowRect(index_);
    if (row.isEmpty()) {
        return QRect();
    }
    const QWidget* surface = qobject_cast<QWidget*>(list_->object());
    return QRect(surface->mapToGlobal(row.topLeft()), row.size());
}

QAccessible::State ListRowAccessible::state() const {
    QAccessible::State state;
    const UserControl1* control = list_->control();
    if (control == nullptr || !isValid()) {
        state.invalid = true;
        return state;
    }
    state.selectable = true;
    state.focusable = true;
    if (control->rowRect(index_).isEmpty()) {
        state.offscreen = true;
        state.invisible = true;
    }
    if (control->markedIndex() == index_) {
        state.selected = true;
        state.focused = list_->state().focused;
    }
    return state;
}
