// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>

class BoxControl;

// BoxControlAccessible -- what assistive technology sees of a BoxControl: a button that can be
// pressed when the box is a keyboard button (MENU, Options), otherwise a label (a board square)
// or a picture (the type pictures, the centre tiles). Its name is the one the window gives it,
// else its caption; its description is its tool tip.
class BoxControlAccessible : public QAccessibleWidget {
public:
    explicit BoxControlAccessible(BoxControl* box);

    // Gives every BoxControl this interface, and every die of a panel the role of a picture.
    static void install();

    BoxControl* box() const;

    QAccessible::Role role() const override;
    QString text(QAccessible::Text t) const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
};
