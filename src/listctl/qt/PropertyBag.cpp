// SPDX-License-Identifier: GPL-3.0-or-later
#include "listctl/qt/PropertyBag.h"

QVariant PropertyBag::ReadProperty(const QString& name, const QVariant& defaultValue) const {
    return m_values.value(name, defaultValue);
}

void PropertyBag::WriteProperty(const QString& name, const QVariant& value) {
    m_values.insert(name, value);
}
