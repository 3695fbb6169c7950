// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/NumberList.h"

#include "cli/UsageError.h"

namespace ruvo {

long NumberList::ParseOne(const std::string& text, const std::string& what) {
    size_t i = text.size() > 1 && text[0] == '-' ? 1 : 0;
    if (i == text.size() || text.size() - i > 12) {
        throw UsageError(what + ": '" + text + "' is not a number");
    }
    for (size_t j = i; j < text.size(); ++j) {
        if (text[j] < '0' || text[j] > '9') {
            throw UsageError(what + ": '" + text + "' is not a number");
        }
    }
    return std::stol(text);
}

std::vector<int> NumberList::Parse(const std::string& text, const std::string& what,
                                   size_t minCount, size_t maxCount) {
    std::vector<int> values;
    size_t start = 0;
    for (;;) {
        const size_t comma = text.find(',', start);
        const std::string part =
            text.substr(start, comma == std::string::npos ? comma : comma - start);
        values.push_back(static_cast<int>(ParseOne(part, what)));
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
