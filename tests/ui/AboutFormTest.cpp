// SPDX-License-Identifier: GPL-3.0-or-later
// The about window: its texts, and the ways it closes (OK, Esc, a click on the credit text)
// and does not (other keys, clicks elsewhere).
#include "window/AboutForm.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTest>

class AboutFormTest : public QObject {
    Q_OBJECT

private slots:
    void showsVersionCreditAndOkAndClosesByOkEscAndAClickOnTheCreditOnly() {
        QWidget owner;
        owner.resize(300, 200);
        owner.show();
        auto* form = new AboutForm(&owner);
        form->show();
        const auto label = [form](const char* name) { return form->findChild<QLabel*>(name); };
        QPushButton* ok = form->findChild<QPushButton*>("AboutOk");
        QCOMPARE(form->windowTitle(), QString("About Ruvo"));
        QCOMPARE(label("Label1")->text(), QString("Version 1.0"));
        QCOMPARE(ok->text(), QString("OK"));
        QVERIFY(label("AboutText")->text().contains("Ruvo"));
        QTest::mouseClick(ok, Qt::LeftButton);
        QVERIFY(!form->isVisible());
        QCOMPARE(form->result(), int(QDialog::Accepted));
        // Esc typed while the OK button has the focus reaches the window, which takes it.
        form->show();
        QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QCoreApplication::sendEvent(ok, &esc);
        QVERIFY(esc.isAccepted());
        QVERIFY(!form->isVisible());
        QCOMPARE(form->result(), int(QDialog::Rejected));
        form->show();
        QTest::mouseClick(label("AboutText"), Qt::RightButton, {},
                          QPoint(5, label("AboutText")->height() - 5));
        QVERIFY(!form->isVisible());
        // Other keys and clicks leave it open.
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        QTest::keyClick(form, Qt::Key_A);
        QTest::mouseClick(label("Label1"), Qt::LeftButton);
        QTest::mouseClick(form, Qt::LeftButton, {}, QPoint(1, 1));
        QTest::qWait(20);
        QVERIFY(form->isVisible());
    }
};

QTEST_MAIN(AboutFormTest)
#include "AboutFormTest.moc"
