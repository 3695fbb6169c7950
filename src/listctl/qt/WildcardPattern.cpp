// SPDX-License-Identifier: GPL-3.0-or-later
#include "listctl/qt/WildcardPattern.h"

bool WildcardPattern::matches(QStringView text, QStringView pattern) {
    qsizetype t = 0;
    qsizetype p = 0;
    qsizetype starPattern = -1; // pattern position just after the last "*" seen
    qsizetype starText = 0;     // text position that "*" has swallowed up to
    while (t < text.size()) {
        if (p < pattern.size() && pattern[p] == u'*') {
            starPattern = ++p;
            starText = t;
            continue;
        }
        qsizetype length = 1;
        if (p < pattern.size() && matchesElement(text[t], pattern, p, length)) {
            p += length;
            ++t;
            continue;
        }
        if (starPattern < 0)
            return false;
        // Let the last "*" take one more character and try again from there.
        p = starPattern;
        t = ++starText;
    }
    while (p < pattern.size() && pattern[p] == u'*')
        ++p;
    return p == pattern.size();
}

bool WildcardPattern::matchesElement(QChar c, QStringView pattern, qsizetype pos,
                                     qsizetype& length) {
    length = 1;
    const QChar element = pattern[pos];
    if (element == u'?')
        return true;
    if (element == u'#')
        return c >= u'0' && c <= u'9';
    if (element == u'[') {
        const qsizetype close = pattern.indexOf(u']', pos + 1);
        if (close >= 0) {
            length = close - pos + 1;
            QStringView list = pattern.sliced(pos + 1, close - pos - 1);
            const bool negated = !list.isEmpty() && list.front() == u'!';
            if (negated)
                list = list.sliced(1);
            return inList(c, list) != negated;
        }
    }
    return c == element;
}

bool WildcardPattern::inList(QChar c, QStringView list) {
    for (qsizetype i = 0; i < list.size(); ++i) {
        const bool range = i + 2 < list.size() && list[i + 1] == u'-';
        if (range) {
            if (c >= list[i] && c <= list[i + 2])
                return true;
            i += 2;
        } else if (c == list[i]) {
            return true;
        }
    }
    return false;
}
