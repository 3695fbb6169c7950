// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/DrawsFile.h"

#include "files/DiskFile.h"
#include "files/FileError.h"
#include "files/ShownText.h"

namespace ruvo {

std::vector<int> DrawsFile::Read(const std::string& path) {
    return Parse(path, DiskFile::ReadAll(path, Limit));
}

std::vector<int> DrawsFile::Parse(const std::string& fileName, std::string_view bytes) {
    std::vector<int> draws;
    int line = 1;
    size_t at = 0;
    while (at < bytes.size()) {
        const char c = bytes[at];
        if (c == '\n') {
            ++line;
            ++at;
            continue;
        }
        if (c == ' ' || c == '\t' || c == '\r') {
            ++at;
            continue;
        }
        const size_t end = bytes.find_first_of(" \t\r\n", at);
        const std::string_view word = bytes.substr(at, end - at);
        if (word.size() != 1 || word[0] < '1' || word[0] > '6') {
            throw FileError(fileName, line,
                            ShownText::Excerpt(word) + " is not a draw: draws are 1 to 6");
        }
        draws.push_back(word[0] - '0');
        at += word.size();
    }
    return draws;
}

} // namespace ruvo
