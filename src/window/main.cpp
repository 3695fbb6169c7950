// SPDX-License-Identifier: GPL-3.0-or-later
// ruvo: the game's window program. Its settings file is the one named with --config, else
// ruvo.cfg in the current folder, else the per-user file (made from the installed default on
// the first start); its sounds and help page are in the folder installed with it.
#include "Version.h"
#include "files/SettingsLocation.h"
#include "window/Form1.h"
#include "window/TerminationSignals.h"
#include "window/UnfinishedGameWatch.h"
#include "window/UserFolders.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

#include <cstdio>
#include <filesystem>
#include <optional>

namespace {

constexpr const char* UsageLine = "Usage: ruvo [--config FILE] [GAME.ruv]; ruvo --help lists the "
                                  "options.\n";

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("ruvo"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(ruvo::Version));

    // The command line is read before the window system is reached, so that --help and
    // --version work without a display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Ruvo, a dice race board game for two to four players, each a person or "
                       "the computer."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption config(
        {QStringLiteral("c"), QStringLiteral("config")},
        QStringLiteral("Read the settings from FILE and write them back there (default: "
                       "ruvo.cfg in the current folder, else ~/.config/ruvo/ruvo.cfg)."),
        QStringLiteral("FILE"));
    parser.addOption(config);
    parser.addPositionalArgument(QStringLiteral("GAME.ruv"),
                                 QStringLiteral("A saved game to load at start-up."),
                                 QStringLiteral("[GAME.ruv]"));
    if (!parser.parse(arguments) || parser.positionalArguments().size() > 1) {
        const QString fault = parser.errorText().isEmpty()
                                  ? QStringLiteral("only one saved game can be given")
                                  : parser.errorText();
        std::fprintf(stderr, "ruvo: %s\n%s", qPrintable(fault), UsageLine);
        return 2;
    }
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        QCoreApplication helpOnly(argc, argv); // the help text names the program as started
        std::fputs(qPrintable(parser.helpText()), stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::printf("ruvo %s\n", ruvo::Version);
        return 0;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Ruvo"));
    QApplication::setDesktopFileName(QStringLiteral("ruvo"));

    Form1 form;
    std::optional<std::string> named;
    if (parser.isSet(config)) {
        named = parser.value(config).toStdString();
    }
    ruvo::SettingsLocation location(named, {QDir::currentPath().toStdString(),
                                            UserFolders::configFolder().toStdString(),
                                            UserFolders::programDataFolder().toStdString()});
    if (!form.startUp(std::move(location))) {
        return 1;
    }
    auto* watch = new UnfinishedGameWatch(form, UserFolders::dataFolder());
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::received, &form, [&form] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            modal->close();
        }
        form.close();
    });
    form.show();
    if (parser.positionalArguments().isEmpty()) {
        watch->offer();
    } else {
        form.loadGame(QFileInfo(parser.positionalArguments().constFirst()).absoluteFilePath());
    }
    return QApplication::exec();
}
