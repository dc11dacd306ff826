#include "data/order_facts.h"

#include "data/order_files.h"
#include "data/order_void.h"
#include "data/record_io.h"
#include "data/text_codec.h"

namespace data {

namespace {
// Far above any order typed by hand; a larger file is no order file of ours.
constexpr qint64 kLargestOrderFile = 4 * 1024 * 1024;
} // namespace

OrderFacts readOrderFacts(const QString& number)
{
    OrderFacts facts;
    facts.number = number;
    if (!namesOrderFiles(number))
        return facts;
    QByteArray bytes;
    QString reason;
    const QuickRead data = readSmallFile(orderDataPath(number), kLargestOrderFile, &bytes, &facts.stamps.data, &reason);
    facts.saved = data != QuickRead::Missing;
    if (data == QuickRead::Read) {
        RecordReader reader(decodeWindows1252(bytes));
        while (facts.values.size() < kOrderDataLines && !reader.atEnd())
            facts.values.append(reader.readLine());
        if (facts.values.size() < kOrderDataLines)
            facts.values.clear();
    }
    const QString basket = orderBasketPath(number);
    if (readSmallFile(basket, kLargestOrderFile, &bytes, &facts.stamps.basket, &reason) == QuickRead::Read &&
        !orderBasketLines(decodeWindows1252(bytes), basket, &facts.lines, &reason))
        facts.lines.clear(); // a damaged basket is not half remembered
    return facts;
}

} // namespace data
