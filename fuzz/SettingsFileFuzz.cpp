// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the settings reader: it must either refuse them with a FileError or
// return settings the game can start with.
#include "files/FileError.h"
#include "files/SettingsFile.h"
#include "files/SquareRecordCheck.h"
#include "rules/BoardGeometry.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

bool IsFlag(int16_t value) {
    return value == 0 || value == 1;
}

bool CanStartWith(const ruvo::Settings& settings) {
    if (settings.SpeedFactor < 1 || settings.SpeedFactor > 30 || !IsFlag(settings.SoundOn)) {
        return false;
    }
    int enabled = 0;
    for (int player = 0; player < 4; ++player) {
        const std::string& type = settings.PlayerType[player];
        if ((type != "H" && type != "C") || !IsFlag(settings.PlayerEnabled[player]) ||
            !IsFlag(settings.PlayerPaused[player])) {
            return false;
        }
        enabled += settings.PlayerEnabled[player];
    }
    if (enabled < 2) {
        return false;
    }
    for (int square = 0; square < ruvo::SquareTotal; ++square) {
        if (settings.SquareCol[square] < 1 || settings.SquareCol[square] > 15 ||
            settings.SquareRow[square] < 1 || settings.SquareRow[square] > 15 ||
            !ruvo::SquareRecordCheck::PathFieldFault(square, settings.SquareRecords[square])
                 .empty()) {
            return false;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    try {
        if (!CanStartWith(ruvo::SettingsFile::Parse("fuzz.cfg", bytes))) {
            __builtin_trap();
        }
    } catch (const ruvo::FileError& error) {
        if (error.file() != "fuzz.cfg" || error.line() < 0 || error.fault().empty()) {
            __builtin_trap();
        }
    }
    return 0;
}
