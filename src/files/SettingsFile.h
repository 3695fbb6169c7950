// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings file: read once at start-up, its first four lines rewritten at the end.
#include "files/Settings.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace ruvo {

class SettingsFile {
public:
    // Name of the scratch copy that Save leaves beside the settings file.
    static constexpr const char* ScratchName = "ruvocfg.tmp";

    // Reads and checks the settings file. Throws FileError naming the file, the line and the
    // fault when it is missing, unreadable, short or malformed, or would break the game.
    static Settings Load(const std::string& path);

    // The same from the file's bytes; fileName is used in fault messages.
    static Settings Parse(const std::string& fileName, std::string_view bytes);

    // Keeps the file's bytes as they are in the scratch copy beside it, then rewrites it with
    // the four settings records followed by its old lines from line 5 on. Throws FileError
    // when the file cannot be read or written; the settings file is then left as it was.
    static void Save(const std::string& path, int16_t speedFactor, int16_t soundOn,
                     const std::array<std::string, 4>& types, const std::array<int16_t, 4>& enabled,
                     const std::array<int16_t, 4>& paused);

    // The same, read from one settings file and written to another (created when missing, its
    // folder must exist); the scratch copy of readFrom's bytes goes beside writeTo.
    static void Save(const std::string& readFrom, const std::string& writeTo, int16_t speedFactor,
                     int16_t soundOn, const std::array<std::string, 4>& types,
                     const std::array<int16_t, 4>& enabled, const std::array<int16_t, 4>& paused);
};

} // namespace ruvo
