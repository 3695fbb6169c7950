// SPDX-License-Identifier: GPL-3.0-or-later
// The about window: its texts, and the ways it closes (OK, Esc, a click on the credit text)
// and does not (other keys, clicks elsewhere).
#include "window/AboutForm.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

class AboutFormTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        owner = new QWidget;
        owner->resize(300, 200);
        owner->show();
        form = new AboutForm(owner);
    }
    void cleanup() { delete owner; } // deletes the form too

    void showsVersionCreditAndOk() {
        QCOMPARE(form->windowTitle(), QString("About Ruvo"));
        QCOMPARE(label("Label1")->text(), QString("Version 1.0"));
        QCOMPARE(ok()->text(), QString("OK"));
        QVERIFY(label("AboutText")->text().contains("Ruvo"));
    }

    void okEscAndAClickOnTheCreditClose() {
        QCOMPARE(execWith([this] { QTest::mouseClick(ok(), Qt::LeftButton); }), 1);
        QVERIFY(!form->isVisible());
        // Esc typed while the OK button has the focus reaches the window and closes it.
        QCOMPARE(execWith([this] { QTest::keyClick(ok(), Qt::Key_Escape); }), 0);
        QCOMPARE(execWith([this] {
                     QTest::mouseClick(label("AboutText"), Qt::RightButton, {},
                                       QPoint(5, label("AboutText")->height() - 5));
                 }),
                 0);
        QVERIFY(!form->isVisible());

        // The Esc key is taken by the window, not passed on to its owner.
        form->show();
        QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        esc.ignore();
        QCoreApplication::sendEvent(form, &esc);
        QVERIFY(esc.isAccepted());
        QVERIFY(!form->isVisible());
    }

    void otherKeysAndClicksLeaveItOpen() {
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        QTest::keyClick(form, Qt::Key_A);
        QTest::mouseClick(label("Label1"), Qt::LeftButton);
        QTest::mouseClick(form, Qt::LeftButton, {}, QPoint(1, 1));
        QTest::qWait(20);
        QVERIFY(form->isVisible());
    }

private:
    // Shows the window modally and runs `action` once it is up; returns exec's result (1 for
    // OK, 0 for a cancel), or -1 when the window did not close within five seconds.
    int execWith(const std::function<void()>& action) {
        QTimer::singleShot(0, form, action);
        bool timedOut = false;
        QTimer failSafe;
        failSafe.setSingleShot(true);
        connect(&failSafe, &QTimer::timeout, form, [this, &timedOut] {
            timedOut = true;
            form->done(QDialog::Rejected);
        });
        failSafe.start(5000);
        const int result = form->exec();
        return timedOut ? -1 : result;
    }
    QLabel* label(const char* name) const { return form->findChild<QLabel*>(name); }
    QPushButton* ok() const { return form->findChild<QPushButton*>("AboutOk"); }

    QWidget* owner = nullptr;
    AboutForm* form = nullptr;
};

QTEST_MAIN(AboutFormTest)
#include "AboutFormTest.moc"
