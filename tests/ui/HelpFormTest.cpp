// SPDX-License-Identifier: GPL-3.0-or-later
// The help window: Back and Forward between places of the help page, Exit keeping the window for
// the next HELP, the resize rule, a missing page, and the shipped page's own links.
#include "window/HelpForm.h"

#include "window/WindowDialogs.h"

#include <QApplication>
#include <QFile>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <QUrl>

namespace {

void writeFile(const QString& path, const QString& text) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text.toUtf8());
}

// A page long enough to scroll, with a contents list of in-page links and a link to another
// file.
QString pageText(const QString& title) {
    QString filler;
    for (int i = 0; i < 60; ++i) {
        filler += QStringLiteral("<p>Filler line %1</p>").arg(i);
    }
    return QStringLiteral("<html><body><h1>%1</h1>"
                          "<p><a href=\"#one\">Go to one</a> <a href=\"#two\">Go to two</a> "
                          "<a href=\"other.htm\">Other file</a></p>%2"
                          "<h2><a name=\"one\">Section one</a></h2>%2"
                          "<h2><a name=\"two\">Section two</a></h2>%2</body></html>")
        .arg(title, filler);
}

} // namespace

class HelpFormTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        QVERIFY(dir.isValid());
        pagePath = dir.filePath("ruvo.htm");
        writeFile(pagePath, pageText("Help page"));
        writeFile(dir.filePath("other.htm"), "<html><body><p>Another file</p></body></html>");
        form = new HelpForm(pagePath, nullptr);
        other = new QWidget;
        other->setWindowTitle("Another window");
        other->resize(200, 100);
    }

    void cleanup() {
        delete form;
        delete other;
    }

    void opensOnThePageWithItsCaptionAndButtons() {
        QCOMPARE(form->windowTitle(), QString("Ruvo Help"));
        QCOMPARE(button("Command1")->text(), QString("Back"));
        QCOMPARE(button("Command2")->text(), QString("Forward"));
        QCOMPARE(button("Command3")->text(), QString("Exit"));
        QVERIFY(browser()->source().isEmpty());

        // The page is there as soon as the window is shown, before it is activated.
        activate(other);
        form->setAttribute(Qt::WA_ShowWithoutActivating);
        form->show(); // no events have run yet: the window is not active
        QVERIFY(!form->isActiveWindow());
        QCOMPARE(browser()->source(), pageUrl());
        QVERIFY(browser()->toPlainText().contains("Help page"));
    }

    void backAndForwardMoveBetweenPlacesInsideThePage() {
        activate(form);
        clickLink("Go to one");
        QCOMPARE(browser()->source(), pageUrl("one"));
        const int atOne = browser()->verticalScrollBar()->value();
        QVERIFY(atOne > 0);
        browser()->verticalScrollBar()->setValue(0);
        clickLink("Go to two");
        QCOMPARE(browser()->source(), pageUrl("two"));
        QVERIFY(browser()->verticalScrollBar()->value() > atOne);

        QCOMPARE(back(), pageUrl("one")); // back to the contents at the top
        QCOMPARE(browser()->verticalScrollBar()->value(), 0);
        QCOMPARE(forward(), pageUrl("two"));
        QTest::mouseClick(button("Command1"), Qt::LeftButton);
        QCOMPARE(back(), pageUrl());
        QCOMPARE(browser()->verticalScrollBar()->value(), 0);

        // Back at the top of the page, Forward goes on to the places visited; Back has nowhere to
        // go.
        QCOMPARE(back(), pageUrl());
        QCOMPARE(forward(), pageUrl("one"));
        QCOMPARE(forward(), pageUrl("two"));
    }

    void backAndForwardButtonsAndKeysDoNothingOnTheFreshPage() {
        activate(form);
        browser()->verticalScrollBar()->setValue(200);
        QTest::mouseClick(button("Command1"), Qt::LeftButton);
        QTest::mouseClick(button("Command2"), Qt::LeftButton);
        browser()->setFocus();
        QTest::keyClick(browser(), Qt::Key_Left, Qt::AltModifier);
        QCOMPARE(browser()->source(), pageUrl());
        QCOMPARE(browser()->verticalScrollBar()->value(), 200);
        // Once a place was visited, the keys and the mouse's back button move as the buttons do.
        clickLink("Go to two");
        QCOMPARE(browser()->source(), pageUrl("two"));
        QTest::keyClick(browser(), Qt::Key_Left, Qt::AltModifier);
        QCOMPARE(browser()->source(), pageUrl());
        QTest::keyClick(browser(), Qt::Key_Right, Qt::AltModifier);
        QCOMPARE(browser()->source(), pageUrl("two"));
        QTest::mouseClick(browser()->viewport(), Qt::BackButton);
        QCOMPARE(browser()->source(), pageUrl());
    }

    void backReturnsFromAnotherFileToThePage() {
        activate(form);
        clickLink("Go to one");
        browser()->verticalScrollBar()->setValue(0);
        clickLink("Other file");
        const QUrl otherUrl = QUrl::fromLocalFile(dir.filePath("other.htm"));
        QCOMPARE(browser()->source(), otherUrl);
        QVERIFY(browser()->toPlainText().contains("Another file"));
        QCOMPARE(back(), pageUrl("one"));
        QVERIFY(browser()->toPlainText().contains("Help page"));

        // Forward would lead away from the page: it does nothing.
        QCOMPARE(forward(), pageUrl("one"));

        // Left on the other file, the window shows the help page when next activated.
        browser()->setSource(otherUrl);
        activate(other);
        activate(form);
        QCOMPARE(browser()->source(), pageUrl());
    }

    void theNextHelpShowsTheWindowAsItWasLeft() {
        delete form; // this test's window is the one the dialogs make
        WindowDialogs dialogs;
        QWidget owner;
        owner.show();
        QTimer failSafe;
        failSafe.setSingleShot(true);
        connect(&failSafe, &QTimer::timeout, &owner, [&dialogs] {
            if (dialogs.helpWindow() != nullptr) {
                dialogs.helpWindow()->done(QDialog::Rejected);
            }
        });
        // The first HELP: a place inside the page, a new size and position, then Exit.
        QRect placed;
        QTimer::singleShot(0, &owner, [&] {
            HelpForm* help = dialogs.helpWindow();
            QVERIFY(help->isVisible());
            form = help;
            clickLink("Go to one");
            browser()->verticalScrollBar()->setValue(0);
            clickLink("Go to two");
            help->setGeometry(help->x() + 40, help->y() + 30, 700, 520);
            placed = help->geometry();
            QTest::mouseClick(button("Command3"), Qt::LeftButton);
        });
        failSafe.start(5000);
        dialogs.showHelp(&owner, pagePath);
        QVERIFY(failSafe.isActive());
        QPointer<HelpForm> first = dialogs.helpWindow();
        QVERIFY(first);

        // The second HELP shows the same window, where and as it was, on the same place with its
        // history.
        QTimer::singleShot(0, &owner, [&] {
            QCOMPARE(dialogs.helpWindow(), first.data());
            QCOMPARE(first->geometry(), placed);
            QCOMPARE(browser()->source(), pageUrl("two"));
            QVERIFY(browser()->verticalScrollBar()->value() > 0);
            QCOMPARE(back(), pageUrl("one"));
            first->close(); // the close box
        });
        failSafe.start(5000);
        dialogs.showHelp(&owner, pagePath);
        QVERIFY(failSafe.isActive());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY2(first.isNull(), "the close box unloads the window");
        form = nullptr;
    }

    void browserFollowsTheResizeRule() {
        activate(form);
        const int sideAllowance = 120 * form->logicalDpiX() / 1440;
        const int bottomAllowance = 480 * form->logicalDpiY() / 1440;
        QTextBrowser* view = browser();
        const int top = view->y();
        QVERIFY(top >= 0);

        form->resize(640, 480);
        QTRY_COMPARE(form->size(), QSize(640, 480));
        QCOMPARE(view->width(), 640 - sideAllowance);
        QCOMPARE(view->height(), 480 - bottomAllowance - top);
        for (const char* name : {"Command1", "Command2", "Command3"}) {
            const QRect r = button(name)->geometry();
            QVERIFY2(r.top() >= view->geometry().bottom() && r.bottom() < 480, name);
            QVERIFY2(r.left() >= 0 && r.right() < 640, name);
        }

        // Too small for the browser's height: the width still follows, the height stays.
        form->resize(sideAllowance + 30, bottomAllowance + top - 10);
        QTRY_COMPARE(form->width(), sideAllowance + 30);
        QCOMPARE(view->width(), 30);
        QCOMPARE(view->height(), 480 - bottomAllowance - top);
    }

    void missingPageShowsANotFoundPage() {
        const QString missing = dir.filePath("absent.htm");
        form->setPagePath(missing);
        activate(form);
        QCOMPARE(browser()->source(), QUrl::fromLocalFile(missing));
        QVERIFY(browser()->toPlainText().contains("Page not found"));
        QVERIFY(browser()->toPlainText().contains(missing));
    }

    void shippedPageLinksReachTheirPlaces() {
        const QString shipped = QStringLiteral(RUVO_SOURCE_DIR "/data/ruvo.htm");
        form->setPagePath(shipped);
        form->resize(800, 600);
        activate(form);
        QTextDocument* document = browser()->document();
        QVERIFY(document->toPlainText().contains("Ruvo Help"));

        // Every in-page link names an anchor of the page; every section is reachable from the
        // contents, and Back returns to the contents each time.
        QFile file(shipped);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(file.readAll());
        QStringList anchors;
        for (const auto& m : QRegularExpression("<a name=\"([^\"]+)\"").globalMatch(html)) {
            anchors << m.captured(1);
        }
        QStringList targets;
        for (const auto& m : QRegularExpression("<a href=\"#([^\"]+)\"").globalMatch(html)) {
            targets << m.captured(1);
        }
        QVERIFY(targets.size() >= 10);
        for (const QString& target : targets) {
            QVERIFY2(anchors.contains(target), qPrintable(target));
        }
        for (const char* word : {"START", "SOUND", "SAVEGAME", "LOADGAME", "HELP", "EXIT",
                                 "SINGLEAUTO", "Remove Player 3 ?", "06+"}) {
            QVERIFY2(document->toPlainText().contains(QLatin1String(word)), word);
        }

        for (const QString section : {"Throwing the dice", "Moving with the mouse",
                                      "Saving and loading games", "Player options"}) {
            browser()->verticalScrollBar()->setValue(0);
            clickLink(section);
            QVERIFY2(browser()->source().hasFragment(), qPrintable(section));
            QVERIFY(browser()->verticalScrollBar()->value() > 0);
            QCOMPARE(back(), QUrl::fromLocalFile(shipped));
            QCOMPARE(browser()->verticalScrollBar()->value(), 0);
        }
    }

private:
    QTextBrowser* browser() const { return form->findChild<QTextBrowser*>("WebBrowser1"); }
    QPushButton* button(const char* name) const { return form->findChild<QPushButton*>(name); }
    // Back and Forward clicked: the place shown then.
    QUrl press(const char* name) {
        QTest::mouseClick(button(name), Qt::LeftButton);
        return browser()->source();
    }
    QUrl back() { return press("Command1"); }
    QUrl forward() { return press("Command2"); }
    void activate(QWidget* window) {
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
    }
    QUrl pageUrl(const QString& fragment = QString()) const {
        QUrl url = QUrl::fromLocalFile(pagePath);
        url.setFragment(fragment); // none when null
        return url;
    }
    // Clicks a link of the shown page the way a user does, with the mouse on its text.
    void clickLink(const QString& linkText) {
        QTextBrowser* view = browser();
        const QTextCursor found = view->document()->find(linkText);
        QVERIFY2(!found.isNull(), qPrintable(linkText));
        QTextCursor inside(view->document());
        inside.setPosition(found.selectionStart() + 1);
        view->ensureCursorVisible();
        view->setTextCursor(inside);
        view->ensureCursorVisible();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->cursorRect(inside).center());
    }

    QTemporaryDir dir;
    QString pagePath;
    QPointer<HelpForm> form;
    QWidget* other = nullptr;
};

QTEST_MAIN(HelpFormTest)
#include "HelpFormTest.moc"
