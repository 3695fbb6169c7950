// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Builds text in the conventions of the settings and saved-game files: delimited records
// (items separated by single commas, text quoted, integers bare) and raw lines, each line
// ending in CR LF.
#include <string>
#include <string_view>

namespace ruvo {

class DelimitedWriter {
public:
    // Adds a quoted text item to the current record. The text must not hold a double quote
    // or a line end: the reader could not give it back.
    DelimitedWriter& Text(std::string_view text);

    // Adds an integer item to the current record.
    DelimitedWriter& Integer(long value);

    // Ends the current record with CR LF.
    void EndRecord();

    // Adds a raw line and its CR LF.
    void Line(std::string_view text);

    const std::string& Bytes() const { return bytes_; }

private:
    void Separate();

    std::string bytes_;
    bool recordStarted_ = false;
};

} // namespace ruvo
