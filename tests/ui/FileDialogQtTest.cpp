// SPDX-License-Identifier: GPL-3.0-or-later
// The file chooser of the saved-game dialogs, driven as a user drives it: "" on cancel, the
// chosen path otherwise, no overwrite question and no extension of its own.
#include "window/FileDialogQt.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <string>

using namespace std::string_literals;
using namespace ruvo;
using namespace Qt::StringLiterals;

namespace {

const std::string GameFilter = "Ruvo game Files (*.ruv)"s + '\0' + "*.ruv" + '\0';

// What the test saw of the dialog while it was open (title, open or save, filters, folder, name
// filled in), and the path it gave.
struct Seen {
    std::string path;
    QStringList shown;
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

    void buildsTheDialogsNameFilter() {
        QCOMPARE(NameFiltersFor(GameFilter), QStringList{"Ruvo game Files (*.ruv)"});
        QCOMPARE(NameFiltersFor("Games"s + '\0' + "*.ruv;*.bak" + '\0' + "All" + '\0' + "*" + '\0'),
                 QStringList({"Games (*.ruv *.bak)", "All (*)"}));
        QCOMPARE(NameFiltersFor(""s + '\0' + "*.ruv"), QStringList{"*.ruv"});
        QCOMPARE(NameFiltersFor("No pattern"s + '\0' + '\0'), QStringList{});
        QCOMPARE(NameFiltersFor(""), QStringList{});
    }

    void openCancelsWithAnEmptyPathOrTakesANewNameWithoutAsking() {
        const Seen cancelled = run({false, "Select file", GameFilter, "", folder()},
                                   [](QFileDialog* d) { QTest::keyClick(d, Qt::Key_Escape); });
        QVERIFY(!cancelled.shown.isEmpty());
        QCOMPARE(cancelled.path, ""s);
        const Seen seen = run({false, "Select file to Load Ruvo Game", GameFilter, "", folder()},
                              [](QFileDialog* d) { typeAndAccept(d, "first game.ruv"); });
        QCOMPARE(seen.shown,
                 QStringList({"Select file to Load Ruvo Game", "open", "Ruvo game Files (*.ruv)",
                              QDir(dir.path()).absolutePath(), ""}));
        QVERIFY(!seen.messageBoxShown);
        QCOMPARE(seen.path, QFile::encodeName(dir.filePath("first game.ruv")).toStdString());
    }

    void saveGivesTheTypedNameUnchangedWithoutAsking() {
        // A folder with a dot in its name, holding a saved game already: the dialog fills in the
        // default name, adds no extension of its own and asks nothing before overwriting.
        QVERIFY(QDir(dir.path()).mkdir("my.games"));
        const QDir games(dir.filePath("my.games"));
        QFile existing(games.filePath("old.ruv"));
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.close();
        for (const char* typed : {"save1", "old.ruv"}) {
            const Seen seen = run({true, "Select file to Save Ruvo Game", GameFilter, "start.ruv",
                                   games.path().toStdString() + "/"},
                                  [typed](QFileDialog* d) { typeAndAccept(d, typed); });
            QCOMPARE(seen.shown,
                     QStringList({"Select file to Save Ruvo Game", "save",
                                  "Ruvo game Files (*.ruv)", games.absolutePath(), "start.ruv"}));
            QVERIFY2(!seen.messageBoxShown, typed);
            QCOMPARE(seen.path, QFile::encodeName(games.filePath(typed)).toStdString());
        }
    }

private:
    // Shows the dialog for `request`; once it is open, records what it shows and lets `answer`
    // act on it.
    Seen run(const FileDialogRequest& request, const std::function<void(QFileDialog*)>& answer);
    static void typeAndAccept(QFileDialog* dialog, const QString& name) {
        auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit");
        edit->clear();
        QTest::keyClicks(edit, name);
        QTest::keyClick(edit, Qt::Key_Return);
    }
    std::string folder() const { return dir.path().toStdString() + "/"; }

    QTemporaryDir dir;
    QWidget owner;
};

Seen FileDialogQtTest::run(const FileDialogRequest& request,
                           const std::function<void(QFileDialog*)>& answer) {
    Seen seen;
    QTimer poll;
    QElapsedTimer clock;
    clock.start();
    connect(&poll, &QTimer::timeout, this, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        if (dialog != nullptr && seen.shown.isEmpty()) {
            const bool save = dialog->acceptMode() == QFileDialog::AcceptSave;
            seen.shown << dialog->windowTitle() << (save ? u"save"_s : u"open"_s)
                       << dialog->nameFilters() << dialog->directory().absolutePath()
                       << dialog->findChild<QLineEdit*>("fileNameEdit")->text();
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
    seen.path = ShowFileDialog(&owner, request);
    poll.stop();
    return seen;
}

QTEST_MAIN(FileDialogQtTest)
#include "FileDialogQtTest.moc"
