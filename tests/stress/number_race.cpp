#include "number_race.h"

#include "data/app_folder.h"
#include "data/order_files.h"
#include "data/order_number_reservation.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QThread>

namespace stress {

namespace {
QString tagOf(int id, int round)
{
    return QStringLiteral("P%1-R%2").arg(id).arg(round);
}

// Written out here as the bytes they must be, not with the writers' own encoding.
QByteArray expectedData(const QString& tag, const QString& number, int lines)
{
    return QStringLiteral("K-%1\r\nKund %1\r\n08\r\n555-%1\r\n%2\r\n2026-12-07\r\nS\u00e4ljare %1\r\nRader: %3\r\n"
                          "L-%1\r\nLeverant\u00f6r %1\r\n")
        .arg(tag, number)
        .arg(lines)
        .toLatin1();
}

QByteArray expectedBasket(const QString& tag, int lines)
{
    QByteArray bytes;
    for (int i = 1; i <= lines; ++i)
        bytes += QStringLiteral("\"%1-L%2\",\"Skruv %1\",\"1,50\",\"%2\",\"st\"\r\n").arg(tag).arg(i).toLatin1();
    return bytes;
}

QByteArray fileBytes(const QDir& folder, const QString& name)
{
    QFile file(folder.filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

bool raceForNumbers(const QString& folder, int id, int rounds, QString* error)
{
    data::setApplicationFolder(folder);
    // Every round of every program forms its number at this one moment, so all compete for it.
    const QDateTime moment(QDate(2026, 12, 7), QTime(1, 15, 3));
    for (int round = 1; round <= rounds; ++round) {
        const QString tag = tagOf(id, round);
        data::OrderNumberReservation hold;
        const QString number = hold.reserveFree(moment, error);
        if (hold.number().isEmpty() || number != hold.number())
            return false;
        // The clerk types a while before the first line is written: the others form numbers meanwhile.
        QThread::msleep(2);
        const int lines = (id + round) % 3 + 1;
        for (int i = 1; i <= lines; ++i) {
            const data::OrderLine line{QStringLiteral("%1-L%2").arg(tag).arg(i), QStringLiteral("Skruv ") + tag,
                                       QStringLiteral("1,50"), QString::number(i), QStringLiteral("st")};
            if (!data::appendOrderLine(number, line, error))
                return false;
        }
        const QStringList values{QStringLiteral("K-") + tag,
                                 QStringLiteral("Kund ") + tag,
                                 QStringLiteral("08"),
                                 QStringLiteral("555-") + tag,
                                 number,
                                 QStringLiteral("2026-12-07"),
                                 QStringLiteral("Säljare ") + tag,
                                 QStringLiteral("Rader: %1").arg(lines),
                                 QStringLiteral("L-") + tag,
                                 QStringLiteral("Leverantör ") + tag};
        if (!data::writeOrderData(number, values, error) || !data::listOrderOnce(number, error))
            return false;
    }
    return true;
}

QStringList checkNumberRace(const QString& folder, int programs, int rounds)
{
    static const QRegularExpression tagPattern(QStringLiteral("^K-P([0-9]+)-R([0-9]+)\r\n"));
    static const QRegularExpression linesPattern(QStringLiteral("\r\nRader: ([1-3])\r\n"));
    const QDir order(QDir(folder).filePath(QStringLiteral("Order")));
    QStringList problems;
    const QByteArray list = fileBytes(order, QStringLiteral("Lista.log"));
    if (!list.isEmpty() && !list.endsWith("\r\n"))
        problems << QStringLiteral("Order/Lista.log does not end in CR LF");
    QStringList entries = QString::fromLatin1(list).split(QStringLiteral("\r\n"));
    entries.removeLast();

    QSet<QString> known{QStringLiteral("Lista.log")};
    QMap<QString, QString> numberOfTag;
    for (const QString& number : std::as_const(entries)) {
        const QString dataName = number + QStringLiteral(".OrderData.log");
        const QString basketName = number + QStringLiteral(".OrderBasket.log");
        if (known.contains(dataName)) {
            problems << QStringLiteral("Order/Lista.log names %1 more than once").arg(number);
            continue;
        }
        known << dataName << basketName;
        const QByteArray data = fileBytes(order, dataName);
        const QRegularExpressionMatch tag = tagPattern.match(QString::fromLatin1(data));
        const QRegularExpressionMatch lines = linesPattern.match(QString::fromLatin1(data));
        const int program = tag.captured(1).toInt();
        const int round = tag.captured(2).toInt();
        if (!tag.hasMatch() || !lines.hasMatch() || program < 1 || program > programs || round < 1 || round > rounds ||
            data != expectedData(tagOf(program, round), number, lines.captured(1).toInt())) {
            problems << QStringLiteral("Order/%1 is no whole order of its own: \"%2\"")
                            .arg(dataName, QString::fromLatin1(data));
            continue;
        }
        const QString tagText = tagOf(program, round);
        if (numberOfTag.contains(tagText))
            problems << QStringLiteral("%1 saved as both %2 and %3").arg(tagText, numberOfTag.value(tagText), number);
        numberOfTag.insert(tagText, number);
        const QByteArray basket = fileBytes(order, basketName);
        if (basket != expectedBasket(tagText, lines.captured(1).toInt()))
            problems << QStringLiteral("Order/%1 holds \"%2\", not the %3 lines of %4")
                            .arg(basketName, QString::fromLatin1(basket), lines.captured(1), tagText);
    }
    for (int program = 1; program <= programs; ++program) {
        for (int round = 1; round <= rounds; ++round) {
            if (!numberOfTag.contains(tagOf(program, round)))
                problems << QStringLiteral("%1 has no listed order").arg(tagOf(program, round));
        }
    }
    // Nothing else is left: no order file that the list does not name, no hold, no lock.
    for (const QString& name : order.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name)) {
        if (!known.contains(name))
            problems << QStringLiteral("Order/%1 is left over").arg(name);
    }
    return problems;
}

} // namespace stress
