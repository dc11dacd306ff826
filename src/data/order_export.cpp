#include "data/order_export.h"

#include "data/app_folder.h"
#include "data/data_texts.h"
#include "data/order_delivery.h"
#include "data/order_files.h"
#include "data/order_total.h"
#include "data/text_file.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>
#include <atomic>
#include <cerrno>
#include <deque>
#include <future>
#include <unistd.h>

namespace data {

namespace {
// Orders are read and formatted in blocks; only a few blocks are ever in memory, so 100,000 orders
// never sit there whole.
constexpr int kBlockOrders = 200;
constexpr int kBlocksAhead = 3;

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

QString telephone(const QStringList& values)
{
    const QString& area = values.at(OrderDataLine::AreaCode);
    const QString& number = values.at(OrderDataLine::Telephone);
    return area.isEmpty() || number.isEmpty() ? area + number : area + QLatin1Char('-') + number;
}

QString amount(const OrderLine& line)
{
    const std::optional<double> total = lineTotal(line);
    return total ? formatAmount(*total) : QString();
}

// "1, Created not printed" is the id 1 and its text; a status without a comma is an id alone.
QStringList statusColumns(const QString& status)
{
    const qsizetype comma = status.indexOf(QLatin1Char(','));
    if (comma < 0)
        return {status, QString()};
    return {status.left(comma).trimmed(), status.mid(comma + 1).trimmed()};
}

// The fields joined by semicolons, without the line end.
void appendFields(QString* out, std::initializer_list<QString> fields)
{
    bool first = true;
    for (const QString& field : fields) {
        if (!first)
            *out += QLatin1Char(';');
        first = false;
        *out += csvField(field);
    }
}

bool writeAll(int fd, const QByteArray& bytes)
{
    const char* from = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, from, static_cast<size_t>(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = ENOSPC;
            return false;
        }
        from += written;
        left -= written;
    }
    return true;
}

struct Block
{
    QByteArray bytes;
    QStringList skipped;
    int orders = 0;
    int rows = 0;
    int end = 0; // the list position after the block
};

// Reads and formats orders [from, to); an order whose files cannot be read is left out and named.
Block formatBlock(const QStringList& orders, int from, int to, const std::atomic<bool>& stop)
{
    Block block;
    block.end = to;
    QString text;
    QStringList values;
    QVector<OrderLine> lines;
    QVector<DeliveryRecord> deliveries;
    QString readError;
    for (int i = from; i < to && !stop; ++i) {
        const QString& order = orders.at(i);
        // A damaged delivery record leaves the order out, as a damaged order line does: the sheet
        // would otherwise show goods as still to come that have arrived.
        if (!readOrderData(order, &values, &readError) || !readOrderBasket(order, &lines, &readError) ||
            !readDeliveries(order, &deliveries, &readError)) {
            block.skipped.append(order);
            continue;
        }
        // The order's own fields are the same on each of its rows: they are formatted once.
        QString head;
        using Line = OrderDataLine;
        const QStringList status = statusColumns(values.at(Line::Status));
        appendFields(&head, {values.at(Line::OrderNumber), values.at(Line::OrderDate), values.at(Line::Seller),
                             status.at(0), status.at(1), values.at(Line::CustomerNumber), values.at(Line::CustomerName),
                             telephone(values), values.at(Line::SupplierNumber), values.at(Line::SupplierName)});
        if (lines.isEmpty()) {
            text += head + QLatin1String(";;;;;;;;\r\n");
            ++block.rows;
        }
        const QVector<LineDelivery> standing = lineDeliveries(lines, deliveries);
        for (int l = 0; l < lines.size(); ++l) {
            const OrderLine& line = lines.at(l);
            text += head;
            text += QLatin1Char(';');
            appendFields(&text, {line.articleNumber, line.description});
            // What arrived and what is to come are exact decimals, written without thousands blanks.
            for (const QString& field :
                 {csvNumber(line.unitPrice), csvNumber(line.quantity), csvField(line.unit), csvNumber(amount(line)),
                  csvField(standing.at(l).receivedText()), csvField(standing.at(l).restText())})
                text += QLatin1Char(';') + field;
            text += QLatin1String("\r\n");
            ++block.rows;
        }
        ++block.orders;
    }
    block.bytes = text.toUtf8();
    return block;
}

QString writeFailure(const QString& path, int code)
{
    const QString reason = code == ENOSPC || code == EDQUOT  ? dataText(DataText::DiskFull)
                           : code == EACCES || code == EPERM ? dataText(DataText::AccessDenied)
                                                             : dataText(DataText::WriteErrorNumber).arg(code);
    return dataText(DataText::CannotWriteFile).arg(QDir::toNativeSeparators(path), reason);
}
// The export is for the bookkeeper and never lands on the program's own files: not in Order or
// System (a link to them included), not through a link, not over a read-only file.
bool mayExportTo(const QString& path, QString* error)
{
    if (!canReplaceWhole(path, error))
        return false;
    const QString folder = QFileInfo(QFileInfo(path).absolutePath()).canonicalFilePath();
    for (const QString& own : {QStringLiteral("\\Order"), QStringLiteral("\\System")}) {
        const QString ownFolder = QFileInfo(dataPath(own)).canonicalFilePath();
        if (!ownFolder.isEmpty() && (folder == ownFolder || folder.startsWith(ownFolder + QLatin1Char('/')))) {
            *error = dataText(DataText::ExportIntoOwnFolder)
                         .arg(quotedForMessage(QDir::toNativeSeparators(path)), QDir::toNativeSeparators(ownFolder));
            return false;
        }
    }
    return true;
}
} // namespace

QString csvField(const QString& value)
{
    bool quote = !value.isEmpty() && (isBlank(value.front()) || isBlank(value.back()));
    for (qsizetype i = 0; i < value.size() && !quote; ++i) {
        const QChar c = value.at(i);
        quote = c == u';' || c == u'"' || c == u'\r' || c == u'\n';
    }
    if (!quote)
        return value;
    QString quoted = value;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString csvNumber(const QString& value)
{
    if (!parseSwedishNumber(value))
        return csvField(value);
    QString plain;
    plain.reserve(value.size());
    for (const QChar c : value) {
        if (c == u' ' || c == QChar(0x00A0) || c == QChar(0x202F))
            continue;
        plain += c == u'.' ? QChar(u',') : c;
    }
    return plain;
}

bool exportOrders(const QString& path, ExportResult* result, QString* error, const ExportProgress& progress)
{
    *result = ExportResult();
    error->clear();
    QStringList entries;
    if (!readOrderList(&entries, error))
        return false;

    QStringList orders;
    QSet<QString> seen;
    for (const QString& entry : entries) {
        if (entry.isEmpty() || !isPlainOrderName(entry) || seen.contains(entry))
            continue;
        seen.insert(entry);
        orders.append(entry);
    }

    if (!mayExportTo(path, error))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = dataText(DataText::CannotCreateFile)
                     .arg(QDir::toNativeSeparators(path), dataText(DataText::AccessDeniedOrNoFolder));
        return false;
    }

    QString header;
    appendFields(&header, {QStringLiteral("Ordernummer"), QStringLiteral("Orderdatum"), QStringLiteral("Säljare"),
                           QStringLiteral("Status"), QStringLiteral("Statustext"), QStringLiteral("Kundnummer"),
                           QStringLiteral("Namn"), QStringLiteral("Telefon"), QStringLiteral("Leverantörsnummer"),
                           QStringLiteral("Leverantör"), QStringLiteral("Artikelnummer"), QStringLiteral("Benämning"),
                           QStringLiteral("À-pris"), QStringLiteral("Antal"), QStringLiteral("Enhet"),
                           QStringLiteral("Belopp"), QStringLiteral("Levererat"), QStringLiteral("Rest")});
    header += QLatin1String("\r\n");
    if (!writeAll(file.handle(), QByteArray("\xEF\xBB\xBF") + header.toUtf8())) {
        const int code = errno;
        file.cancelWriting();
        *error = writeFailure(path, code);
        return false;
    }

    // Reading the order files is most of the work: a few blocks are read and formatted on other
    // threads while this one writes the block before them, always in list order.
    std::atomic<bool> stop{false};
    std::deque<std::future<Block>> pending;
    int next = 0;
    const auto launch = [&] {
        if (next >= orders.size())
            return;
        const int from = next;
        next = std::min<int>(next + kBlockOrders, orders.size());
        pending.push_back(std::async(std::launch::async, formatBlock, std::cref(orders), from, next, std::cref(stop)));
    };
    for (int i = 0; i < kBlocksAhead; ++i)
        launch();
    const auto abandon = [&] {
        stop = true;
        pending.clear(); // waits for the blocks still being read
        file.cancelWriting();
    };

    int done = 0;
    while (!pending.empty()) {
        if (progress && !progress(done, orders.size())) {
            abandon();
            result->cancelled = true;
            return false;
        }
        Block block = pending.front().get();
        pending.pop_front();
        launch();
        if (!writeAll(file.handle(), block.bytes)) {
            const int code = errno;
            abandon();
            *error = writeFailure(path, code);
            return false;
        }
        done = block.end;
        result->orders += block.orders;
        result->rows += block.rows;
        result->skipped += block.skipped;
    }
    if (progress && !progress(orders.size(), orders.size())) {
        file.cancelWriting();
        result->cancelled = true;
        return false;
    }
    // Every write and the flush to disk are checked before the old file is replaced.
    if (::fsync(file.handle()) != 0) {
        const int code = errno;
        file.cancelWriting();
        *error = writeFailure(path, code);
        return false;
    }
    errno = 0;
    if (!file.commit()) {
        *error = writeFailure(path, errno);
        return false;
    }
    return true;
}

} // namespace data
