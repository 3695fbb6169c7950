// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The browser of the help window: a QTextBrowser that leaves the back and forward keys and
// mouse buttons to its window, so that one rule governs every way of going back and forward,
// and that shows a short not-found page for a page that cannot be read.
#include <QTextBrowser>

class HelpBrowser : public QTextBrowser {
    Q_OBJECT

public:
    explicit HelpBrowser(QWidget* parent = nullptr);

    QVariant loadResource(int type, const QUrl& name) override;

signals:
    void backRequested();
    void forwardRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
};
