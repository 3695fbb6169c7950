// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/Text.h"

#include <cctype>

namespace ruvo {

std::string Str(long n) {
    std::string digits = std::to_string(n);
    return n < 0 ? digits : " " + digits;
}

long Val(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        if (value < 100000000000LL) {
            value = value * 10 + (text[i] - '0');
        }
    }
    return static_cast<long>(negative ? -value : value);
}

std::string TwoDigits(int value) {
    if (value < 0) {
        value = -value;
    }
    const int lastTwo = value % 100;
    return std::string{static_cast<char>('0' + lastTwo / 10),
                       static_cast<char>('0' + lastTwo % 10)};
}

std::string DieText(int value) {
    const int digit = (value < 0 ? -value : value) % 10;
    return std::string(1, static_cast<char>('0' + digit));
}

std::string RightAligned2(int value) {
    std::string text = std::to_string(value);
    if (text.size() == 1) {
        return " " + text;
    }
    return text.substr(0, 2);
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    return text;
}

std::string UpperCase(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return upper;
}

std::string WithoutSpaces(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (char c : text) {
        if (c != ' ') {
            result += c;
        }
    }
    return result;
}

} // namespace ruvo
