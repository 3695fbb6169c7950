// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/HelpBrowser.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QTextDocument>

HelpBrowser::HelpBrowser(QWidget* parent) : QTextBrowser(parent) {
    // Links to web sites open in the desktop's browser; links to files open here.
    setOpenExternalLinks(true);
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    QVariant resource = QTextBrowser::loadResource(type, name);
    if (resource.isValid() || type != QTextDocument::HtmlResource) {
        return resource;
    }
    const QString path = name.isLocalFile() ? name.toLocalFile() : name.toString();
    return QStringLiteral("<html><body><h2>Page not found</h2><p>The page <b>%1</b> could not "
                          "be read.</p></body></html>")
        .arg(path.toHtmlEscaped());
}

void HelpBrowser::keyPressEvent(QKeyEvent* event) {
    const bool alt = event->modifiers() & Qt::AltModifier;
    if (event->key() == Qt::Key_Back || (alt && event->key() == Qt::Key_Left)) {
        event->accept();
        emit backRequested();
        return;
    }
    if (event->key() == Qt::Key_Forward || (alt && event->key() == Qt::Key_Right)) {
        event->accept();
        emit forwardRequested();
        return;
    }
    QTextBrowser::keyPressEvent(event);
}

void HelpBrowser::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::BackButton) {
        event->accept();
        emit backRequested();
        return;
    }
    if (event->button() == Qt::ForwardButton) {
        event->accept();
        emit forwardRequested();
        return;
    }
    QTextBrowser::mousePressEvent(event);
}
