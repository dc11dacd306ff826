#pragma once

#include "data/order_line.h"
#include "data/order_summary.h"

#include <QString>
#include <QStringList>
#include <QVector>

namespace data {

// What an order's files hold, for remembering its customer and articles.
struct OrderFacts
{
    QString number;
    OrderStamps stamps;
    // Its data file is there: the order has been saved and not voided.
    bool saved = false;
    // The data file's ten values; none when the file is damaged or odd.
    QStringList values;
    // The basket's lines; none when the basket is missing, damaged or odd.
    QVector<OrderLine> lines;
};

// Reads an order's two files; a file that cannot be read whole counts as holding nothing.
OrderFacts readOrderFacts(const QString& number);

} // namespace data
