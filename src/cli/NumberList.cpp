// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/NumberList.h"

#include "cli/UsageError.h"

#include <charconv>

namespace ruvo {

long NumberList::ParseOne(const std::string& text, const std::string& what, long lowest,
                          long highest) {
    const size_t digits = text.size() > 1 && text[0] == '-' ? 1 : 0;
    if (digits == text.size() ||
        text.find_first_not_of("0123456789", digits) != std::string::npos) {
        throw UsageError(what + ": '" + text + "' is not a number");
    }
    long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc::result_out_of_range || value < lowest || value > highest) {
        throw UsageError(what + ": '" + text + "' is out of range: it must be " +
                         std::to_string(lowest) + " to " + std::to_string(highest));
    }
    return value;
}

std::vector<int> NumberList::Parse(const std::string& text, const std::string& what,
                                   size_t minCount, size_t maxCount, int lowest, int highest) {
    std::vector<int> values;
    size_t start = 0;
    for (;;) {
        const size_t comma = text.find(',', start);
        const std::string part =
            text.substr(start, comma == std::string::npos ? comma : comma - start);
        values.push_back(static_cast<int>(ParseOne(part, what, lowest, highest)));
        if (comma == std::string::npos) {
            break;
        }
        start = comma + 1;
    }
    if (values.size() < minCount || values.size() > maxCount) {
        const std::string wanted =
            minCount == maxCount ? std::to_string(minCount)
                                 : std::to_string(minCount) + " to " + std::to_string(maxCount);
        throw UsageError(what + ": '" + text + "' must hold " + wanted + " values");
    }
    return values;
}

} // namespace ruvo
