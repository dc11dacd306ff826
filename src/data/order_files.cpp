#include "data/order_files.h"

#include "data/app_folder.h"
#include "data/data_texts.h"
#include "data/file_lock.h"
#include "data/order_changes.h"
#include "data/order_delivery.h"
#include "data/order_folder_tidy.h"
#include "data/record_io.h"
#include "data/text_codec.h"
#include "data/text_file.h"

namespace data {

namespace {
constexpr int kBasketFields = 5;
constexpr int kLongestOrderName = 255;

// One line of a file as it lies on disk: its text runs from start to textEnd, its line end to end.
struct RawLine
{
    qsizetype start;
    qsizetype textEnd;
    qsizetype end;
};

QVector<RawLine> rawLines(const QByteArray& bytes)
{
    QVector<RawLine> lines;
    qsizetype pos = 0;
    while (pos < bytes.size()) {
        qsizetype textEnd = pos;
        while (textEnd < bytes.size() && bytes.at(textEnd) != '\r' && bytes.at(textEnd) != '\n')
            ++textEnd;
        qsizetype end = textEnd;
        if (end < bytes.size() && bytes.at(end) == '\r')
            ++end;
        if (end < bytes.size() && bytes.at(end) == '\n' && (end == textEnd || bytes.at(end - 1) == '\r'))
            ++end;
        lines.append({pos, textEnd, end});
        pos = end;
    }
    return lines;
}

// Every basket record stands on a line of its own. A record cut short (a write that failed
// part-way) is no record, and its open quote ends with its line, so it never takes the next
// record with it.
bool basketRecord(const QString& line, QStringList* fields)
{
    RecordReader record(line);
    return record.readFields(kBasketFields, fields) && record.lastFieldClosed();
}

// A quote inside a field would end it early when the record is read back, and a line break would
// split the record: every value after it would shift into the wrong field. No path may write one.
bool fieldsFit(const OrderLine& line, const QString& path, QString* error)
{
    // Looked up when needed, so that a language chosen later names the field in its own words.
    static constexpr DataText names[] = {DataText::OrderFieldArticle, DataText::OrderFieldText,
                                         DataText::OrderFieldPrice, DataText::OrderFieldQuantity,
                                         DataText::OrderFieldUnit};
    const QStringList fields = line.fields();
    for (int i = 0; i < fields.size(); ++i) {
        const QString& value = fields.at(i);
        if (value.contains(QLatin1Char('"')) || value.contains(QLatin1Char('\r')) ||
            value.contains(QLatin1Char('\n'))) {
            *error = dataText(DataText::OrderFieldBreak)
                         .arg(quotedForMessage(path), dataText(names[i]), quotedForMessage(value));
            return false;
        }
    }
    return true;
}

// An order's files are named after its number; a number that is no plain name (a path, "..") would
// write outside the order folder, so no writer takes one.
bool plainNumber(const QString& orderNumber, QString* error)
{
    if (!orderNumber.isEmpty() && isPlainOrderName(orderNumber)) {
        // Every writer of an order file starts here: the first one of a run clears what killed
        // programs left in the folder.
        tidyOrderFolderOnce();
        return true;
    }
    *error = QStringLiteral("\"%1\" är inget ordernummer; ingen orderfil skrevs.").arg(quotedForMessage(orderNumber));
    return false;
}

// Rewrites the basket with the record at `row` replaced by `replacement` (removed when empty).
bool editBasket(const QString& orderNumber, int row, const OrderLine& expected, const QByteArray& replacement,
                QString* error)
{
    if (!plainNumber(orderNumber, error))
        return false;
    const QString path = orderBasketPath(orderNumber);
    FileLock lock(path);
    QByteArray bytes;
    if (!canWriteFile(path, error) || !lock.acquire(error) || !readFileBytes(path, &bytes, error))
        return false;
    int seen = 0;
    QStringList fields;
    for (const RawLine& raw : rawLines(bytes)) {
        const QString line = decodeWindows1252(bytes.mid(raw.start, raw.textEnd - raw.start));
        if (line.isEmpty() || !basketRecord(line, &fields) || seen++ != row)
            continue;
        if (!(OrderLine::fromFields(fields) == expected))
            break;
        return OrderChanges::announce(
            orderNumber, replaceFile(path, bytes.left(raw.start) + replacement + bytes.mid(raw.end), error));
    }
    *error = dataText(DataText::OrderLineChanged).arg(quotedForMessage(path));
    return false;
}
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
    if (!plainNumber(orderNumber, error))
        return false;
    QByteArray bytes;
    for (int i = 0; i < kOrderDataLines; ++i)
        bytes += lineRecord(asOneLine(values.value(i)));
    return OrderChanges::announce(orderNumber, replaceFile(orderDataPath(orderNumber), bytes, error));
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
        *error = dataText(DataText::OrderFileIncomplete)
                     .arg(quotedForMessage(path), QString::number(values->size()), QString::number(kOrderDataLines));
        return false;
    }
    return true;
}

bool listOrderOnce(const QString& orderNumber, QString* error)
{
    if (!plainNumber(orderNumber, error))
        return false;
    const QString path = orderListPath();
    FileLock lock(path);
    QStringList entries;
    // Read under the lock, so that two programs saving the same order cannot both find it missing.
    if (!canWriteFile(path, error) || !lock.acquire(error) || !readOrderList(&entries, error))
        return false;
    return entries.contains(orderNumber) ||
           OrderChanges::announce(orderNumber, appendToFile(path, lineRecord(orderNumber), error));
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
    return appendOrderLines(orderNumber, {line}, error);
}

bool appendOrderLines(const QString& orderNumber, const QVector<OrderLine>& lines, QString* error)
{
    if (!plainNumber(orderNumber, error))
        return false;
    const QString path = orderBasketPath(orderNumber);
    QByteArray records;
    for (const OrderLine& line : lines) {
        if (!fieldsFit(line, path, error))
            return false;
        records += quotedRecord(line.fields());
    }
    FileLock lock(path);
    const bool written =
        canWriteFile(path, error) && lock.acquire(error) && (records.isEmpty() || appendToFile(path, records, error));
    return OrderChanges::announce(orderNumber, written && !records.isEmpty());
}

bool readOrderBasket(const QString& orderNumber, QVector<OrderLine>* lines, QString* error)
{
    lines->clear();
    const QString path = orderBasketPath(orderNumber);
    if (!entryExists(path))
        return true;
    QString text;
    return readTextFile(path, &text, error) && orderBasketLines(text, path, lines, error);
}

bool orderBasketLines(const QString& text, const QString& path, QVector<OrderLine>* lines, QString* error)
{
    lines->clear();
    QStringList damaged;
    for (const QStringList& fields : recordsOnLines(text, kBasketFields, &damaged))
        lines->append(OrderLine::fromFields(fields));
    if (damaged.isEmpty())
        return true;
    *error = dataText(DataText::OrderLinesDamaged)
                 .arg(quotedForMessage(path), quotedForMessage(damaged.join(QStringLiteral(", "))));
    return false; // the whole lines stay in *lines
}

bool replaceOrderLine(const QString& orderNumber, int row, const OrderLine& expected, const OrderLine& line,
                      QString* error)
{
    return fieldsFit(line, orderBasketPath(orderNumber), error) && basketEditAllowed(orderNumber, row, &line, error) &&
           editBasket(orderNumber, row, expected, quotedRecord(line.fields()), error);
}

bool removeOrderLine(const QString& orderNumber, int row, const OrderLine& expected, QString* error)
{
    return basketEditAllowed(orderNumber, row, nullptr, error) &&
           editBasket(orderNumber, row, expected, QByteArray(), error);
}

bool writeOrderStatus(const QString& orderNumber, const QString& status, QString* error)
{
    if (!plainNumber(orderNumber, error))
        return false;
    const QString path = orderDataPath(orderNumber);
    QByteArray bytes;
    if (!canWriteFile(path, error) || !readFileBytes(path, &bytes, error))
        return false;
    const QVector<RawLine> lines = rawLines(bytes);
    if (lines.size() < kOrderDataLines) {
        *error = dataText(DataText::OrderFileIncomplete)
                     .arg(quotedForMessage(path), QString::number(lines.size()), QString::number(kOrderDataLines));
        return false;
    }
    const RawLine& line = lines.at(OrderDataLine::Status);
    const QByteArray newLine = encodeWindows1252(asOneLine(status));
    return OrderChanges::announce(orderNumber,
                                  replaceFile(path, bytes.left(line.start) + newLine + bytes.mid(line.textEnd), error));
}

} // namespace data
