// SPDX-License-Identifier: GPL-3.0-or-later
// The help window: Back and Forward between places of the help page, Exit keeping the window for
// the next HELP, the resize rule, a missing page, and the shipped page's own links.
#include "window/HelpForm.h"

#include "window/WindowDialogs.h"

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

#include <functional>

class HelpFormTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        // A page long enough to scroll, with in-page links and a link to another file.
        const QString filler = QStringLiteral("<p>Filler line</p>").repeated(60);
        pagePath = dir.filePath("ruvo.htm");
        writeFile(pagePath, QStringLiteral(R"(<h1>Help page</h1><p><a href="#one">Go to one</a>
            <a href="#two">Go to two</a> <a href="other.htm">Other file</a></p>%1
            <h2><a name="one">Section one</a></h2>%1<h2><a name="two">Section two</a></h2>%1)")
                                .arg(filler));
        writeFile(dir.filePath("other.htm"), "<p>Another file</p>");
        form = new HelpForm(pagePath, nullptr);
        other = new QWidget;
        other->resize(200, 100);
    }

    void cleanup() {
        delete form;
        delete other;
    }

    void opensOnThePageOrSaysItIsMissingAndFollowsTheResizeRule() {
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
        // A missing page: a page saying so, naming the file.
        const QString missing = dir.filePath("absent.htm");
        form->setPagePath(missing);
        activate(form);
        QVERIFY(browser()->toPlainText().contains("Page not found"));
        QVERIFY(browser()->toPlainText().contains(missing));
        // The resize rule: the buttons below the browser; too small for the browser's height, the
        // width still follows and the height stays.
        QTextBrowser* view = browser();
        form->resize(640, 480);
        QTRY_COMPARE(form->size(), QSize(640, 480));
        for (const char* name : {"Command1", "Command2", "Command3"}) {
            const QRect r = button(name)->geometry();
            QVERIFY2(r.top() >= view->geometry().bottom() && QRect(0, 0, 640, 480).contains(r),
                     name);
        }
        const int height = view->height();
        form->resize(640 - view->width() + 30, view->y() + 10);
        QTRY_COMPARE(view->width(), 30);
        QCOMPARE(view->height(), height);
    }

    void backAndForwardNeverLeaveThePage() {
        activate(form);
        // On the fresh page the buttons and keys do nothing.
        browser()->verticalScrollBar()->setValue(200);
        QCOMPARE(back(), pageUrl());
        QCOMPARE(forward(), pageUrl());
        QCOMPARE(browser()->verticalScrollBar()->value(), 200);
        browser()->verticalScrollBar()->setValue(0);
        clickLink("Go to one");
        QCOMPARE(browser()->source(), pageUrl("one"));
        browser()->verticalScrollBar()->setValue(0);
        clickLink("Go to two");
        QCOMPARE(back(), pageUrl("one")); // back to the contents at the top
        QCOMPARE(browser()->verticalScrollBar()->value(), 0);
        QCOMPARE(back(), pageUrl());
        QCOMPARE(back(), pageUrl()); // nowhere to go
        QCOMPARE(forward(), pageUrl("one"));
        QCOMPARE(forward(), pageUrl("two"));
        // Back returns from another file; Forward and its key would lead away from the page and do
        // nothing. The keys and the mouse's back button move as the buttons do.
        clickLink("Other file");
        const QUrl otherUrl = QUrl::fromLocalFile(dir.filePath("other.htm"));
        QCOMPARE(browser()->source(), otherUrl);
        QCOMPARE(back(), pageUrl("two"));
        QCOMPARE(forward(), pageUrl("two"));
        browser()->setFocus();
        QTest::mouseClick(browser()->viewport(), Qt::BackButton);
        QCOMPARE(browser()->source(), pageUrl("one"));
        QTest::keyClick(browser(), Qt::Key_Right, Qt::AltModifier);
        QCOMPARE(browser()->source(), pageUrl("two"));
        QTest::keyClick(browser(), Qt::Key_Left, Qt::AltModifier);
        QCOMPARE(browser()->source(), pageUrl("one"));
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
        // Shows HELP, runs `step` on the window once it is up and closes it if the step did not.
        const auto help = [&](const std::function<void()>& step) {
            QTimer::singleShot(0, &owner, [&] {
                form = dialogs.helpWindow();
                step();
                if (form != nullptr && form->isVisible()) {
                    form->done(QDialog::Rejected);
                }
            });
            dialogs.showHelp(&owner, pagePath);
        };
        QRect placed;
        help([&] { // a place inside the page, a new size and position, then Exit
            clickLink("Go to one");
            form->setGeometry(form->x() + 40, form->y() + 30, 700, 520);
            placed = form->geometry();
            QTest::mouseClick(button("Command3"), Qt::LeftButton);
            QVERIFY(!form->isVisible());
        });
        const QPointer<HelpForm> first = dialogs.helpWindow();
        QVERIFY(first);
        // The second HELP shows the same window where it was, on the same place with its history.
        help([&] {
            QCOMPARE(form.data(), first.data());
            QCOMPARE(first->geometry(), placed);
            QCOMPARE(browser()->source(), pageUrl("one"));
            QVERIFY(browser()->verticalScrollBar()->value() > 0);
            QCOMPARE(back(), pageUrl());
            first->close(); // the close box
        });
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY2(first.isNull(), "the close box unloads the window");
    }

    void shippedPageLinksReachTheirPlaces() {
        // Every in-page link of the shipped page names an anchor of it, and it names every command.
        QFile file(QStringLiteral(RUVO_SOURCE_DIR "/data/ruvo.htm"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(file.readAll());
        int targetCount = 0;
        for (const auto& m : QRegularExpression("<a href=\"#([^\"]+)\"").globalMatch(html)) {
            const QString anchor = "<a name=\"" + m.captured(1) + '"';
            QVERIFY2(html.contains(anchor), qPrintable(anchor));
            ++targetCount;
        }
        QVERIFY(targetCount >= 10);
        QTextDocument page;
        page.setHtml(html);
        for (const char* word : {"Ruvo Help", "START", "SOUND", "SAVEGAME", "LOADGAME", "HELP",
                                 "EXIT", "SINGLEAUTO", "Remove Player 3 ?", "06+"}) {
            QVERIFY2(page.toPlainText().contains(QLatin1String(word)), word);
        }
    }

private:
    static void writeFile(const QString& path, const QString& text) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text.toUtf8());
    }
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
