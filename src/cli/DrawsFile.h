// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The draws file of "ruvo-cli play --draws": die faces 1 to 6 separated by blanks and lines.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace ruvo {

class DrawsFile {
public:
    // Largest draws file read: eight million draws, far beyond any scripted game.
    static constexpr size_t Limit = 16 * 1024 * 1024;

    // The draws of a file. Throws FileError when it cannot be read (a folder, a pipe, missing,
    // too large) or holds anything but draws, naming the line.
    static std::vector<int> Read(const std::string& path);

    // The same from the file's bytes; fileName is used in fault messages.
    static std::vector<int> Parse(const std::string& fileName, std::string_view bytes);
};

} // namespace ruvo
