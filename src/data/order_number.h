#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

namespace data {

// "wHMSw": weekday (1 = Sunday … 7 = Saturday), hour, minute and second without leading
// zeros, then the weekday again. 5 to 8 digits, first and last the same.
QString formatOrderNumber(const QDateTime& moment);

// "YYYY-MM-DD".
QString formatOrderDate(const QDate& day);

// The number a new order taken at `moment` would get now (see OrderNumberReservation::reserveFree),
// without holding it.
QString freeOrderNumber(const QDateTime& moment);

} // namespace data
