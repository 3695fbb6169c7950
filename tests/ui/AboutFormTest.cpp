// SPDX-License-Identifier: GPL-3.0-or-later
// The about window: its texts, and the ways it closes (OK, Esc, a click on the credit text)
// and does not (other keys, clicks elsewhere).
#include "windows/qt/AboutForm.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

class AboutFormTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void showsVersionCreditAndOk();
    void okClosesTheModalShow();
    void escIsSwallowedAndCloses();
    void clickOnTheCreditTextCloses();
    void otherKeysAndClicksLeaveItOpen();

private:
    // Shows the window modally and runs `action` once it is up; returns exec's result, or -1
    // when the window did not close within five seconds.
    int execWith(const std::function<void()>& action);
    QLabel* label(const char* name) const { return form->findChild<QLabel*>(name); }

    QWidget* owner = nullptr;
    AboutForm* form = nullptr;
};

void AboutFormTest::init() {
    owner = new QWidget;
    owner->resize(300, 200);
    owner->show();
    form = new AboutForm(owner);
}

void AboutFormTest::cleanup() {
    delete owner; // deletes the form too
    owner = nullptr;
    form = nullptr;
}

int AboutFormTest::execWith(const std::function<void()>& action) {
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

void AboutFormTest::showsVersionCreditAndOk() {
    QCOMPARE(form->windowTitle(), QString("About Ruvo"));
    QCOMPARE(label("Label1")->text(), QString("Version 1.0"));
    QCOMPARE(form->findChild<QPushButton*>("AboutOk")->text(), QString("OK"));
    QVERIFY(label("AboutText")->text().contains("Ruvo"));
}

void AboutFormTest::okClosesTheModalShow() {
    const int result = execWith(
        [this] { QTest::mouseClick(form->findChild<QPushButton*>("AboutOk"), Qt::LeftButton); });
    QCOMPARE(result, int(QDialog::Accepted));
    QVERIFY(!form->isVisible());
}

void AboutFormTest::escIsSwallowedAndCloses() {
    // Esc typed while the OK button has the focus reaches the window and closes it.
    const int result = execWith([this] {
        QVERIFY(form->isVisible());
        QTest::keyClick(form->findChild<QPushButton*>("AboutOk"), Qt::Key_Escape);
    });
    QCOMPARE(result, int(QDialog::Rejected));
    QVERIFY(!form->isVisible());

    // The key is taken by the window, not passed on to its owner.
    form->show();
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    esc.ignore();
    QCoreApplication::sendEvent(form, &esc);
    QVERIFY(esc.isAccepted());
    QVERIFY(!form->isVisible());
}

void AboutFormTest::clickOnTheCreditTextCloses() {
    const int result = execWith([this] {
        QLabel* text = label("AboutText");
        QTest::mouseClick(text, Qt::RightButton, {}, QPoint(5, text->height() - 5));
    });
    QVERIFY(result != -1);
    QVERIFY(!form->isVisible());
}

void AboutFormTest::otherKeysAndClicksLeaveItOpen() {
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form));
    QTest::keyClick(form, Qt::Key_A);
    QTest::mouseClick(label("Label1"), Qt::LeftButton);
    QTest::mouseClick(form, Qt::LeftButton, {}, QPoint(1, 1));
    QTest::qWait(20);
    QVERIFY(form->isVisible());
}

QTEST_MAIN(AboutFormTest)
#include "AboutFormTest.moc"
