// SPDX-License-Identifier: GPL-3.0-or-later
#include "listctl/qt/NumberText.h"

#include <cmath>

QString NumberText::str(double value) {
    QString digits;
    if (std::isfinite(value) && value == std::trunc(value) && std::fabs(value) < 1e15) {
        digits = QString::number(static_cast<qint64>(value));
    } else {
        digits = QString::number(value, 'g', 15);
        if (digits.startsWith(QLatin1String("0.")))
            digits.remove(0, 1);
        else if (digits.startsWith(QLatin1String("-0.")))
            digits.remove(1, 1);
    }
    return value < 0 ? digits : QLatin1Char(' ') + digits;
}

double NumberText::val(QStringView text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    double sign = 1.0;
    if (i < n && (text[i] == u'-' || text[i] == u'+')) {
        if (text[i] == u'-')
            sign = -1.0;
        ++i;
    }
    double value = 0.0;
    while (i < n && text[i] >= u'0' && text[i] <= u'9') {
        value = value * 10.0 + (text[i].unicode() - u'0');
        ++i;
    }
    if (i < n && text[i] == u'.') {
        ++i;
        double scale = 0.1;
        while (i < n && text[i] >= u'0' && text[i] <= u'9') {
            value += (text[i].unicode() - u'0') * scale;
            scale /= 10.0;
            ++i;
        }
    }
    return sign * value;
}
