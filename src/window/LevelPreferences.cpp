// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/LevelPreferences.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace {

QString LevelKey(int player) {
    return QStringLiteral("Players/Level%1").arg(player + 1);
}

} // namespace

LevelPreferences::LevelPreferences(const QString& settingsPath)
    : path_(QFileInfo(settingsPath).absoluteDir().filePath(QStringLiteral("ruvo-prefs.ini"))) {}

std::array<ruvo::ComputerLevel, 4> LevelPreferences::load() const {
    std::array<ruvo::ComputerLevel, 4> levels{};
    const QSettings file(path_, QSettings::IniFormat);
    for (int p = 0; p < 4; ++p) {
        const auto level = ruvo::ParseLevel(file.value(LevelKey(p)).toString().toStdString());
        levels[p] = level.value_or(ruvo::ComputerLevel::Standard);
    }
    return levels;
}

bool LevelPreferences::save(const std::array<ruvo::ComputerLevel, 4>& levels) const {
    QSettings file(path_, QSettings::IniFormat);
    for (int p = 0; p < 4; ++p) {
        file.setValue(LevelKey(p), QString::fromLatin1(ruvo::LevelName(levels[p])));
    }
    file.sync();
    return file.status() == QSettings::NoError;
}
