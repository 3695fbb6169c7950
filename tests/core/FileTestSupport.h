// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Helpers for the settings and saved-game file tests: a private folder, whole-file bytes,
// line edits and fault expectations.
#include "files/FileError.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace ruvo::test {

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
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

// The lines of a CR LF text, without their line ends.
inline std::vector<std::string> SplitLines(const std::string& bytes) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos) {
            end = bytes.size();
        }
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

inline std::string JoinLines(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += line + "\r\n";
    }
    return bytes;
}

// The text with its line `line` (1-based) replaced.
inline std::string WithLine(const std::string& bytes, int line, const std::string& text) {
    std::vector<std::string> lines = SplitLines(bytes);
    lines.at(static_cast<size_t>(line - 1)) = text;
    return JoinLines(lines);
}

// The first `count` lines of the text.
inline std::string FirstLines(const std::string& bytes, size_t count) {
    std::vector<std::string> lines = SplitLines(bytes);
    lines.resize(count);
    return JoinLines(lines);
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
