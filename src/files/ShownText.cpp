// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/ShownText.h"

#include <cstdint>

namespace ruvo {

namespace {

// Length of the well-formed UTF-8 character at the start of text, or 0 when there is none.
size_t CharacterLength(std::string_view text) {
    const auto byte = [&](size_t i) { return static_cast<uint8_t>(text[i]); };
    const uint8_t lead = byte(0);
    if (lead < 0x80) {
        return 1;
    }
    size_t length = 0;
    uint8_t low = 0x80;
    uint8_t high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;  // no overlong forms
        high = lead == 0xED ? 0x9F : 0xBF; // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF; // nothing past U+10FFFF
    } else {
        return 0;
    }
    if (text.size() < length || byte(1) < low || byte(1) > high) {
        return 0;
    }
    for (size_t i = 2; i < length; ++i) {
        if (byte(i) < 0x80 || byte(i) > 0xBF) {
            return 0;
        }
    }
    return length;
}

std::string Escape(uint8_t byte) {
    const char* digits = "0123456789ABCDEF";
    return std::string("\\x") + digits[byte >> 4] + digits[byte & 0xF];
}

std::string Shown(std::string_view text, size_t longest, bool& cut) {
    std::string shown;
    size_t characters = 0;
    cut = false;
    while (!text.empty()) {
        if (characters == longest) {
            cut = true;
            break;
        }
        const size_t length = CharacterLength(text);
        const auto lead = static_cast<uint8_t>(text[0]);
        if (length == 0 || lead < 0x20 || lead == 0x7F) {
            shown += Escape(lead);
            text.remove_prefix(1);
        } else {
            shown += text.substr(0, length);
            text.remove_prefix(length);
        }
        ++characters;
    }
    return shown;
}

} // namespace

std::string ShownText::Escaped(std::string_view text) {
    bool cut = false;
    return Shown(text, std::string_view::npos, cut);
}

std::string ShownText::Excerpt(std::string_view text, size_t longest) {
    bool cut = false;
    const std::string shown = Shown(text, longest, cut);
    return "\"" + shown + (cut ? "...\"" : "\"");
}

} // namespace ruvo
