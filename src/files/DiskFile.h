// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whole-file reads and safe whole-file replacement for the game's own files.
#include <string>
#include <string_view>

namespace ruvo {

class DiskFile {
public:
    // All bytes of a file. Throws FileError (line 0) when it cannot be opened or read.
    static std::string ReadAll(const std::string& path);

    // Replaces the file's contents with bytes. The new contents are written to a new file
    // beside it, which is then renamed over it: a failure leaves the old file as it was.
    // An existing file that may not be written is refused. Throws FileError (line 0).
    static void Replace(const std::string& path, std::string_view bytes);
};

} // namespace ruvo
