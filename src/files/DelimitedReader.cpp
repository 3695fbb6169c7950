// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/DelimitedReader.h"

#include "files/FileError.h"

#include <utility>

namespace ruvo {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

DelimitedReader::DelimitedReader(std::string fileName, std::string_view bytes)
    : fileName_(std::move(fileName)), bytes_(bytes) {}

std::string DelimitedReader::Excerpt(std::string_view text) {
    constexpr size_t longest = 20;
    std::string shown(text.substr(0, longest));
    for (char& c : shown) {
        if (static_cast<unsigned char>(c) < ' ') {
            c = '?';
        }
    }
    return "\"" + shown + (text.size() > longest ? "...\"" : "\"");
}

void DelimitedReader::Fail(const std::string& fault) const {
    FailAt(itemLine_, fault);
}

void DelimitedReader::FailAt(int line, const std::string& fault) const {
    throw FileError(fileName_, line, fault);
}

size_t DelimitedReader::LineEndLength(size_t at) const {
    if (at >= bytes_.size()) {
        return 0;
    }
    if (bytes_[at] == '\n') {
        return 1;
    }
    if (bytes_[at] == '\r') {
        if (at + 1 == bytes_.size()) {
            return 1;
        }
        if (bytes_[at + 1] == '\n') {
            return 2;
        }
    }
    return 0;
}

void DelimitedReader::SkipBlanks() {
    while (pos_ < bytes_.size() && (bytes_[pos_] == ' ' || bytes_[pos_] == '\t')) {
        ++pos_;
    }
}

DelimitedReader::Item DelimitedReader::NextItem(std::string_view what) {
    SkipBlanks();
    itemLine_ = line_;
    if (AtEnd()) {
        Fail("the file ends early: " + std::string(what) + " is missing");
    }
    Item item;
    if (bytes_[pos_] == '"') {
        const size_t start = pos_ + 1;
        size_t close = start;
        while (close < bytes_.size() && bytes_[close] != '"' && LineEndLength(close) == 0) {
            ++close;
        }
        if (close >= bytes_.size() || bytes_[close] != '"') {
            Fail("a quoted text has no closing quote (" + std::string(what) + ")");
        }
        item.text = bytes_.substr(start, close - start);
        item.quoted = true;
        pos_ = close + 1;
        SkipBlanks();
        if (!AtEnd() && bytes_[pos_] != ',' && LineEndLength(pos_) == 0) {
            Fail("text follows the closing quote of " + std::string(what));
        }
    } else {
        const size_t start = pos_;
        while (pos_ < bytes_.size() && bytes_[pos_] != ',' && LineEndLength(pos_) == 0) {
            ++pos_;
        }
        std::string_view text = bytes_.substr(start, pos_ - start);
        while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
            text.remove_suffix(1);
        }
        if (text.find('"') != std::string_view::npos) {
            Fail("a double quote inside an unquoted item (" + std::string(what) + ")");
        }
        item.text = text;
    }
    if (!AtEnd() && bytes_[pos_] == ',') {
        ++pos_;
        itemEndedLine_ = false;
    } else {
        const size_t lineEnd = LineEndLength(pos_);
        if (lineEnd > 0) {
            pos_ += lineEnd;
            ++line_;
        }
        itemEndedLine_ = true;
    }
    return item;
}

std::string DelimitedReader::ReadText(std::string_view what) {
    return std::string(NextItem(what).text);
}

int64_t DelimitedReader::ReadNumber(std::string_view what, int64_t lowest, int64_t highest) {
    const Item item = NextItem(what);
    std::string_view digits = item.text;
    const bool negative = !digits.empty() && digits.front() == '-';
    if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) {
        digits.remove_prefix(1);
    }
    bool wellFormed = !item.quoted && !digits.empty();
    int64_t value = 0;
    for (char c : digits) {
        if (!IsDigit(c)) {
            wellFormed = false;
            break;
        }
        if (value <= highest + 1) {
            value = value * 10 + (c - '0');
        }
    }
    if (!wellFormed) {
        Fail(std::string(item.quoted ? "quoted text" : "text") + " where a number belongs (" +
             std::string(what) + "): " + Excerpt(item.text));
    }
    value = negative ? -value : value;
    if (value < lowest || value > highest) {
        Fail(std::string(what) + " " + Excerpt(item.text) + " is outside " +
             std::to_string(lowest) + ".." + std::to_string(highest));
    }
    return value;
}

int16_t DelimitedReader::ReadInteger(std::string_view what) {
    return static_cast<int16_t>(ReadNumber(what, INT16_MIN, INT16_MAX));
}

int16_t DelimitedReader::ReadInteger(const std::string& what, int16_t lowest, int16_t highest) {
    const int16_t value = ReadInteger(what);
    if (value < lowest || value > highest) {
        const std::string range = highest == lowest + 1
                                      ? std::to_string(lowest) + " or " + std::to_string(highest)
                                      : std::to_string(lowest) + ".." + std::to_string(highest);
        Fail(what + " must be " + range + ", not " + std::to_string(value));
    }
    return value;
}

int32_t DelimitedReader::ReadLong(std::string_view what) {
    return static_cast<int32_t>(ReadNumber(what, INT32_MIN, INT32_MAX));
}

std::string DelimitedReader::ReadLine(std::string_view what) {
    itemLine_ = line_;
    if (AtEnd()) {
        Fail("the file ends early: " + std::string(what) + " is missing");
    }
    const size_t start = pos_;
    while (pos_ < bytes_.size() && LineEndLength(pos_) == 0) {
        ++pos_;
    }
    std::string line(bytes_.substr(start, pos_ - start));
    if (!AtEnd()) {
        pos_ += LineEndLength(pos_);
        ++line_;
    }
    itemEndedLine_ = true;
    return line;
}

} // namespace ruvo
