// SPDX-License-Identifier: GPL-3.0-or-later
// The file chooser of the saved-game dialogs, driven as a user drives it: "" on cancel, the
// chosen path otherwise, no overwrite question and no extension of its own.
#include "window/FileDialogQt.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <string>
#include <utility>

using namespace std::string_literals;
using ruvo::FileDialogRequest;
using ruvo::NameFiltersFor;
using ruvo::ShowFileDialog;

namespace {

const std::string GameFilter = "Ruvo game Files (*.ruv)"s + '\0' + "*.ruv" + '\0';

// What the test saw of the dialog while it was open.
struct Seen {
    bool found = false;
    QString title;
    QFileDialog::AcceptMode mode = QFileDialog::AcceptOpen;
    QStringList filters;
    QString directory;
    QString typedName;
    bool messageBoxShown = false;
};

} // namespace

class FileDialogQtTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
        QVERIFY(dir.isValid());
        owner.resize(400, 300);
        owner.show();
    }

    void init() {
        QDir(dir.path()).removeRecursively();
        QVERIFY(QDir().mkpath(dir.path()));
    }

    void buildsTheDialogsNameFilter() {
        QCOMPARE(NameFiltersFor(GameFilter), QStringList{"Ruvo game Files (*.ruv)"});
        QCOMPARE(NameFiltersFor("Saved games"s + '\0' + "*.ruv" + '\0'),
                 QStringList{"Saved games (*.ruv)"});
        QCOMPARE(NameFiltersFor("Games"s + '\0' + "*.ruv;*.bak" + '\0' + "All" + '\0' + "*" + '\0'),
                 QStringList({"Games (*.ruv *.bak)", "All (*)"}));
        QCOMPARE(NameFiltersFor(""s + '\0' + "*.ruv"), QStringList{"*.ruv"});
        QCOMPARE(NameFiltersFor("No pattern"s + '\0' + '\0'), QStringList{});
        QCOMPARE(NameFiltersFor(""), QStringList{});
    }

    void cancelGivesAnEmptyPath() {
        // Cancel on either dialog, and Escape as a user cancels.
        const std::function<void(QFileDialog*)> reject = [](QFileDialog* d) { d->reject(); };
        const std::function<void(QFileDialog*)> escape = [](QFileDialog* d) {
            QTest::keyClick(d, Qt::Key_Escape);
        };
        for (const auto& [save, answer] :
             {std::pair{false, reject}, std::pair{true, reject}, std::pair{false, escape}}) {
            Seen seen;
            const std::string path =
                run({save, "Select file", GameFilter, "", dir.path().toStdString() + "/"}, answer,
                    seen);
            QVERIFY(seen.found);
            QVERIFY(!seen.messageBoxShown);
            QCOMPARE(path, ""s);
        }
    }

    void openShowsTheRequestAndGivesTheChosenPathEvenANewOne() {
        const QString saved = dir.filePath("first game.ruv");
        QFile file(saved);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();

        Seen seen;
        const std::string path = run(
            {false, "Select file to Load Ruvo Game", GameFilter, "",
             dir.path().toStdString() + "/"},
            [](QFileDialog* dialog) { typeAndAccept(dialog, "first game.ruv"); }, seen);
        QVERIFY(seen.found);
        QCOMPARE(seen.title, QString("Select file to Load Ruvo Game"));
        QCOMPARE(seen.mode, QFileDialog::AcceptOpen);
        QCOMPARE(seen.filters, QStringList{"Ruvo game Files (*.ruv)"});
        QCOMPARE(seen.directory, QDir(dir.path()).absolutePath());
        QCOMPARE(path, QFile::encodeName(saved).toStdString());

        // A name that does not exist is taken without a question.
        Seen missing;
        const std::string chosen = run(
            {false, "Select file", GameFilter, "", dir.path().toStdString()},
            [](QFileDialog* d) { typeAndAccept(d, "missing.ruv"); }, missing);
        QVERIFY(missing.found);
        QVERIFY(!missing.messageBoxShown);
        QCOMPARE(chosen, QFile::encodeName(dir.filePath("missing.ruv")).toStdString());
    }

    void saveGivesTheTypedNameUnchangedWithoutAsking() {
        // A folder with a dot in its name, holding a saved game already: the dialog adds no
        // extension of its own and asks nothing before overwriting.
        QVERIFY(QDir(dir.path()).mkdir("my.games"));
        const QDir folder(dir.filePath("my.games"));
        QFile existing(folder.filePath("old.ruv"));
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.close();
        for (const char* typed : {"save1", "game.txt", "old.ruv"}) {
            Seen seen;
            const std::string chosen = run(
                {true, "Select file to Save Ruvo Game", GameFilter, "",
                 folder.path().toStdString() + "/"},
                [typed](QFileDialog* d) { typeAndAccept(d, typed); }, seen);
            QCOMPARE(seen.mode, QFileDialog::AcceptSave);
            QCOMPARE(seen.title, QString("Select file to Save Ruvo Game"));
            QVERIFY2(!seen.messageBoxShown, typed);
            QCOMPARE(chosen, QFile::encodeName(folder.filePath(typed)).toStdString());
        }
    }

    void saveFillsInTheDefaultName() {
        Seen seen;
        const std::string path = run(
            {true, "Save", GameFilter, "start.ruv", dir.path().toStdString() + "/"},
            [](QFileDialog* d) { QTest::keyClick(d, Qt::Key_Return); }, seen);
        QCOMPARE(seen.typedName, QString("start.ruv"));
        QCOMPARE(path, QFile::encodeName(dir.filePath("start.ruv")).toStdString());
    }

private:
    // Shows the dialog for `request`; once it is open, records what it shows and lets `answer`
    // act on it. Fails the test if no dialog opened.
    std::string run(const FileDialogRequest& request,
                    const std::function<void(QFileDialog*)>& answer, Seen& seen);
    // Types a file name into the open dialog and presses its accept button.
    static void typeAndAccept(QFileDialog* dialog, const QString& name);

    QTemporaryDir dir;
    QWidget owner;
};

std::string FileDialogQtTest::run(const FileDialogRequest& request,
                                  const std::function<void(QFileDialog*)>& answer, Seen& seen) {
    QTimer poll;
    QElapsedTimer clock;
    clock.start();
    connect(&poll, &QTimer::timeout, this, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        if (dialog != nullptr && !seen.found) {
            seen.found = true;
            seen.title = dialog->windowTitle();
            seen.mode = dialog->acceptMode();
            seen.filters = dialog->nameFilters();
            seen.directory = dialog->directory().absolutePath();
            seen.typedName = dialog->findChild<QLineEdit*>("fileNameEdit")->text();
            // Answer from outside this handler, so that polling goes on while the dialog
            // runs anything modal of its own.
            QMetaObject::invokeMethod(
                dialog, [answer, dialog] { answer(dialog); }, Qt::QueuedConnection);
        } else if (modal != nullptr && dialog == nullptr) {
            seen.messageBoxShown = true; // a question the dialog should not ask: dismiss it
            modal->close();
        } else if (modal != nullptr && clock.elapsed() > 5000) {
            modal->close(); // the dialog did not take the answer: give up
        }
    });
    poll.start(10);
    const std::string result = ShowFileDialog(&owner, request);
    poll.stop();
    return result;
}

void FileDialogQtTest::typeAndAccept(QFileDialog* dialog, const QString& name) {
    auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit");
    edit->clear();
    QTest::keyClicks(edit, name);
    auto* buttons = dialog->findChild<QDialogButtonBox*>("buttonBox");
    QPushButton* accept =
        buttons->button(dialog->acceptMode() == QFileDialog::AcceptSave ? QDialogButtonBox::Save
                                                                        : QDialogButtonBox::Open);
    QTest::mouseClick(accept, Qt::LeftButton);
}

QTEST_MAIN(FileDialogQtTest)
#include "FileDialogQtTest.moc"
