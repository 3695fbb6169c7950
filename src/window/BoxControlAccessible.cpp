// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/BoxControlAccessible.h"

#include "window/BoxControl.h"
#include "window/DieImage.h"

namespace {

QAccessibleInterface* BoardFactory(const QString&, QObject* object) {
    if (auto* box = qobject_cast<BoxControl*>(object)) {
        return new BoxControlAccessible(box);
    }
    if (auto* die = qobject_cast<DieImage*>(object)) {
        return new QAccessibleWidget(die, QAccessible::Graphic);
    }
    return nullptr;
}

// What a box shows when it has neither a name nor a caption nor a tool tip.
QString PictureName(ruvo::Picture picture) {
    switch (picture) {
    case ruvo::Picture::Piece0:
    case ruvo::Picture::Piece1:
    case ruvo::Picture::Piece2:
    case ruvo::Picture::Piece3:
        return QStringLiteral("Piece of player %1")
            .arg(static_cast<int>(picture) - static_cast<int>(ruvo::Picture::Piece0) + 1);
    case ruvo::Picture::WonPos:
        return QStringLiteral("Home");
    case ruvo::Picture::Human:
        return QStringLiteral("Person");
    case ruvo::Picture::Computer:
        return QStringLiteral("Computer");
    case ruvo::Picture::Target:
        return QStringLiteral("Target");
    case ruvo::Picture::Blank:
        break;
    }
    return QStringLiteral("Blank");
}

} // namespace

BoxControlAccessible::BoxControlAccessible(BoxControl* box) : QAccessibleWidget(box) {}

void BoxControlAccessible::install() {
    static const bool installed = [] {
        QAccessible::installFactory(BoardFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

BoxControl* BoxControlAccessible::box() const {
    return static_cast<BoxControl*>(widget());
}

QAccessible::Role BoxControlAccessible::role() const {
    if (box()->keyboardButton()) {
        return QAccessible::Button;
    }
    return box()->picture() == ruvo::Picture::Blank || !box()->caption().trimmed().isEmpty() ||
                   !box()->accessibleName().isEmpty()
               ? QAccessible::StaticText
               : QAccessible::Graphic;
}

QString BoxControlAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Name) {
        if (!box()->accessibleName().isEmpty()) {
            return box()->accessibleName();
        }
        const QString caption = box()->caption().trimmed();
        if (!caption.isEmpty()) {
            return caption;
        }
        return box()->toolTip().isEmpty() ? PictureName(box()->picture()) : box()->toolTip();
    }
    return QAccessibleWidget::text(t);
}

QStringList BoxControlAccessible::actionNames() const {
    QStringList names = QAccessibleWidget::actionNames();
    if (box()->keyboardButton()) {
        names.prepend(pressAction());
    }
    return names;
}

void BoxControlAccessible::doAction(const QString& actionName) {
    if (actionName == pressAction() && box()->keyboardButton()) {
        box()->press();
        return;
    }
    QAccessibleWidget::doAction(actionName);
}
