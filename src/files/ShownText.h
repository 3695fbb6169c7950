// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Texts from files and paths as messages show them: UTF-8 kept, anything else as escapes.
#include <string>
#include <string_view>

namespace ruvo {

class ShownText {
public:
    // The text with every byte that is not part of a well-formed UTF-8 character, and every
    // control character, written as \xNN.
    static std::string Escaped(std::string_view text);

    // The escaped text quoted, cut after `longest` characters (never inside one) with "...".
    static std::string Excerpt(std::string_view text, size_t longest = 20);
};

} // namespace ruvo
