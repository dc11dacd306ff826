#include "data/order_number.h"

#include "data/order_files.h"
#include "data/text_file.h"

#include <QSet>

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
    QStringList listed;
    QString ignored;
    readOrderList(&listed, &ignored); // an unreadable list cannot name anything; the files still count
    const QSet<QString> taken(listed.cbegin(), listed.cend());

    // A week of seconds covers every number the pattern can form.
    constexpr int kSecondsPerWeek = 7 * 24 * 60 * 60;
    QDateTime candidate = moment;
    for (int step = 0; step < kSecondsPerWeek; ++step, candidate = candidate.addSecs(1)) {
        const QString number = formatOrderNumber(candidate);
        if (!taken.contains(number) && !entryExists(orderDataPath(number)) && !entryExists(orderBasketPath(number)))
            return number;
    }
    return formatOrderNumber(moment);
}

} // namespace data
