// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/DelimitedWriter.h"

namespace ruvo {

void DelimitedWriter::Separate() {
    if (recordStarted_) {
        bytes_ += ',';
    }
    recordStarted_ = true;
}

DelimitedWriter& DelimitedWriter::Text(std::string_view text) {
    Separate();
    bytes_ += '"';
    bytes_ += text;
    bytes_ += '"';
    return *this;
}

DelimitedWriter& DelimitedWriter::Integer(long value) {
    Separate();
    bytes_ += std::to_string(value);
    return *this;
}

void DelimitedWriter::EndRecord() {
    bytes_ += "\r\n";
    recordStarted_ = false;
}

void DelimitedWriter::Line(std::string_view text) {
    bytes_ += text;
    bytes_ += "\r\n";
}

} // namespace ruvo
