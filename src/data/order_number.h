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

// The number for a new order taken at `moment`. The clock's number repeats every week and
// within a day, so when an older order already uses it (anything stands at its data or basket file's name, a dangling
// link included, or the order list names it) the moment is stepped forward a second at a time until a free one comes
// out.
QString freeOrderNumber(const QDateTime& moment);

} // namespace data
