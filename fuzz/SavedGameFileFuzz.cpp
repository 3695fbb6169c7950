// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the saved-game reader: it must either refuse them with a FileError
// or return a game that writes back to a file it reads again as the same game.
#include "files/FileError.h"
#include "files/SavedGameFile.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::string written;
    try {
        written = ruvo::SavedGameFile::Format(ruvo::SavedGameFile::Parse("fuzz.ruv", bytes));
    } catch (const ruvo::FileError& error) {
        if (error.file() != "fuzz.ruv" || error.line() < 0 || error.fault().empty()) {
            __builtin_trap();
        }
        return 0;
    }
    try {
        const ruvo::SavedGame again = ruvo::SavedGameFile::Parse("fuzz.ruv", written);
        if (ruvo::SavedGameFile::Format(again) != written) {
            __builtin_trap();
        }
    } catch (const ruvo::FileError&) {
        __builtin_trap();
    }
    return 0;
}
