#include "data/order_number.h"

#include "data/order_number_reservation.h"

namespace data {

QString formatOrderNumber(const QDateTime& moment)
{
    const int weekday = moment.date().dayOfWeek() % 7 + 1; // Qt counts Monday as 1, we count Sunday
    const QTime time = moment.time();
    return QString::number(weekday) + QString::number(time.hour()) + QString::number(time.minute()) +
           QString::number(time.second()) + QString::number(weekday);
}

QString formatOrderDate(const QDate& day)
{
    return day.toString(QStringLiteral("yyyy-MM-dd"));
}

QString freeOrderNumber(const QDateTime& moment)
{
    OrderNumberReservation probe;
    QString ignored;
    return probe.reserveFree(moment, &ignored);
}

} // namespace data
