// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/WindowDialogs.h"

#include "window/AboutForm.h"
#include "window/FileDialogQt.h"
#include "window/HelpForm.h"

#include <QMenu>
#include <QMessageBox>

namespace {

// A message box belongs to the window while it is shown; before that it stands alone.
QWidget* OwnerShown(QWidget* owner) {
    return owner != nullptr && owner->isVisible() ? owner : nullptr;
}

} // namespace

void WindowDialogs::message(QWidget* owner, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Ruvo"), text, QMessageBox::Ok,
                    OwnerShown(owner));
    box.exec();
}

bool WindowDialogs::askYesNo(QWidget* owner, const QString& prompt) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Ruvo"), prompt,
                    QMessageBox::Yes | QMessageBox::No, OwnerShown(owner));
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

QAction* WindowDialogs::popupMenu(QMenu* menu, const QPoint& globalPosition) {
    return menu->exec(globalPosition);
}

std::string WindowDialogs::chooseFile(QWidget* owner, const ruvo::FileDialogRequest& request) {
    return ruvo::ShowFileDialog(owner, request);
}

WindowDialogs::~WindowDialogs() {
    delete help_;
}

void WindowDialogs::showHelp(QWidget* owner, const QString& helpPagePath) {
    if (help_ && help_->parentWidget() != owner) {
        delete help_;
    }
    if (!help_) {
        help_ = new HelpForm(helpPagePath, owner);
    }
    help_->setPagePath(helpPagePath);
    help_->exec();
}

void WindowDialogs::showAbout(QWidget* owner) {
    AboutForm about(owner);
    about.exec();
}
