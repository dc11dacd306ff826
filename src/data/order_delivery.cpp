#include "data/order_delivery.h"

#include "data/app_folder.h"
#include "data/data_texts.h"
#include "data/file_lock.h"
#include "data/order_changes.h"
#include "data/order_files.h"
#include "data/order_status.h"
#include "data/record_io.h"
#include "data/text_file.h"

#include <QDate>

namespace data {

namespace {
constexpr int kDeliveryFields = 4;

bool holdsRecordBreak(const QString& value)
{
    return value.contains(u'"') || value.contains(u'\r') || value.contains(u'\n');
}
} // namespace

QString orderDeliveryPath(const QString& orderNumber)
{
    return dataPath(QStringLiteral("\\Order\\") + orderNumber + QStringLiteral(".OrderDelivery.log"));
}

bool appendDeliveries(const QString& orderNumber, const QVector<DeliveryRecord>& records, QString* error)
{
    const QString path = orderDeliveryPath(orderNumber);
    if (orderNumber.isEmpty() || !isPlainOrderName(orderNumber)) {
        *error =
            QStringLiteral("\"%1\" är inget ordernummer; ingen leverans skrevs.").arg(quotedForMessage(orderNumber));
        return false;
    }
    QByteArray bytes;
    for (const DeliveryRecord& record : records) {
        for (const QString& field : record.fields()) {
            if (holdsRecordBreak(field)) {
                *error = dataText(DataText::DeliveryValueBreak).arg(quotedForMessage(path), quotedForMessage(field));
                return false;
            }
        }
        bytes += quotedRecord(record.fields());
    }
    if (bytes.isEmpty())
        return true;
    FileLock lock(path);
    return OrderChanges::announce(orderNumber,
                                  canWriteFile(path, error) && lock.acquire(error) && appendToFile(path, bytes, error));
}

bool readDeliveries(const QString& orderNumber, QVector<DeliveryRecord>* records, QString* error)
{
    records->clear();
    const QString path = orderDeliveryPath(orderNumber);
    if (!entryExists(path))
        return true;
    QString text;
    if (!readTextFile(path, &text, error))
        return false;
    QStringList damaged;
    for (const QStringList& fields : recordsOnLines(text, kDeliveryFields, &damaged)) {
        bool numberOk = false;
        const int position = fields.at(1).toInt(&numberOk);
        if (numberOk && position >= 1)
            records->append({fields.at(0), position, fields.at(2), fields.at(3)});
        else
            damaged << dataText(DataText::DeliveryLineNumber).arg(quotedForMessage(fields.at(1)));
    }
    if (damaged.isEmpty())
        return true;
    *error = dataText(DataText::DeliveriesDamaged)
                 .arg(quotedForMessage(path), quotedForMessage(damaged.join(QStringLiteral(", "))));
    return false; // the whole records stay in *records
}

ExactDecimal LineDelivery::rest() const
{
    return done() || !numeric ? ExactDecimal() : ordered - received;
}

QString LineDelivery::receivedText() const
{
    if (numeric)
        return received.toString();
    return wholeReceived ? QStringLiteral("ja") : QStringLiteral("nej");
}

QString LineDelivery::restText() const
{
    if (closed && !(numeric ? received >= ordered : wholeReceived))
        return kRestClosed;
    return numeric ? rest().toString() : (wholeReceived ? QStringLiteral("0") : QStringLiteral("hela"));
}

QVector<LineDelivery> lineDeliveries(const QVector<OrderLine>& lines, const QVector<DeliveryRecord>& records,
                                     QStringList* ignored)
{
    QVector<LineDelivery> result(lines.size());
    for (int i = 0; i < lines.size(); ++i) {
        const std::optional<ExactDecimal> ordered = ExactDecimal::parse(lines.at(i).quantity);
        result[i].numeric = ordered.has_value();
        result[i].ordered = ordered.value_or(ExactDecimal());
    }
    for (const DeliveryRecord& record : records) {
        const int index = record.line - 1;
        const bool matches =
            index >= 0 && index < lines.size() && lines.at(index).articleNumber == record.articleNumber;
        LineDelivery* line = matches ? &result[index] : nullptr;
        const std::optional<ExactDecimal> quantity = ExactDecimal::parse(record.quantity);
        if (line && record.quantity == kRestClosed)
            line->closed = true;
        else if (line && !line->numeric && record.quantity == kWholeLineDelivered)
            line->wholeReceived = true;
        else if (line && line->numeric && quantity)
            line->received += *quantity;
        else if (ignored)
            ignored->append(
                dataText(DataText::DeliveryIgnored)
                    .arg(record.date, QString::number(record.line), quotedForMessage(record.articleNumber)));
    }
    return result;
}

bool everythingDelivered(const QVector<LineDelivery>& lines)
{
    for (const LineDelivery& line : lines) {
        if (!line.done())
            return false;
    }
    return true;
}

QString lastDeliveryDate(const QVector<DeliveryRecord>& records)
{
    QString last;
    for (const DeliveryRecord& record : records)
        last = qMax(last, record.date);
    return last;
}

bool planDelivery(const QVector<OrderLine>& lines, const QVector<LineDelivery>& standing,
                  const QVector<ArrivingNow>& now, const QString& date, QVector<DeliveryRecord>* records,
                  QVector<int>* overReceipts, QString* error)
{
    records->clear();
    overReceipts->clear();
    if (!QDate::fromString(date, QStringLiteral("yyyy-MM-dd")).isValid()) {
        *error = dataText(DataText::DeliveryDateInvalid).arg(quotedForMessage(date));
        return false;
    }
    for (int i = 0; i < lines.size() && i < now.size() && i < standing.size(); ++i) {
        const LineDelivery& line = standing.at(i);
        if (!line.numeric) {
            if (now.at(i).whole && !line.wholeReceived)
                records->append({date, i + 1, lines.at(i).articleNumber, kWholeLineDelivered});
            continue;
        }
        const QString typed = now.at(i).quantity.trimmed();
        if (typed.isEmpty())
            continue;
        const std::optional<ExactDecimal> quantity = ExactDecimal::parse(typed);
        if (!quantity || quantity->isNegative()) {
            *error =
                dataText(DataText::DeliveryQuantityInvalid)
                    .arg(QString::number(i + 1), quotedForMessage(lines.at(i).articleNumber), quotedForMessage(typed));
            records->clear(); // half a delivery is no delivery
            overReceipts->clear();
            return false;
        }
        if (quantity->isZero())
            continue;
        if (*quantity > line.rest())
            overReceipts->append(i);
        records->append({date, i + 1, lines.at(i).articleNumber, quantity->toString()});
    }
    return true;
}

QVector<DeliveryRecord> closingRecords(const QVector<OrderLine>& lines, const QVector<LineDelivery>& standing,
                                       const QString& date)
{
    QVector<DeliveryRecord> records;
    for (int i = 0; i < lines.size() && i < standing.size(); ++i) {
        if (!standing.at(i).done())
            records.append({date, i + 1, lines.at(i).articleNumber, kRestClosed});
    }
    return records;
}

bool recordDelivery(const QString& orderNumber, const QVector<DeliveryRecord>& records, QString* status,
                    QString* statusNote, QString* error)
{
    status->clear();
    statusNote->clear();
    if (!appendDeliveries(orderNumber, records, error))
        return false;
    // The status follows what the files hold now, not what the window showed.
    QVector<OrderLine> lines;
    QVector<DeliveryRecord> all;
    QString ignored;
    readOrderBasket(orderNumber, &lines, &ignored);
    readDeliveries(orderNumber, &all, &ignored);
    if (!writeDeliveryStatus(orderNumber, everythingDelivered(lineDeliveries(lines, all)), status, statusNote))
        status->clear();
    return true;
}

bool basketEditAllowed(const QString& orderNumber, int row, const OrderLine* changed, QString* error)
{
    QVector<DeliveryRecord> records;
    QString ignored;
    readDeliveries(orderNumber, &records, &ignored); // damaged records are no deliveries to protect
    if (records.isEmpty())
        return true;
    if (!changed) {
        *error = dataText(DataText::LineHasDeliveries);
        return false;
    }
    QVector<OrderLine> lines;
    if (!readOrderBasket(orderNumber, &lines, &ignored) && lines.isEmpty())
        return true;
    if (row < 0 || row >= lines.size())
        return true; // editing the basket itself tells that the line is gone
    const LineDelivery standing = lineDeliveries(lines, records).at(row);
    bool hasRecords = false;
    for (const DeliveryRecord& record : records)
        hasRecords = hasRecords || record.line == row + 1;
    if (hasRecords && changed->articleNumber != lines.at(row).articleNumber) {
        *error = dataText(DataText::ArticleHasDeliveries).arg(quotedForMessage(lines.at(row).articleNumber));
        return false;
    }
    const std::optional<ExactDecimal> quantity = ExactDecimal::parse(changed->quantity);
    if (standing.numeric && !standing.received.isZero() && (!quantity || *quantity < standing.received)) {
        *error = dataText(DataText::QuantityBelowDelivered).arg(standing.received.toString());
        return false;
    }
    return true;
}

bool writeDeliveryStatus(const QString& orderNumber, bool complete, QString* status, QString* error)
{
    constexpr int kPartlyDelivered = 4;
    constexpr int kDelivered = 5;
    return writeListedStatus(orderNumber, complete ? kDelivered : kPartlyDelivered, status, error);
}

} // namespace data
