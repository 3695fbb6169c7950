// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/DelimitedReader.h"

#include "files/FileError.h"
#include "files/ShownText.h"

#include <algorithm>
#include <utility>

namespace ruvo {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// True when the first characters are ASCII with a NUL byte before or after each.
bool LooksLikeUtf16(std::string_view bytes) {
    const size_t length = std::min<size_t>(bytes.size(), 8) & ~size_t{1};
    if (length == 0) {
        return false;
    }
    const size_t nul = bytes[0] == '\0' ? 0 : 1;
    for (size_t i = 0; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if ((i % 2 == nul) != (byte == 0) || byte >= 0x80) {
            return false;
        }
    }
    return true;
}

} // namespace

DelimitedReader::DelimitedReader(std::string fileName, std::string_view bytes)
    : fileName_(std::move(fileName)), bytes_(bytes) {
    const auto startsWith = [bytes](std::string_view mark) {
        return bytes.substr(0, mark.size()) == mark;
    };
    if (startsWith("\xEF\xBB\xBF")) {
        FailAt(1, "the file starts with a UTF-8 byte-order mark (as Notepad writes it): save it "
                  "again as plain text (ANSI) without the mark");
    }
    if (startsWith("\xFF\xFE") || startsWith("\xFE\xFF")) {
        FailAt(1, "the file is UTF-16 text (it starts with a UTF-16 byte-order mark): save it "
                  "again as plain text (ANSI)");
    }
    if (LooksLikeUtf16(bytes)) {
        FailAt(1, "the file is UTF-16 text (every other byte is a NUL): save it again as plain "
                  "text (ANSI)");
    }
}

std::string DelimitedReader::Excerpt(std::string_view text) {
    return ShownText::Excerpt(text);
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
        Fail("the file ends early, before " + std::string(what));
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
        Fail("the file ends early, before " + std::string(what));
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
