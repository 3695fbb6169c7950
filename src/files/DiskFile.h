// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whole-file reads and safe whole-file replacement for the game's own files.
#include <cstddef>
#include <string>
#include <string_view>

namespace ruvo {

class DiskFile {
public:
    // Largest settings file or saved game read: real ones hold a few kilobytes.
    static constexpr size_t GameFileLimit = 1024 * 1024;

    // All bytes of a regular file (a link to one is followed) of at most `limit` bytes.
    // Folders, named pipes, devices and sockets are refused without waiting on them.
    // Throws FileError (line 0) naming the fault, the system's reason or the limit.
    static std::string ReadAll(const std::string& path, size_t limit);

    // Replaces the file at path with bytes, or creates it. The bytes go to a new file with a
    // unique name beside it, flushed to the disk, which is then renamed over it (the folder
    // flushed too): a failure or a crash leaves the old file as it was. Only a regular file
    // is replaced; a link is followed when it and every link it leads through belong to the
    // user and it ends at the user's own regular file. A file with other names (hard links)
    // is refused, as is one that may not be written. Leftover new files of earlier runs that
    // were stopped are removed. Throws FileError (line 0).
    static void Replace(const std::string& path, std::string_view bytes);

    // The same for a scratch file of the program's own: a link of that name is replaced
    // itself and never followed, and may belong to anyone.
    static void ReplaceScratch(const std::string& path, std::string_view bytes);
};

} // namespace ruvo
