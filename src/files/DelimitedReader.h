// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads the text conventions of the settings and saved-game files from a byte buffer:
// delimited items (a quoted text ends at its closing quote, an unquoted item at a comma or
// the line end; the line end after an item is consumed, so a read takes the next item
// whatever line it stands on) and raw lines. Lines end in CR LF; a bare LF is accepted too.
// Every fault is a FileError naming the file and the line of the item at fault.
#include <cstdint>
#include <string>
#include <string_view>

namespace ruvo {

class DelimitedReader {
public:
    // Throws FileError when the bytes are UTF-16 text or start with a byte-order mark.
    DelimitedReader(std::string fileName, std::string_view bytes);

    // The next item as text: a quoted item without its quotes (blanks inside kept), an
    // unquoted item without surrounding blanks. `what` names the item in fault messages.
    std::string ReadText(std::string_view what);

    // The next item as a 16-bit or 32-bit integer: an unquoted optional sign and digits.
    int16_t ReadInteger(std::string_view what);
    int32_t ReadLong(std::string_view what);

    // A 16-bit integer that must lie in lowest..highest.
    int16_t ReadInteger(const std::string& what, int16_t lowest, int16_t highest);

    // The rest of the current line without its line end, which is consumed.
    std::string ReadLine(std::string_view what);

    // True when nothing is left to read.
    bool AtEnd() const { return pos_ >= bytes_.size(); }

    // Line of the last item or raw line read (1-based).
    int ItemLine() const { return itemLine_; }

    // True when the last item read was the last one on its line.
    bool ItemEndedLine() const { return itemEndedLine_; }

    const std::string& FileName() const { return fileName_; }

    // A text as fault messages show it: quoted, long ones cut, bytes that are not UTF-8
    // characters and control characters as \xNN escapes.
    static std::string Excerpt(std::string_view text);

    // Throws a FileError for this file at the line of the last item read.
    [[noreturn]] void Fail(const std::string& fault) const;

private:
    struct Item {
        std::string_view text;
        bool quoted = false;
    };

    Item NextItem(std::string_view what);
    int64_t ReadNumber(std::string_view what, int64_t lowest, int64_t highest);
    size_t LineEndLength(size_t at) const;
    void SkipBlanks();
    [[noreturn]] void FailAt(int line, const std::string& fault) const;

    std::string fileName_;
    std::string_view bytes_;
    size_t pos_ = 0;
    int line_ = 1;
    int itemLine_ = 0;
    bool itemEndedLine_ = false;
};

} // namespace ruvo
