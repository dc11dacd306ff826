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

QString lineCountStatus(int lineCount)
{
    return QStringLiteral("Rader: %1").arg(lineCount);
}

QString pickedStatus(int serial)
{
    return QStringLiteral("%1, Skickad till leverantör").arg(serial);
}

QString deliveryStatus(bool complete)
{
    return complete ? QStringLiteral("5, Levererad") : QStringLiteral("4, Delvis levererad");
}

QStringList orderValues(const QString& orderNumber, const QString& status)
{
    return {QStringLiteral("K") + orderNumber,
            QStringLiteral("Åsa Öberg, kund ") + orderNumber,
            QStringLiteral("08"),
            QStringLiteral("555-") + orderNumber,
            orderNumber,
            QStringLiteral("2007-05-14"),
            QStringLiteral("Säljare Ärlig"),
            status,
            QStringLiteral("L") + orderNumber,
            QStringLiteral("Leverantör ") + orderNumber + QStringLiteral(", Malmö")};
}

data::OrderLine orderLine(const QString& orderNumber, int index, int version)
{
    QString article = QStringLiteral("A%1-%2").arg(orderNumber).arg(index);
    if (version > 0)
        article += QStringLiteral("-%1").arg(version);
    const QString quantity = index % 4 == 3 ? QStringLiteral("enligt ritning") : QString::number(index + 1 + version);
    return {article, QStringLiteral("Skruv %1, rostfri åäö").arg(index), QStringLiteral("%1,50").arg(index), quantity,
            index % 2 ? QStringLiteral("förp") : QStringLiteral("st")};
}

QByteArray orderDataBytes(const QString& orderNumber, const QString& status)
{
    QByteArray bytes;
    for (const QString& value : orderValues(orderNumber, status))
        bytes += value.toLatin1() + "\r\n";
    return bytes;
}

QByteArray basketRecordBytes(const QString& orderNumber, int index, int version)
{
    const QStringList fields = orderLine(orderNumber, index, version).fields();
    return ('"' + fields.join(QStringLiteral("\",\"")) + '"').toLatin1() + "\r\n";
}

QByteArray deliveryRecordBytes(const QString& date, int position, const QString& article, const QString& quantity)
{
    return QStringLiteral("\"%1\",\"%2\",\"%3\",\"%4\"\r\n").arg(date).arg(position).arg(article, quantity).toLatin1();
}

int tenths(const QString& quantity)
{
    static const QRegularExpression pattern(QStringLiteral("^([0-9]{1,6})(,([0-9]))?$"));
    const QRegularExpressionMatch match = pattern.match(quantity);
    return match.hasMatch() ? match.captured(1).toInt() * 10 + match.captured(3).toInt() : -1;
}

QString tenthsText(int tenths)
{
    return tenths % 10 ? QStringLiteral("%1,%2").arg(tenths / 10).arg(tenths % 10) : QString::number(tenths / 10);
}

} // namespace stress
