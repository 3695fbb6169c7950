// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A settings or saved-game file that cannot be used: which file, which line, what is wrong.
// The message shows the file name's bytes that are not UTF-8 as escapes.
#include "files/ShownText.h"

#include <stdexcept>
#include <string>

namespace ruvo {

class FileError : public std::runtime_error {
public:
    FileError(std::string file, int line, std::string fault)
        : std::runtime_error(describe(file, line, fault)), file_(std::move(file)), line_(line),
          fault_(std::move(fault)) {}

    const std::string& file() const { return file_; }
    int line() const { return line_; } // 1-based; 0 when the fault is not on one line
    const std::string& fault() const { return fault_; }

private:
    static std::string describe(const std::string& file, int line, const std::string& fault) {
        const std::string shown = ShownText::Escaped(file);
        return line > 0 ? shown + ", line " + std::to_string(line) + ": " + fault
                        : shown + ": " + fault;
    }

    std::string file_;
    int line_;
    std::string fault_;
};

} // namespace ruvo
