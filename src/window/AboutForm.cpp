// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/AboutForm.h"

#include "Version.h"

#include <QEvent>
#include <QFont>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

AboutForm::AboutForm(QWidget* parent)
    : QDialog(parent),
      AboutText(new QLabel(
          QStringLiteral("Ruvo, a dice race board game for two to four players, each played "
                         "by a person or by the computer.\n\n"
                         "Written by the Ruvo developers. Questions, ideas and bug reports are "
                         "welcome through the project's issue tracker.\n\n"
                         "Ruvo is free software under the GNU General Public License, version "
                         "3 or later, and comes with no warranty."),
          this)),
      Label1(new QLabel(QStringLiteral("Version %1").arg(QLatin1String(ruvo::Version)), this)),
      AboutOk(new QPushButton(QStringLiteral("OK"), this)) {
    setWindowTitle(QStringLiteral("About Ruvo"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    AboutText->setObjectName(QStringLiteral("AboutText"));
    Label1->setObjectName(QStringLiteral("Label1"));
    AboutOk->setObjectName(QStringLiteral("AboutOk"));

    AboutText->setWordWrap(true);
    AboutText->setFrameShape(QFrame::Panel);
    AboutText->setFrameShadow(QFrame::Sunken);
    AboutText->setMargin(8);
    AboutText->setMinimumWidth(320);
    AboutText->installEventFilter(this);

    QFont versionFont = Label1->font();
    versionFont.setBold(true);
    Label1->setFont(versionFont);

    AboutOk->setDefault(true);
    connect(AboutOk, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Label1);
    buttons->addStretch();
    buttons->addWidget(AboutOk);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(AboutText);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

bool AboutForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == AboutText && event->type() == QEvent::MouseButtonPress) {
        reject();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void AboutForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        reject();
        return;
    }
    QDialog::keyPressEvent(event);
}
