// SPDX-License-Identifier: GPL-3.0-or-later
#include "listctl/qt/ListControlError.h"

ListControlError::ListControlError(int number, const QString& description)
    : std::runtime_error(description.toStdString()), m_number(number) {}
