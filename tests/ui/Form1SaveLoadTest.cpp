// SPDX-License-Identifier: GPL-3.0-or-later
// Saving and loading a game through the main window: the save asked for during a person's turn
// happens when the turn is complete, through the file chooser; loading puts the board back as
// it was saved.
#include "Form1TestSupport.h"

#include <QFileInfo>

using namespace form1test;

class Form1SaveLoadTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void saveAtTheEndOfTheTurnThenLoad();
};

void Form1SaveLoadTest::initTestCase() {
    qputenv("XDG_RUNTIME_DIR", QDir::tempPath().toLocal8Bit());
}

void Form1SaveLoadTest::saveAtTheEndOfTheTurnThenLoad() {
    Sandbox sandbox;
    UserSettings settings;
    settings.types = QStringLiteral("HCCC");
    sandbox.setUserSettings(settings);
    StartedForm form({6, 3, 1, 1, 1, 2});
    QVERIFY(form.start());
    form.type(QStringLiteral("START"));

    // Asked for while the person is to move: a message now, the save after the move.
    const QString saved = QDir::current().filePath(QStringLiteral("first"));
    form.dialogs->files = {saved.toStdString()};
    form.dialogs->menuPicks = {"Save Game"};
    QTest::mouseClick(form->Start(), Qt::LeftButton);
    QCOMPARE(form.dialogs->messages,
             QStringList({"Game will be saved at the completion of this turn"}));
    QVERIFY(form.dialogs->fileRequests.empty());
    form.type(QStringLiteral("1=9"));
    QCOMPARE(form.dialogs->fileRequests.size(), size_t(1));
    const ruvo::FileDialogRequest& request = form.dialogs->fileRequests[0];
    QVERIFY(request.save);
    QCOMPARE(request.title, std::string("Select file to Save Ruvo Game"));
    QCOMPARE(QString::fromStdString(request.initialDirectory),
             QCoreApplication::applicationDirPath() + "/");
    QVERIFY(QFileInfo::exists(saved + ".ruv"));
    QVERIFY(form.log().contains("GAME SAVED TO " + saved + ".ruv"));
    QCOMPARE(form.log().last(), QStringLiteral("Dice throw :  2     "));

    // The person moves on; loading the saved game puts piece 1 back on square 4.
    form.type(QStringLiteral("1"));
    QCOMPARE(form->Piece(4)->caption(), QString());
    form.dialogs->files = {(saved + ".ruv").toStdString()};
    form.dialogs->menuPicks = {"Load saved game"};
    QTest::mouseClick(form->Start(), Qt::LeftButton);
    QCOMPARE(form.dialogs->fileRequests.back().title, std::string("Select file to Load Ruvo Game"));
    QVERIFY(!form.dialogs->fileRequests.back().save);
    QVERIFY(form.log().contains("GAME LOADED FROM " + saved + ".ruv"));
    QCOMPARE(form.dialogs->messages.last(), QStringLiteral("Start loaded game ?"));
    QCOMPARE(form->Piece(4)->caption(), QStringLiteral(" 1"));
    QCOMPARE(form->Piece(4)->picture(), ruvo::Picture::Piece0);
    QCOMPARE(form->Piece(76)->picture(), ruvo::Picture::Blank);
}

QTEST_MAIN(Form1SaveLoadTest)
#include "Form1SaveLoadTest.moc"
