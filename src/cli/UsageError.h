// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A bad argument of the command-line tool: one line of text for stderr, exit status 2.
#include <stdexcept>
#include <string>

namespace ruvo {

class UsageError : public std::runtime_error {
public:
    explicit UsageError(const std::string& text) : std::runtime_error(text) {}
};

} // namespace ruvo
