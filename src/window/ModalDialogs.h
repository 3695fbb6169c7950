// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window's modal interactions: message boxes, Yes/No questions, popup menus, the file
// chooser and the help and about windows. The window asks them through this interface so that
// a test can answer them from a script; WindowDialogs shows the real ones.
#include "game/GameHost.h"

#include <QPoint>
#include <QString>

#include <string>

class QAction;
class QMenu;
class QWidget;

class ModalDialogs {
public:
    virtual ~ModalDialogs() = default;

    // A message box with OK only.
    virtual void message(QWidget* owner, const QString& text) = 0;
    // A question with Yes and No buttons; true for Yes.
    virtual bool askYesNo(QWidget* owner, const QString& prompt) = 0;
    // Pops up a menu whose captions and enabled states are set; the chosen item, or nullptr
    // when the menu was dismissed.
    virtual QAction* popupMenu(QMenu* menu, const QPoint& globalPosition) = 0;
    // The file chooser; "" when cancelled.
    virtual std::string chooseFile(QWidget* owner, const ruvo::FileDialogRequest& request) = 0;
    virtual void showHelp(QWidget* owner, const QString& helpPagePath) = 0;
    virtual void showAbout(QWidget* owner) = 0;
};
