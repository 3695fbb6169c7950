// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The real modal interactions of the main window: Qt message boxes, popup menus, the file
// chooser and the help and about windows.
#include "window/HelpForm.h"
#include "window/ModalDialogs.h"

#include <QPointer>

class WindowDialogs : public ModalDialogs {
public:
    WindowDialogs() = default;
    WindowDialogs(const WindowDialogs&) = delete;
    WindowDialogs& operator=(const WindowDialogs&) = delete;
    ~WindowDialogs() override;

    void message(QWidget* owner, const QString& text) override;
    bool askYesNo(QWidget* owner, const QString& prompt) override;
    QAction* popupMenu(QMenu* menu, const QPoint& globalPosition) override;
    std::string chooseFile(QWidget* owner, const ruvo::FileDialogRequest& request) override;
    void showHelp(QWidget* owner, const QString& helpPagePath) override;
    void showAbout(QWidget* owner) override;

    // The help window kept between two HELPs; null before the first and after its close box.
    HelpForm* helpWindow() const { return help_; }

private:
    QPointer<HelpForm> help_;
};
