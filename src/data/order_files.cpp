#include "data/order_files.h"

#include "data/app_folder.h"
#include "data/file_lock.h"
#include "data/record_io.h"
#include "data/text_file.h"

namespace data {

namespace {
constexpr int kBasketFields = 5;
constexpr int kLongestOrderName = 255;
} // namespace

QString orderListPath()
{
    return dataPath(QStringLiteral("\\Order\\Lista.log"));
}

QString orderDataPath(const QString& orderNumber)
{
    return dataPath(QStringLiteral("\\Order\\") + orderNumber + QStringLiteral(".OrderData.log"));
}

QString orderBasketPath(const QString& orderNumber)
{
    return dataPath(QStringLiteral("\\Order\\") + orderNumber + QStringLiteral(".OrderBasket.log"));
}

bool isPlainOrderName(const QString& entry)
{
    // No file system takes a longer name; such an entry is text, never a file to touch.
    return entry.size() <= kLongestOrderName && !entry.contains(QLatin1Char('/')) &&
           !entry.contains(QLatin1Char('\\')) && !entry.contains(QLatin1Char(':')) &&
           !entry.contains(QLatin1String("..")) && !entry.contains(QChar(0));
}

bool writeOrderData(const QString& orderNumber, const QStringList& values, QString* error)
{
    QByteArray bytes;
    for (int i = 0; i < kOrderDataLines; ++i) {
        // Each value is one line of the file; a line break inside one (a supplier name from a
        // list file with a multi-line quoted field) would shift every value after it.
        QString value = values.value(i);
        value.replace(QLatin1String("\r\n"), QLatin1String(" "));
        value.replace(QLatin1Char('\r'), QLatin1Char(' '));
        value.replace(QLatin1Char('\n'), QLatin1Char(' '));
        bytes += lineRecord(value);
    }
    return replaceFile(orderDataPath(orderNumber), bytes, error);
}

bool readOrderData(const QString& orderNumber, QStringList* values, QString* error)
{
    const QString path = orderDataPath(orderNumber);
    QString text;
    if (!readTextFile(path, &text, error))
        return false;
    RecordReader reader(text);
    values->clear();
    while (values->size() < kOrderDataLines && !reader.atEnd())
        values->append(reader.readLine());
    if (values->size() < kOrderDataLines) {
        *error = QStringLiteral("Orderfilen %1 är ofullständig: den har %2 rader av %3.")
                     .arg(quotedForMessage(path), QString::number(values->size()), QString::number(kOrderDataLines));
        return false;
    }
    return true;
}

bool appendToOrderList(const QString& orderNumber, QString* error)
{
    const QString path = orderListPath();
    FileLock lock(path);
    return canWriteFile(path, error) && lock.acquire(error) && appendToFile(path, lineRecord(orderNumber), error);
}

bool readOrderList(QStringList* entries, QString* error)
{
    entries->clear();
    const QString path = orderListPath();
    if (!entryExists(path))
        return true;
    QString text;
    if (!readTextFile(path, &text, error))
        return false;
    RecordReader reader(text);
    while (!reader.atEnd())
        entries->append(reader.readLine());
    return true;
}

bool appendOrderLine(const QString& orderNumber, const OrderLine& line, QString* error)
{
    const QString path = orderBasketPath(orderNumber);
    FileLock lock(path);
    return canWriteFile(path, error) && lock.acquire(error) && appendToFile(path, quotedRecord(line.fields()), error);
}

bool readOrderBasket(const QString& orderNumber, QVector<OrderLine>* lines, QString* error)
{
    lines->clear();
    const QString path = orderBasketPath(orderNumber);
    if (!entryExists(path))
        return true;
    QString text;
    if (!readTextFile(path, &text, error))
        return false;
    // Every record stands on a line of its own. A record cut short (a write that failed part-way)
    // is reported and left out, and its open quote ends with its line, so it never takes the next
    // record with it.
    RecordReader reader(text);
    QStringList damaged;
    QStringList fields;
    for (int lineNumber = 1; !reader.atEnd(); ++lineNumber) {
        const QString line = reader.readLine();
        if (line.isEmpty())
            continue;
        RecordReader record(line);
        if (!record.readFields(kBasketFields, &fields) || !record.lastFieldClosed()) {
            damaged << QString::number(lineNumber);
            continue;
        }
        lines->append(OrderLine::fromFields(fields));
    }
    if (damaged.isEmpty())
        return true;
    *error = QStringLiteral("Orderraderna i %1 är skadade på rad %2; de raderna visas inte.")
                 .arg(quotedForMessage(path), quotedForMessage(damaged.join(QStringLiteral(", "))));
    return false; // the whole lines stay in *lines
}

} // namespace data
