// SPDX-License-Identifier: GPL-3.0-or-later
#include "listctl/qt/ListAccessible.h"

#include "listctl/qt/ListRowAccessible.h"
#include "listctl/qt/ListSurface.h"
#include "listctl/qt/UserControl1.h"

namespace {

QAccessibleInterface* ListSurfaceFactory(const QString&, QObject* object) {
    if (auto* surface = qobject_cast<ListSurface*>(object);
        surface != nullptr && qobject_cast<UserControl1*>(surface->parentWidget()) != nullptr) {
        return new ListAccessible(surface);
    }
    return nullptr;
}

ListAccessible::Listener& TheListener() {
    static ListAccessible::Listener listener;
    return listener;
}

ListAccessible* InterfaceOf(QWidget* surface) {
    return dynamic_cast<ListAccessible*>(QAccessible::queryAccessibleInterface(surface));
}

} // namespace

ListAccessible::ListAccessible(QWidget* surface) : QAccessibleWidget(surface, QAccessible::List) {}

ListAccessible::~ListAccessible() {
    forgetRowsFrom(0);
}

void ListAccessible::install() {
    static const bool installed = [] {
        QAccessible::installFactory(ListSurfaceFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

UserControl1* ListAccessible::control() const {
    return qobject_cast<UserControl1*>(widget() != nullptr ? widget()->parentWidget() : nullptr);
}

QString ListAccessible::text(QAccessible::Text t) const {
    const UserControl1* list = control();
    if (list == nullptr) {
        return QAccessibleWidget::text(t);
    }
    if (t == QAccessible::Name) {
        // The control's own name, or the title of the frame it sits in.
        QString name = list->accessibleName();
        for (const QWidget* w = list->parentWidget(); name.isEmpty() && w != nullptr;
             w = w->parentWidget()) {
            name = w->property("title").toString();
        }
        return name;
    }
    if (t == QAccessible::Description) {
        // The newest row, so that a reader that follows the list hears each new line.
        return list->ListCount() > 0 ? list->List(list->ListCount() - 1) : QString();
    }
    return QAccessibleWidget::text(t);
}

int ListAccessible::childCount() const {
    const UserControl1* list = control();
    return list != nullptr ? list->ListCount() : 0;
}

QAccessibleInterface* ListAccessible::child(int index) const {
    if (index < 0 || index >= childCount()) {
        return nullptr;
    }
    if (const QAccessible::Id id = rows_.value(index)) {
        return QAccessible::accessibleInterface(id);
    }
    auto* row = new ListRowAccessible(const_cast<ListAccessible*>(this), index);
    rows_.insert(index, QAccessible::registerAccessibleInterface(row));
    return row;
}

int ListAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const auto* row = dynamic_cast<const ListRowAccessible*>(child);
    return row != nullptr && row->parent() == this && row->isValid() ? row->index() : -1;
}

QAccessibleInterface* ListAccessible::childAt(int x, int y) const {
    const UserControl1* list = control();
    if (list == nullptr) {
        return nullptr;
    }
    const QPoint at = widget()->mapFromGlobal(QPoint(x, y));
    for (int i = std::max(0, list->firstVisibleIndex()); i < list->ListCount(); ++i) {
        const QRect row = list->rowRect(i);
        if (row.isEmpty()) {
            break;
        }
        if (row.contains(at)) {
            return child(i);
        }
    }
    return nullptr;
}

QAccessibleInterface* ListAccessible::focusChild() const {
    const UserControl1* list = control();
    return list != nullptr && widget()->hasFocus() ? child(list->markedIndex()) : nullptr;
}

void ListAccessible::forgetRowsFrom(int index) {
    for (auto it = rows_.begin(); it != rows_.end();) {
        if (it.key() >= index) {
            QAccessible::deleteAccessibleInterface(it.value());
            it = rows_.erase(it);
        } else {
            ++it;
        }
    }
}

void ListAccessible::setListener(Listener listener) {
    TheListener() = std::move(listener);
}

void ListAccessible::notify(QAccessibleEvent* event) {
    if (TheListener()) {
        TheListener()(event);
    }
    QAccessible::updateAccessibility(event);
}

void ListAccessible::rowAdded(QWidget* surface, int index) {
    ListAccessible* list = InterfaceOf(surface);
    if (list == nullptr) {
        return;
    }
    // Rows after an inserted one have moved: their interfaces are made afresh when asked for.
    list->forgetRowsFrom(index);
    QAccessibleEvent created(surface, QAccessible::ObjectCreated);
    created.setChild(index);
    notify(&created);
    QAccessibleEvent described(surface, QAccessible::DescriptionChanged);
    notify(&described);
    if (!QAccessible::isActive()) {
        list->forgetRowsFrom(index); // nobody listens: no interface kept per row of a long log
    }
}

void ListAccessible::rowsChanged(QWidget* surface) {
    ListAccessible* list = InterfaceOf(surface);
    if (list == nullptr) {
        return;
    }
    list->forgetRowsFrom(0);
    QAccessibleEvent reordered(surface, QAccessible::ObjectReorder);
    notify(&reordered);
}

void ListAccessible::rowMarked(QWidget* surface, int index) {
    ListAccessible* list = InterfaceOf(surface);
    if (list == nullptr || index < 0 || !surface->hasFocus()) {
        return;
    }
    QAccessibleEvent focus(surface, QAccessible::Focus);
    focus.setChild(index);
    notify(&focus);
}
