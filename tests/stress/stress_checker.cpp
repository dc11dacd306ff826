#include "stress_checker.h"

#include "data/app_folder.h"
#include "data/order_delivery.h"
#include "data/order_files.h"
#include "stress_records.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <algorithm>

namespace stress {

namespace {
const QString kListName = QStringLiteral("Order/Lista.log");

QString dataName(const QString& number)
{
    return QStringLiteral("Order/%1.OrderData.log").arg(number);
}

QString basketName(const QString& number)
{
    return QStringLiteral("Order/%1.OrderBasket.log").arg(number);
}

QString deliveryName(const QString& number)
{
    return QStringLiteral("Order/%1.OrderDelivery.log").arg(number);
}

// "0 1.2 3": lines 0 and 3 as added, line 1 changed twice.
QString shown(const Basket& basket)
{
    QStringList lines;
    for (const BasketLine& line : basket)
        lines << (line.second ? QStringLiteral("%1.%2").arg(line.first).arg(line.second) : QString::number(line.first));
    return lines.join(QLatin1Char(' '));
}

// The CR LF terminated lines of bytes; *rest gets what follows the last CR LF.
QList<QByteArray> crLfLines(const QByteArray& bytes, QByteArray* rest)
{
    QList<QByteArray> lines = bytes.split('\n');
    *rest = lines.takeLast();
    for (QByteArray& line : lines) {
        if (!line.endsWith('\r')) {
            // A bare LF: keep it in the line so that the comparison fails on it.
            line += '\n';
            continue;
        }
        line.chop(1);
    }
    return lines;
}
} // namespace

StressChecker::StressChecker(const QString& folder, bool exact) : m_folder(folder), m_exact(exact)
{
    data::setApplicationFolder(folder); // a cut delivery record is read as the program reads it
}

QStringList StressChecker::check()
{
    m_problems.clear();
    readJournals();
    checkList();
    checkOrderFolder();
    checkOrders();
    return m_problems;
}

void StressChecker::readJournals()
{
    const QDir folder(m_folder);
    const QStringList journals = folder.entryList({QStringLiteral("journal-*.txt")}, QDir::Files, QDir::Name);
    if (journals.isEmpty())
        problem(QStringLiteral("no journal-*.txt in the folder"));
    for (const QString& name : journals)
        m_history.readJournal(folder.filePath(name), name);
    m_problems << m_history.problems();
    if (m_exact)
        m_problems << m_history.failures();
}

void StressChecker::checkList()
{
    QFile file(QDir(m_folder).filePath(kListName));
    if (!file.exists())
        return;
    if (!file.open(QIODevice::ReadOnly))
        return problem(kListName + QStringLiteral(": cannot be read"));
    QByteArray rest;
    const QList<QByteArray> lines = crLfLines(file.readAll(), &rest);
    if (!rest.isEmpty())
        problem(QStringLiteral("%1: ends in \"%2\" without CR LF").arg(kListName, QString::fromLatin1(rest)));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString entry = QString::fromLatin1(lines.at(i));
        if (!m_history.orders().contains(entry)) {
            problem(QStringLiteral("%1 line %2: \"%3\" is not an order a driver started")
                        .arg(kListName)
                        .arg(i + 1)
                        .arg(entry));
            continue;
        }
        ++m_listed[entry];
    }
}

void StressChecker::checkOrderFolder()
{
    static const QRegularExpression dataPattern(QStringLiteral("^([0-9]+)\\.OrderData\\.log$"));
    static const QRegularExpression basketPattern(QStringLiteral("^([0-9]+)\\.OrderBasket\\.log$"));
    static const QRegularExpression deliveryPattern(QStringLiteral("^([0-9]+)\\.OrderDelivery\\.log$"));
    const QDir folder(QDir(m_folder).filePath(QStringLiteral("Order")));
    if (!folder.exists())
        return problem(QStringLiteral("Order is missing"));
    const QStringList names = folder.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QString& name : names) {
        const QRegularExpressionMatch data = dataPattern.match(name);
        const QRegularExpressionMatch basket = basketPattern.match(name);
        const QRegularExpressionMatch delivery = deliveryPattern.match(name);
        const QString number = data.hasMatch()     ? data.captured(1)
                               : basket.hasMatch() ? basket.captured(1)
                                                   : delivery.captured(1);
        if (number.isEmpty())
            continue; // the list, lock files, a temporary file a kill left behind
        const QString shown = QStringLiteral("Order/") + name;
        if (!m_history.orders().contains(number)) {
            problem(QStringLiteral("%1: not an order a driver started").arg(shown));
            continue;
        }
        QFile file(folder.filePath(name));
        if (data.hasMatch())
            checkDataFile(shown, number);
        else if (basket.hasMatch())
            checkBasket(shown, number);
        else if (file.open(QIODevice::ReadOnly))
            m_deliveries.insert(number, file.readAll());
        else
            problem(shown + QStringLiteral(": cannot be read"));
    }
}

void StressChecker::checkDataFile(const QString& name, const QString& number)
{
    m_dataFiles.insert(number);
    QFile file(QDir(m_folder).filePath(name));
    if (!file.open(QIODevice::ReadOnly))
        return problem(name + QStringLiteral(": cannot be read"));
    const QByteArray bytes = file.readAll();
    QByteArray rest;
    const QList<QByteArray> lines = crLfLines(bytes, &rest);
    if (lines.size() != data::kOrderDataLines || !rest.isEmpty())
        return problem(QStringLiteral("%1: %2 complete lines%3, not 10")
                           .arg(name)
                           .arg(lines.size())
                           .arg(rest.isEmpty() ? QString() : QStringLiteral(" and a cut one")));
    if (lines.at(4) != number.toLatin1())
        return problem(QStringLiteral("%1: line 5 is \"%2\"").arg(name, QString::fromLatin1(lines.at(4))));
    const QString status = QString::fromLatin1(lines.at(7));
    if (bytes != orderDataBytes(number, status))
        return problem(name + QStringLiteral(": not what the driver wrote"));
    m_statusLines.insert(number, status);
}

void StressChecker::checkBasket(const QString& name, const QString& number)
{
    static const QRegularExpression articlePattern(QStringLiteral("^\"A([0-9]+)-([0-9]+)(-([0-9]+))?\","));
    QFile file(QDir(m_folder).filePath(name));
    if (!file.open(QIODevice::ReadOnly))
        return problem(name + QStringLiteral(": cannot be read"));
    QByteArray rest;
    const QList<QByteArray> records = crLfLines(file.readAll(), &rest);
    Basket& basket = m_baskets[number];
    for (const QByteArray& record : records) {
        const QRegularExpressionMatch article = articlePattern.match(QString::fromLatin1(record));
        const BasketLine line(article.captured(2).toInt(), article.captured(4).toInt());
        if (!article.hasMatch() || article.captured(1) != number ||
            record + "\r\n" != basketRecordBytes(number, line.first, line.second))
            return problem(QStringLiteral("%1: record %2 is \"%3\"")
                               .arg(name)
                               .arg(basket.size() + 1)
                               .arg(QString::fromLatin1(record)));
        basket << line;
    }
    if (!rest.isEmpty())
        problem(QStringLiteral("%1: ends in a cut record \"%2\"").arg(name, QString::fromLatin1(rest)));
}

void StressChecker::checkOrders()
{
    const QMap<QString, OrderState>& orders = m_history.orders();
    for (auto it = orders.cbegin(); it != orders.cend(); ++it) {
        const QString& number = it.key();
        const OrderState& order = it.value();
        const int listed = m_listed.value(number);
        const bool hasData = m_dataFiles.contains(number);
        const bool hasBasket = m_baskets.contains(number);
        if (listed > 0 && !hasData)
            problem(QStringLiteral("%1: listed, but %2 is missing").arg(number, dataName(number)));
        if (listed > 1)
            problem(QStringLiteral("%1: listed %2 times").arg(number).arg(listed));
        if (order.voided) {
            if (order.voidFoundNoEntry)
                problem(QStringLiteral("%1: voiding found no list line to remove").arg(number));
            if (listed > 0)
                problem(QStringLiteral("%1: voided, but still listed").arg(number));
            if (hasData)
                problem(QStringLiteral("%1: voided, but %2 is still there").arg(number, dataName(number)));
            if (hasBasket)
                problem(QStringLiteral("%1: voided, but %2 is still there").arg(number, basketName(number)));
            if (m_deliveries.contains(number))
                problem(QStringLiteral("%1: voided, but %2 is still there").arg(number, deliveryName(number)));
            continue;
        }
        if (order.voidStarted) {
            // Killed while voiding: anything from untouched to gone is fine, as long as a listed
            // order keeps its data file (checked above).
            if (m_exact)
                problem(QStringLiteral("%1: voiding never finished").arg(number));
            continue;
        }
        // A save lists the order once, however often it is saved.
        if (m_exact && listed < 2 && listed != qMin(order.savesDone, 1))
            problem(QStringLiteral("%1: listed %2 times, saved %3 times").arg(number).arg(listed).arg(order.savesDone));
        else if (order.savesDone > 0 && listed == 0)
            problem(QStringLiteral("%1: saved, but not listed").arg(number));
        if (order.savesDone > 0 && !hasData && listed == 0)
            problem(QStringLiteral("%1: saved, but %2 is missing").arg(number, dataName(number)));
        if (m_statusLines.contains(number) && !order.statuses.contains(m_statusLines.value(number)))
            problem(QStringLiteral("%1: %2 line 8 is \"%3\", journaled \"%4\"")
                        .arg(number, dataName(number), m_statusLines.value(number), order.status));
        checkDeliveries(number, order);
        // A kill after an append and before its journal line leaves one record more than journaled.
        QList<Basket> baskets = order.baskets;
        for (qsizetype i = 0, choices = baskets.size(); i < choices && !m_exact; ++i)
            baskets << baskets.at(i) + Basket{BasketLine(order.linesAdded, 0)};
        const Basket& basket = m_baskets.value(number);
        if (baskets.contains(basket))
            continue;
        const bool sizeFits = std::any_of(baskets.cbegin(), baskets.cend(),
                                          [&](const Basket& choice) { return choice.size() == basket.size(); });
        if (sizeFits)
            problem(QStringLiteral("%1: %2 holds lines %3, journaled %4")
                        .arg(number, basketName(number), shown(basket), shown(order.basket)));
        else
            problem(QStringLiteral("%1: %2 has %3 records, %4 journaled")
                        .arg(number, basketName(number))
                        .arg(basket.size())
                        .arg(order.basket.size()));
    }
}

// A delivery is one append: after a kill it is there whole or not at all, or its write was cut
// inside its first record, which the program must then read as damaged.
void StressChecker::checkDeliveries(const QString& number, const OrderState& order)
{
    const QByteArray bytes = m_deliveries.value(number);
    const qsizetype end = bytes.lastIndexOf('\n') + 1;
    const QByteArray whole = bytes.left(end);
    const QByteArray cut = bytes.mid(end);
    const qsizetype records = whole.count('\n');
    if (!order.deliveryFiles.contains(whole)) {
        const bool countFits = std::any_of(order.deliveryFiles.cbegin(), order.deliveryFiles.cend(),
                                           [&](const QByteArray& choice) { return choice.count('\n') == records; });
        if (countFits)
            problem(QStringLiteral("%1: %2 holds other records than the %3 journaled")
                        .arg(number, deliveryName(number))
                        .arg(order.arrivals.size()));
        else
            problem(QStringLiteral("%1: %2 has %3 records, %4 journaled")
                        .arg(number, deliveryName(number))
                        .arg(records)
                        .arg(order.arrivals.size()));
    }
    if (cut.isEmpty())
        return;
    const QByteArray firstRecord = order.deliveryOpen.left(order.deliveryOpen.indexOf('\r'));
    if (!order.stepOpen || !order.deliveryFilesBefore.contains(whole) || cut.size() >= firstRecord.size() ||
        !firstRecord.startsWith(cut))
        problem(QStringLiteral("%1: %2 ends in a cut record \"%3\"")
                    .arg(number, deliveryName(number), QString::fromLatin1(cut)));
    QVector<data::DeliveryRecord> read;
    QString error;
    if (data::readDeliveries(number, &read, &error) || read.size() != records)
        problem(QStringLiteral("%1: %2 reads as %3 records%4, %5 whole")
                    .arg(number, deliveryName(number))
                    .arg(read.size())
                    .arg(error.isEmpty() ? QStringLiteral(" without damage") : QString())
                    .arg(records));
}

} // namespace stress
