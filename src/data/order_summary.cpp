#include "data/order_summary.h"

#include "data/data_texts.h"
#include "data/order_files.h"
#include "data/order_total.h"
#include "data/order_void.h"
#include "data/record_io.h"
#include "data/text_codec.h"
#include "data/text_file.h"

#include <QElapsedTimer>
#include <algorithm>
#include <chrono>
#include <thread>
#include <vector>

namespace data {

namespace {
// Order files are small; a larger one goes to the careful reader, which reads any size.
constexpr qint64 kQuickReadLimit = 256 * 1024;
// Longer values are kept cut short: no window shows more, and a register holds a hundred thousand.
constexpr int kLongestKept = 1024;
// The entries a thread takes at a time: the earliest are read first, whatever the thread count.
constexpr int kChunk = 64;
// Often enough that the register fills as it is looked at, seldom enough that the window keeps up.
constexpr qint64 kDeliverEveryMs = 40;
constexpr int kLongestBatch = 4000;

qint64 steadyNow()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

QString kept(const QString& value)
{
    return value.size() <= kLongestKept ? value : value.left(kLongestKept);
}

QString joined(const QString& first, const QString& second)
{
    if (first.isEmpty() || second.isEmpty())
        return first + second;
    return first + QLatin1Char(' ') + second;
}

bool readData(const QString& entry, OrderSummary* summary, QStringList* values)
{
    const QString path = orderDataPath(entry);
    QByteArray bytes;
    QString reason;
    switch (readSmallFile(path, kQuickReadLimit, &bytes, &summary->stamps.data, &reason)) {
    case QuickRead::Missing:
        summary->problem = dataText(DataText::ProblemNoDataFile);
        return false;
    case QuickRead::Failed:
        summary->problem = dataText(DataText::ProblemDataUnreadable).arg(reason);
        return false;
    case QuickRead::TooLarge:
        if (!readOrderData(entry, values, &reason)) {
            summary->problem = reason;
            return false;
        }
        return true;
    case QuickRead::Read:
        break;
    }
    RecordReader reader(decodeWindows1252(bytes));
    values->clear();
    while (values->size() < kOrderDataLines && !reader.atEnd())
        values->append(reader.readLine());
    if (values->size() < kOrderDataLines) {
        summary->problem = dataText(DataText::ProblemDataIncomplete)
                               .arg(QString::number(values->size()), QString::number(kOrderDataLines));
        return false;
    }
    return true;
}

void readBasket(const QString& entry, OrderSummary* summary)
{
    const QString path = orderBasketPath(entry);
    QByteArray bytes;
    QString reason;
    QVector<OrderLine> lines;
    switch (readSmallFile(path, kQuickReadLimit, &bytes, &summary->stamps.basket, &reason)) {
    case QuickRead::Missing:
        // An order saved without lines; without its data file either, there is no order to sum.
        if (!summary->problem.isEmpty())
            return;
        break;
    case QuickRead::TooLarge:
        if (!readFileBytes(path, &bytes, &reason)) {
            summary->problem = summary->problem.isEmpty() ? reason : summary->problem;
            return;
        }
        Q_FALLTHROUGH();
    case QuickRead::Read:
        // Damaged records are left out; the whole ones still count.
        if (!orderBasketLines(decodeWindows1252(bytes), path, &lines, &reason) && summary->problem.isEmpty())
            summary->problem = dataText(DataText::ProblemLinesDamaged);
        break;
    case QuickRead::Failed:
        if (summary->problem.isEmpty())
            summary->problem = dataText(DataText::ProblemLinesUnreadable).arg(reason);
        return;
    }
    const OrderTotal total = orderTotal(lines);
    summary->amount = total.amount;
    summary->linesLeftOut = total.linesLeftOut;
}

struct Progress
{
    std::atomic_int next{0};
};

void readRun(const QStringList& numbers, const QVector<OrderStamps>& known, const std::atomic_bool& cancel,
             const std::function<void(QVector<OrderSummary>)>& deliver, Progress* progress)
{
    const int total = int(numbers.size());
    QVector<OrderSummary> batch;
    QElapsedTimer sinceDelivery;
    sinceDelivery.start();
    for (;;) {
        const int first = progress->next.fetch_add(kChunk);
        if (first >= total || cancel.load(std::memory_order_relaxed))
            break;
        for (int i = first; i < std::min(total, first + kChunk); ++i) {
            const QString& entry = numbers.at(i);
            if (i < known.size() && known.at(i).data.known) {
                // An entry that names no files is what it was; the others are read again when changed.
                if (!namesOrderFiles(entry) || (stampFile(orderDataPath(entry)) == known.at(i).data &&
                                                stampFile(orderBasketPath(entry)) == known.at(i).basket))
                    continue;
            }
            batch.append(readOrderSummary(entry));
        }
        if (!batch.isEmpty() && (sinceDelivery.elapsed() >= kDeliverEveryMs || batch.size() >= kLongestBatch)) {
            deliver(std::move(batch));
            batch = {};
            sinceDelivery.restart();
        }
    }
    if (!batch.isEmpty() && !cancel.load())
        deliver(std::move(batch));
}
} // namespace

OrderSummary readOrderSummary(const QString& entry)
{
    OrderSummary summary;
    summary.number = entry;
    summary.readAt = steadyNow();
    // Stamps that are known but of no file: an entry that names none is never read again.
    summary.stamps.data.known = true;
    summary.stamps.basket.known = true;
    if (entry.isEmpty()) {
        summary.problem = dataText(DataText::ProblemEmptyEntry);
        return summary;
    }
    if (!namesOrderFiles(entry)) {
        summary.problem = dataText(DataText::ProblemNoNumber);
        return summary;
    }
    QStringList values;
    if (readData(entry, &summary, &values)) {
        using Line = OrderDataLine;
        summary.date = kept(values.at(Line::OrderDate));
        summary.customer = kept(joined(values.at(Line::CustomerNumber), values.at(Line::CustomerName)));
        summary.supplier = kept(values.at(Line::SupplierName).isEmpty() ? values.at(Line::SupplierNumber)
                                                                        : values.at(Line::SupplierName));
        summary.status = kept(values.at(Line::Status));
    }
    readBasket(entry, &summary);
    return summary;
}

void readOrderSummaries(const QStringList& numbers, const QVector<OrderStamps>& known, const std::atomic_bool& cancel,
                        const std::function<void(QVector<OrderSummary>)>& deliver, int threads)
{
    Progress progress;
    const int count = std::clamp(threads, 1, std::max(1, int(numbers.size()) / kChunk));
    std::vector<std::thread> readers;
    for (int i = 1; i < count; ++i)
        readers.emplace_back(readRun, std::cref(numbers), std::cref(known), std::cref(cancel), std::cref(deliver),
                             &progress);
    readRun(numbers, known, cancel, deliver, &progress);
    for (std::thread& reader : readers)
        reader.join();
}

} // namespace data
