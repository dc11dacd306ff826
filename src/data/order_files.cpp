#include "data/order_files.h"

#include "data/app_folder.h"
#include "data/record_io.h"
#include "data/text_file.h"

#include <QFile>

namespace data {

namespace {
// A file edited elsewhere may lack its final line end; an appended record must still start a line
// of its own, or it would merge with the last entry and both would be lost.
QByteArray onALineOfItsOwn(const QString& path, const QByteArray& record)
{
    QFile file(path);
    char last = '\n';
    if (file.size() > 0 && file.open(QIODevice::ReadOnly) && file.seek(file.size() - 1))
        file.getChar(&last);
    return last == '\n' || last == '\r' ? record : "\r\n" + record;
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
    return !entry.contains(QLatin1Char('/')) && !entry.contains(QLatin1Char('\\')) &&
           !entry.contains(QLatin1Char(':')) && !entry.contains(QLatin1String("..")) && !entry.contains(QChar(0));
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
                     .arg(path)
                     .arg(values->size())
                     .arg(kOrderDataLines);
        return false;
    }
    return true;
}

bool appendToOrderList(const QString& orderNumber, QString* error)
{
    const QString path = orderListPath();
    return appendToFile(path, onALineOfItsOwn(path, lineRecord(orderNumber)), error);
}

bool readOrderList(QStringList* entries, QString* error)
{
    entries->clear();
    const QString path = orderListPath();
    if (!fileExists(path))
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
    return appendToFile(path, onALineOfItsOwn(path, quotedRecord(line.fields())), error);
}

bool readOrderBasket(const QString& orderNumber, QVector<OrderLine>* lines, QString* error)
{
    lines->clear();
    const QString path = orderBasketPath(orderNumber);
    if (!fileExists(path))
        return true;
    QString text;
    if (!readTextFile(path, &text, error))
        return false;
    RecordReader reader(text);
    QStringList fields;
    while (!reader.atEnd()) {
        if (!reader.readFields(5, &fields)) {
            *error = QStringLiteral("Orderraderna i %1 slutar mitt i en rad; de hela raderna visas.").arg(path);
            return false; // the complete lines stay in *lines
        }
        lines->append(OrderLine::fromFields(fields));
    }
    return true;
}

} // namespace data
