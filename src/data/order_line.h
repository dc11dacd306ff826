#pragma once

#include <QString>
#include <QStringList>

namespace data {

// One article line of an order, every field as typed.
struct OrderLine
{
    QString articleNumber;
    QString description;
    QString unitPrice;
    QString quantity;
    QString unit;

    QStringList fields() const { return {articleNumber, description, unitPrice, quantity, unit}; }
    static OrderLine fromFields(const QStringList& f)
    {
        return {f.value(0), f.value(1), f.value(2), f.value(3), f.value(4)};
    }
    bool operator==(const OrderLine& other) const { return fields() == other.fields(); }
};

} // namespace data
