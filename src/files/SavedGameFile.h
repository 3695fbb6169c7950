// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The saved game file: one game in progress, written on request and read back to go on.
#include "files/SavedGame.h"

#include <string>
#include <string_view>

namespace ruvo {

class SavedGameFile {
public:
    // The file's exact bytes for a game.
    static std::string Format(const SavedGame& game);

    // Writes the game to path. The file is written beside the target and renamed over it, so
    // an existing file is never left truncated. Throws FileError when it cannot be written.
    static void Write(const std::string& path, const SavedGame& game);

    // Reads and checks a saved game from its bytes; fileName is used in fault messages. Only
    // a game that can be applied whole is returned; anything else throws FileError naming
    // the file, the line and the fault.
    static SavedGame Parse(const std::string& fileName, std::string_view bytes);

    // The same from a file; a file that cannot be opened or read throws FileError too.
    static SavedGame Read(const std::string& path);
};

} // namespace ruvo
