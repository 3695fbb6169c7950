// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The help window: the program's help page in a browser with Back, Forward and Exit buttons.
// Back and Forward only move between places of the help page, so they never lead away from it.
// Exit hides the window, which keeps its size, position, place and history for the next HELP;
// each time it becomes active it shows the page, unless it shows a place of the page already.
// Its close box closes it for good.
#include <QDialog>
#include <QString>

class HelpBrowser;
class QPushButton;

class HelpForm : public QDialog {
    Q_OBJECT

public:
    HelpForm(const QString& helpPagePath, QWidget* parent);

    QString pagePath() const { return pagePath_; }
    // The page shown the next time the window becomes active.
    void setPagePath(const QString& helpPagePath) { pagePath_ = helpPagePath; }

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void showPage();
    void goBack();
    void goForward();
    // Whether a location is the help page or a place inside it.
    bool ofThePage(const QUrl& location) const;
    void layOut();
    int twipsToX(int twips) const;
    int twipsToY(int twips) const;

    QString pagePath_;
    HelpBrowser* WebBrowser1;
    QPushButton* Command1; // Back
    QPushButton* Command2; // Forward
    QPushButton* Command3; // Exit
};
