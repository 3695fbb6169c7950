// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Helpers for the file tests: a private folder, whole-file bytes, line edits, fault
// expectations and two saved games.
#include "files/FileError.h"
#include "files/SavedGameFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace ruvo::test {

// A fresh four-player game, a game in progress whose pieces stand stacked, at home, on the
// track, in the home column and in the yards, and the shipped settings.
inline const std::string FreshGame = RUVO_SOURCE_DIR "/fuzz/corpus/SavedGameFileFuzz/fresh.ruv";
inline const std::string MidGame = RUVO_SOURCE_DIR "/fuzz/corpus/SavedGameFileFuzz/midgame.ruv";
inline const std::string ShippedSettings = RUVO_SOURCE_DIR "/data/ruvo.cfg";

// A fresh folder removed with everything in it at the end of the test.
class TempFolder {
public:
    TempFolder() {
        std::random_device random;
        path_ = std::filesystem::temp_directory_path() /
                ("ruvo-files-" + std::to_string(random()) + std::to_string(random()));
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string File(const std::string& name) const { return (path_ / name).string(); }
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// The lines of a CR LF text, without their line ends.
inline std::vector<std::string> SplitLines(const std::string& bytes) {
    std::vector<std::string> lines;
    for (size_t start = 0; start < bytes.size();) {
        const size_t end = std::min(bytes.find("\r\n", start), bytes.size());
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

// The first `count` lines of the text, with its line `line` (1-based) replaced by `text`.
inline std::string FirstLines(const std::string& bytes, size_t count, int line = 0,
                              const std::string& text = "") {
    std::vector<std::string> lines = SplitLines(bytes);
    lines.resize(count);
    if (line > 0) {
        lines.at(static_cast<size_t>(line - 1)) = text;
    }
    std::string edited;
    for (const std::string& kept : lines) {
        edited += kept + "\r\n";
    }
    return edited;
}

inline std::string WithLine(const std::string& bytes, int line, const std::string& text) {
    return FirstLines(bytes, SplitLines(bytes).size(), line, text);
}

// Expects `read` to throw a FileError at `line` whose fault contains `fault`.
inline void ExpectFault(const std::function<void()>& read, int line, const std::string& fault) {
    try {
        read();
        ADD_FAILURE() << "accepted; expected line " << line << ": " << fault;
    } catch (const FileError& error) {
        EXPECT_EQ(error.line(), line) << error.what();
        EXPECT_NE(error.fault().find(fault), std::string::npos) << error.what();
    }
}

} // namespace ruvo::test
