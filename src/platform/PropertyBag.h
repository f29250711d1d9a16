#pragma once
// Design-time properties of a control kept in its owner's saved form data.
// A value equal to its default is not stored, so it reads back as the default.

#include <QString>
#include <QVariant>
#include <QVariantMap>

class PropertyBag {
public:
    QVariant ReadProperty(const QString& name, const QVariant& defaultValue) const {
        const auto it = values_.constFind(name);
        return it == values_.constEnd() ? defaultValue : it.value();
    }
    void WriteProperty(const QString& name, const QVariant& value, const QVariant& defaultValue) {
        if (value == defaultValue)
            values_.remove(name);
        else
            values_.insert(name, value);
    }
    bool Contains(const QString& name) const { return values_.contains(name); }
    const QVariantMap& Values() const { return values_; }

private:
    QVariantMap values_;
};
