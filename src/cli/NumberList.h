// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Parses the numbers of the command line ("6,2", "10,20,78,79"), refusing any out of range.
#include <climits>
#include <string>
#include <vector>

namespace ruvo {

class NumberList {
public:
    // The whole text as integers; throws UsageError naming what (e.g. "THROWS") when a part is
    // not a plain number or lies outside lowest..highest, or there are not minCount..maxCount.
    static std::vector<int> Parse(const std::string& text, const std::string& what, size_t minCount,
                                  size_t maxCount, int lowest = INT_MIN, int highest = INT_MAX);
    // One plain integer (optional minus sign, digits) in lowest..highest; throws UsageError
    // naming what.
    static long ParseOne(const std::string& text, const std::string& what, long lowest = LONG_MIN,
                         long highest = LONG_MAX);
};

} // namespace ruvo
