#pragma once

#include "data/order_line.h"

#include <QString>
#include <QVector>
#include <optional>

namespace data {

// A number as a Swedish clerk types it: decimal comma (a point is taken too), blanks between
// thousands ("1 200", "2,50", "-3"). Empty or anything else is no number.
std::optional<double> parseSwedishNumber(const QString& text);

// Two decimals, decimal comma, a blank between thousands: "1 234,50".
QString formatAmount(double amount);

// The sum of unit price times quantity over the lines whose price and quantity are numbers.
struct OrderTotal
{
    double amount = 0.0;
    int linesLeftOut = 0; // lines whose price or quantity is not a number
};
OrderTotal orderTotal(const QVector<OrderLine>& lines);
std::optional<double> lineTotal(const OrderLine& line);

// "Summa: 1 234,50", saying so when lines are left out.
QString totalText(const OrderTotal& total);

// The words a total is shown in: "%1" is the amount, or the number of lines left out. The windows'
// language gives its own.
struct TotalWords
{
    QString sum = QStringLiteral("Summa: %1");
    QString oneLeftOut = QStringLiteral("1 rad utan pris eller antal är inte medräknad");
    QString leftOut = QStringLiteral("%1 rader utan pris eller antal är inte medräknade");
};
TotalWords& totalWords();

} // namespace data
