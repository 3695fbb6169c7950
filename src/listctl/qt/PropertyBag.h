// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>

// A stored set of named property values, the way a window keeps the settings of the controls
// placed on it. A control writes its persistent properties into a bag and reads them back from
// one when it is created.
class PropertyBag {
public:
    // The stored value under a name, or the default when the name is not stored.
    QVariant ReadProperty(const QString& name, const QVariant& defaultValue = QVariant()) const;
    void WriteProperty(const QString& name, const QVariant& value);

    bool contains(const QString& name) const { return m_values.contains(name); }
    QStringList names() const { return m_values.keys(); }

private:
    QVariantMap m_values;
};
