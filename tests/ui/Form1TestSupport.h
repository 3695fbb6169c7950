// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Helpers shared by the main window tests: scripted dialogs that record what was shown, test
// dice, a sandbox home holding a copy of ruvo.cfg, and a started window built from them.
#include "listctl/qt/UserControl1.h"
#include "window/BoxControl.h"
#include "window/DieImage.h"
#include "window/Form1.h"
#include "window/ModalDialogs.h"
#include "window/WindowDialogs.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>
#include <optional>
#include <random>
#include <vector>

namespace form1test {

using namespace Qt::StringLiterals;

inline QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline const bool RuntimeFolderSet = qEnvironmentVariableIsSet("XDG_RUNTIME_DIR") ||
                                     qputenv("XDG_RUNTIME_DIR", QDir::tempPath().toLocal8Bit());

class ScriptedDialogs : public ModalDialogs {
public:
    QStringList messages;
    QStringList questions;
    bool answer = true;       // the answer to every question
    QStringList menuPicks;    // captions to pick; "" or none left dismisses
    QList<QStringList> menus; // title, captions: "-" a separator, (caption) cannot be picked
    bool real = false; // shows the real menus and message boxes too, to be worked with the keys
    QList<QPoint> menuPlaces;
    QStringList helpShown;
    int aboutShown = 0;

    void message(QWidget* owner, const QString& text) override {
        messages << text;
        if (real) {
            WindowDialogs().message(owner, text);
            Reactivate(owner);
        }
    }
    bool askYesNo(QWidget* owner, const QString& prompt) override {
        questions << prompt;
        const bool yes = real ? WindowDialogs().askYesNo(owner, prompt) : answer;
        if (real) {
            Reactivate(owner);
        }
        return yes;
    }
    QAction* popupMenu(QMenu* menu, const QPoint& at) override {
        menuPlaces << at;
        if (real) {
            return WindowDialogs().popupMenu(menu, at);
        }
        QStringList shown{menu->title()};
        for (QAction* item : menu->actions()) {
            const QString caption = item->isSeparator() ? u"-"_s : item->text();
            shown << (item->isEnabled() ? caption : '(' + caption + ')');
        }
        menus << shown;
        const QString pick = menuPicks.isEmpty() ? QString() : menuPicks.takeFirst();
        for (QAction* item : menu->actions()) {
            if (!item->isSeparator() && item->text() == pick && item->isEnabled()) {
                return item;
            }
        }
        return nullptr;
    }
    std::string chooseFile(QWidget*, const ruvo::FileDialogRequest&) override { return {}; }
    void showHelp(QWidget*, const QString& helpPagePath) override { helpShown << helpPagePath; }
    void showAbout(QWidget*) override { ++aboutShown; }

    // As the window manager does once a message box has gone: its window is active again.
    static void Reactivate(QWidget* owner) {
        owner->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(owner));
    }
};

class TestDice : public ruvo::DiceSource {
public:
    explicit TestDice(std::vector<int> first) : queued_(first.begin(), first.end()) {}
    int draw() override {
        return queued_.isEmpty() ? std::uniform_int_distribution<int>(1, 6)(generator_)
                                 : queued_.takeFirst();
    }

private:
    QList<int> queued_;
    std::mt19937 generator_{7};
};

// The four user settings lines of ruvo.cfg.
struct UserSettings {
    QString types = u"CCCC"_s;
    int speed = 30;
    QString enabled = u"1111"_s;
    QString paused = u"0000"_s;

    QByteArray lines() const {
        const auto list = [](const QString& flags, const QString& between = u","_s) {
            return flags.split(QString(), Qt::SkipEmptyParts).join(between);
        };
        return QStringLiteral("\"Speed Factor\",%1,1\r\n\"Player Type\",\"%2\"\r\n"
                              "\"Player Enabled\",%3\r\n\"Player Pause\",%4\r\n")
            .arg(speed)
            .arg(list(types, u"\",\""_s), list(enabled), list(paused))
            .toLatin1();
    }
    // Where the four lines end in a settings file's bytes.
    static qsizetype end(const QByteArray& bytes) {
        qsizetype at = 0;
        for (int line = 0; line < 4; ++line) {
            at = bytes.indexOf('\n', at) + 1;
        }
        return at;
    }
};

// The current folder and a home of its own (HOME and the XDG folders point into it), holding
// ruvo.cfg: the shipped one, or with the user settings given.
class Sandbox {
public:
    explicit Sandbox(std::optional<UserSettings> settings = std::nullopt)
        : previous_(QDir::currentPath()) {
        QVERIFY2(folder_.isValid(), "no temporary folder");
        qputenv("HOME", folder_.path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", folder_.filePath(u"config"_s).toLocal8Bit());
        qputenv("XDG_DATA_HOME", folder_.filePath(u"data"_s).toLocal8Bit());
        QDir::setCurrent(folder_.path());
        QByteArray bytes = ReadAll(QStringLiteral(RUVO_SOURCE_DIR "/data/ruvo.cfg"));
        if (settings) {
            bytes = settings->lines() + bytes.mid(UserSettings::end(bytes));
        }
        QFile file(path());
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
    ~Sandbox() { QDir::setCurrent(previous_); }

    QString path() const { return folder_.filePath(u"ruvo.cfg"_s); }
    QString folder() const { return folder_.path(); }
    QByteArray contents() const { return ReadAll(path()); }

private:
    QTemporaryDir folder_;
    QString previous_;
};

// A started, shown window with scripted dialogs and test dice.
struct StartedForm {
    ScriptedDialogs* dialogs = nullptr;
    std::unique_ptr<Form1> form;

    explicit StartedForm(std::vector<int> draws = {}) {
        auto scripted = std::make_unique<ScriptedDialogs>();
        dialogs = scripted.get();
        form = std::make_unique<Form1>(std::move(scripted),
                                       std::make_unique<TestDice>(std::move(draws)));
    }
    // Started, shown and active, so that keys reach it.
    bool start() {
        if (!form->startUp()) {
            return false;
        }
        form->show();
        form->activateWindow();
        return QTest::qWaitForWindowActive(form.get());
    }
    Form1* operator->() const { return form.get(); }

    QStringList log() const {
        QStringList lines;
        for (int i = 0; i < form->MovesList()->ListCount(); ++i) {
            lines << form->MovesList()->List(i);
        }
        return lines;
    }
    // Types a line into the command line and presses Enter, as a person would.
    void type(const QString& line) const {
        QLineEdit* commandLine = form->Commandline();
        QTest::keyClicks(commandLine, line);
        QTest::keyClick(commandLine, Qt::Key_Return);
    }
};

} // namespace form1test
