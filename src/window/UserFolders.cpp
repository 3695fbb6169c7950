// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/UserFolders.h"

#include "files/SettingsLocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {

// The file of what the window remembers between runs, beside the settings file.
QString memoryPath() {
    return QDir(UserFolders::configFolder()).filePath(QStringLiteral("folders.ini"));
}

QString underRuvo(QStandardPaths::StandardLocation location) {
    return QDir(QStandardPaths::writableLocation(location)).filePath(QStringLiteral("ruvo"));
}

} // namespace

QString UserFolders::configFolder() {
    return underRuvo(QStandardPaths::GenericConfigLocation);
}

QString UserFolders::dataFolder() {
    return underRuvo(QStandardPaths::GenericDataLocation);
}

QString UserFolders::programDataFolder() {
    return QString::fromStdString(ruvo::SettingsLocation::ShippedFolder(
        QCoreApplication::applicationDirPath().toStdString()));
}

QString UserFolders::savedGamesFolder() {
    const QSettings memory(memoryPath(), QSettings::IniFormat);
    const QString remembered = memory.value(QStringLiteral("savedGames")).toString();
    if (!remembered.isEmpty() && QFileInfo(remembered).isDir()) {
        return remembered;
    }
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

void UserFolders::rememberSavedGame(const QString& path) {
    if (path.isEmpty()) {
        return;
    }
    QSettings settings(memoryPath(), QSettings::IniFormat);
    settings.setValue(QStringLiteral("savedGames"), QFileInfo(path).absolutePath());
}

bool UserFolders::firstMoveFrom(const QString& folder) {
    QSettings settings(memoryPath(), QSettings::IniFormat);
    QStringList told = settings.value(QStringLiteral("settingsMovedFrom")).toStringList();
    const QString absolute = QDir(folder).absolutePath();
    if (told.contains(absolute)) {
        return false;
    }
    told << absolute;
    settings.setValue(QStringLiteral("settingsMovedFrom"), told);
    return true;
}
