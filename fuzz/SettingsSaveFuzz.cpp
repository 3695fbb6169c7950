// SPDX-License-Identifier: GPL-3.0-or-later
// Saves settings into arbitrary settings files and reads them back. The first eight bytes give
// the settings, the rest is the file. The scratch copy must hold the old bytes exactly, a file
// that loaded must load again with the new settings and everything else as it was, and
// nothing but the file and its scratch copy may be left in the folder.
#include "files/FileError.h"
#include "files/SettingsFile.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <signal.h>
#include <string>
#include <string_view>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

const fs::path& Folder() {
    static const fs::path folder = [] {
        const fs::path base = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
        const std::string prefix = "ruvo-settings-fuzz-";
        // The folders of earlier runs, which end without cleaning up, go first.
        std::error_code ignored;
        for (const auto& entry : fs::directory_iterator(base, ignored)) {
            const std::string name = entry.path().filename().string();
            if (name.rfind(prefix, 0) == 0 &&
                kill(static_cast<pid_t>(std::atol(name.c_str() + prefix.size())), 0) != 0) {
                fs::remove_all(entry.path(), ignored);
            }
        }
        fs::path made = base / (prefix + std::to_string(getpid()));
        fs::create_directories(made);
        return made;
    }();
    return folder;
}

std::string Bytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Check(bool good) {
    if (!good) {
        __builtin_trap();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 8) {
        return 0;
    }
    const auto speed = static_cast<int16_t>(data[0] % 30 + 1);
    const auto sound = static_cast<int16_t>(data[1] & 1);
    std::array<std::string, 4> types;
    std::array<int16_t, 4> enabled{};
    std::array<int16_t, 4> paused{};
    int taking = 0;
    for (int player = 0; player < 4; ++player) {
        types[player] = (data[2] >> player & 1) != 0 ? "H" : "C";
        enabled[player] =
            static_cast<int16_t>((data[3] >> player & 1) != 0 || taking + 4 - player <= 2);
        taking += enabled[player];
        paused[player] = static_cast<int16_t>(data[4] >> player & 1);
    }
    const std::string_view old(reinterpret_cast<const char*>(data) + 8, size - 8);

    fs::remove_all(Folder());
    fs::create_directories(Folder());
    const fs::path path = Folder() / "ruvo.cfg";
    const fs::path scratch = Folder() / ruvo::SettingsFile::ScratchName;
    {
        std::ofstream file(path, std::ios::binary);
        file.write(old.data(), static_cast<std::streamsize>(old.size()));
    }
    std::optional<ruvo::Settings> before;
    try {
        before = ruvo::SettingsFile::Load(path.string());
    } catch (const ruvo::FileError&) {
    }
    try {
        ruvo::SettingsFile::Save(path.string(), speed, sound, types, enabled, paused);
    } catch (const ruvo::FileError& error) {
        // Only a file that does not load may be refused (too short, UTF-16); it is left alone.
        Check(!before && !error.fault().empty());
        Check(Bytes(path) == old && !fs::exists(scratch));
        return 0;
    }
    Check(Bytes(scratch) == old);
    size_t entries = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(Folder())) {
        ++entries;
    }
    Check(entries == 2);
    if (!before) {
        return 0;
    }
    const ruvo::Settings after = ruvo::SettingsFile::Load(path.string());
    Check(after.SpeedFactor == speed && after.SoundOn == sound && after.PlayerType == types &&
          after.PlayerEnabled == enabled && after.PlayerPaused == paused);
    Check(after.SquareCol == before->SquareCol && after.SquareRow == before->SquareRow &&
          after.SquareRecords == before->SquareRecords);
    return 0;
}
