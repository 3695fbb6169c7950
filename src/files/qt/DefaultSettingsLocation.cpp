// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/qt/DefaultSettingsLocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace ruvo {

namespace {

bool holdsSettings(const QString& folder) {
    return QFileInfo(QDir(folder).filePath(QStringLiteral("ruvo.cfg"))).isFile();
}

} // namespace

QString DefaultSettingsFolder() {
    const QString programFolder = QCoreApplication::applicationDirPath();
#ifdef RUVO_SETTINGS_FROM_PROGRAM
    // The installed data folder, relative to the installed program's folder.
    const QString installed =
        QDir::cleanPath(QDir(programFolder).filePath(QStringLiteral(RUVO_SETTINGS_FROM_PROGRAM)));
#else
    const QString installed = programFolder;
#endif
    if (!holdsSettings(installed) && holdsSettings(programFolder)) {
        return QDir::toNativeSeparators(programFolder);
    }
    return QDir::toNativeSeparators(installed);
}

} // namespace ruvo
