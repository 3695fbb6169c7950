// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Parses the comma-separated numbers of the command line ("6,2", "10,20,78,79").
#include <string>
#include <vector>

namespace ruvo {

class NumberList {
public:
    // The whole text as integers; throws UsageError naming what (e.g. "THROWS") when a part is
    // not a plain number or there are not minCount..maxCount of them.
    static std::vector<int> Parse(const std::string& text, const std::string& what, size_t minCount,
                                  size_t maxCount);
    // One plain integer (optional minus sign, digits); throws UsageError naming what.
    static long ParseOne(const std::string& text, const std::string& what);
};

} // namespace ruvo
