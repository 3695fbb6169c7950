// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <stdexcept>

// An error the list control reports to the code that uses it, with its run-time error number.
class ListControlError : public std::runtime_error {
public:
    // A property that may only be assigned while the program runs was assigned at design time.
    static constexpr int SetNotPermitted = 387;

    ListControlError(int number, const QString& description);

    int number() const { return m_number; }
    QString description() const { return QString::fromUtf8(what()); }

private:
    int m_number;
};
