// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

// The number texts the list control keeps in its records: a number written with a leading
// space when it is not negative, and the numeric value read back from the front of a text.
class NumberText {
public:
    // " 7" for 7, "-7" for -7, " .5" for 0.5: the decimal text with a leading space for numbers
    // that are not negative and without the zero before a decimal point.
    static QString str(double value);

    // The number at the front of a text: leading blanks are skipped, then an optional sign,
    // digits and an optional fraction are read. A text with no leading number gives 0.
    static double val(QStringView text);
};
