// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/HelpForm.h"

#include "window/HelpBrowser.h"

#include <QCloseEvent>
#include <QEvent>
#include <QFont>
#include <QPushButton>
#include <QResizeEvent>
#include <QShowEvent>
#include <QUrl>

namespace {

// Sizes in twips (1/1440 inch), turned into pixels at the window's resolution.
constexpr int TwipsPerInch = 1440;
constexpr int Margin = 60;
constexpr int WidthAllowance = 120;  // the browser is this much narrower than the window
constexpr int HeightAllowance = 480; // and this much shorter, below its top offset
constexpr int ButtonWidth = 1200;
constexpr int ButtonHeight = 360;
constexpr int InitialWidth = 10800;
constexpr int InitialHeight = 8400;

} // namespace

HelpForm::HelpForm(const QString& helpPagePath, QWidget* parent)
    : QDialog(parent), pagePath_(helpPagePath), WebBrowser1(new HelpBrowser(this)),
      Command1(new QPushButton(QStringLiteral("Back"), this)),
      Command2(new QPushButton(QStringLiteral("Forward"), this)),
      Command3(new QPushButton(QStringLiteral("Exit"), this)) {
    setWindowTitle(QStringLiteral("Ruvo Help"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    Command1->setObjectName(QStringLiteral("Command1"));
    Command2->setObjectName(QStringLiteral("Command2"));
    Command3->setObjectName(QStringLiteral("Command3"));
    for (QPushButton* button : {Command1, Command2, Command3}) {
        QFont font = button->font();
        font.setFamily(QStringLiteral("Arial"));
        button->setFont(font);
        button->setAutoDefault(false);
    }

    connect(Command1, &QPushButton::clicked, this, &HelpForm::goBack);
    connect(Command2, &QPushButton::clicked, this, &HelpForm::goForward);
    connect(Command3, &QPushButton::clicked, this, &HelpForm::hide);
    connect(WebBrowser1, &HelpBrowser::backRequested, this, &HelpForm::goBack);
    connect(WebBrowser1, &HelpBrowser::forwardRequested, this, &HelpForm::goForward);

    WebBrowser1->move(twipsToX(Margin), twipsToY(Margin));
    resize(twipsToX(InitialWidth), twipsToY(InitialHeight));
    layOut();
}

void HelpForm::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        showPage();
    }
}

void HelpForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Activation normally follows at once; a window manager that holds it back still gets the
    // page shown.
    showPage();
}

void HelpForm::closeEvent(QCloseEvent* event) {
    // Closed from its close box the window is unloaded: the next HELP builds a new one.
    setAttribute(Qt::WA_DeleteOnClose);
    QDialog::closeEvent(event);
}

void HelpForm::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    layOut();
}

void HelpForm::showPage() {
    if (!ofThePage(WebBrowser1->source())) {
        WebBrowser1->setSource(QUrl::fromLocalFile(pagePath_));
    }
}

bool HelpForm::ofThePage(const QUrl& location) const {
    return location.adjusted(QUrl::RemoveFragment) == QUrl::fromLocalFile(pagePath_);
}

void HelpForm::goBack() {
    if (WebBrowser1->isBackwardAvailable() && ofThePage(WebBrowser1->historyUrl(-1))) {
        WebBrowser1->backward();
    }
}

void HelpForm::goForward() {
    if (WebBrowser1->isForwardAvailable() && ofThePage(WebBrowser1->historyUrl(1))) {
        WebBrowser1->forward();
    }
}

void HelpForm::layOut() {
    // The browser fills the window but for a margin at its sides and a strip at the bottom,
    // which holds the buttons. A size that would come out negative leaves that side as it was.
    const int browserWidth = width() - twipsToX(WidthAllowance);
    const int browserHeight = height() - twipsToY(HeightAllowance) - WebBrowser1->y();
    if (browserWidth >= 0) {
        WebBrowser1->resize(browserWidth, WebBrowser1->height());
    }
    if (browserHeight >= 0) {
        WebBrowser1->resize(WebBrowser1->width(), browserHeight);
    }

    const int buttonTop = height() - twipsToY(HeightAllowance - Margin);
    const int buttonWidth = twipsToX(ButtonWidth);
    const int buttonHeight = twipsToY(ButtonHeight);
    Command1->setGeometry(twipsToX(Margin), buttonTop, buttonWidth, buttonHeight);
    Command2->setGeometry(twipsToX(2 * Margin + ButtonWidth), buttonTop, buttonWidth, buttonHeight);
    Command3->setGeometry(width() - twipsToX(Margin) - buttonWidth, buttonTop, buttonWidth,
                          buttonHeight);
}

int HelpForm::twipsToX(int twips) const {
    return twips * logicalDpiX() / TwipsPerInch;
}

int HelpForm::twipsToY(int twips) const {
    return twips * logicalDpiY() / TwipsPerInch;
}
