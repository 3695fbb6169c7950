// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringView>

// Matching of a text against a wildcard pattern: "*" matches any run of characters (also none),
// "?" any one character, "#" one digit 0-9, "[list]" one character of the list and "[!list]" one
// character not in it. A list holds single characters and ranges such as a-z; a "-" at the
// start or end of a list stands for itself. Any other character matches itself exactly, so a
// caller that wants to ignore case turns text and pattern to the same case first. A "[" without
// its closing "]" stands for itself.
class WildcardPattern {
public:
    static bool matches(QStringView text, QStringView pattern);

private:
    // Whether c matches the single-character element of the pattern at pos; on return, length
    // holds how many pattern characters that element spans.
    static bool matchesElement(QChar c, QStringView pattern, qsizetype pos, qsizetype& length);
    static bool inList(QChar c, QStringView list);
};
