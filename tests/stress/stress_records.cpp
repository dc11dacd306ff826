#include "stress_records.h"

#include <QRegularExpression>

namespace stress {

QString orderNumber(int id, int counter)
{
    return QString::number(id) + QStringLiteral("%1").arg(counter, kCounterDigits, 10, QLatin1Char('0'));
}

bool isDriverOrderNumber(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^[1-9][0-9]{5,11}$"));
    return pattern.match(text).hasMatch();
}

QStringList orderValues(const QString& orderNumber, int lineCount)
{
    return {QStringLiteral("K") + orderNumber,
            QStringLiteral("Åsa Öberg, kund ") + orderNumber,
            QStringLiteral("08"),
            QStringLiteral("555-") + orderNumber,
            orderNumber,
            QStringLiteral("2007-05-14"),
            QStringLiteral("Säljare Ärlig"),
            QStringLiteral("Rader: %1").arg(lineCount),
            QStringLiteral("L") + orderNumber,
            QStringLiteral("Leverantör ") + orderNumber + QStringLiteral(", Malmö")};
}

data::OrderLine orderLine(const QString& orderNumber, int index)
{
    return {QStringLiteral("A%1-%2").arg(orderNumber).arg(index), QStringLiteral("Skruv %1, rostfri åäö").arg(index),
            QStringLiteral("%1,50").arg(index), QString::number(index + 1),
            index % 2 ? QStringLiteral("förp") : QStringLiteral("st")};
}

QByteArray orderDataBytes(const QString& orderNumber, int lineCount)
{
    QByteArray bytes;
    for (const QString& value : orderValues(orderNumber, lineCount))
        bytes += value.toLatin1() + "\r\n";
    return bytes;
}

QByteArray basketRecordBytes(const QString& orderNumber, int index)
{
    const QStringList fields = orderLine(orderNumber, index).fields();
    return ('"' + fields.join(QStringLiteral("\",\"")) + '"').toLatin1() + "\r\n";
}

} // namespace stress
