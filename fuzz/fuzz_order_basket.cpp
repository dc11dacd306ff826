#include "data/order_files.h"
#include "target_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString path = fuzzing::writeInput(QStringLiteral("Order/1.OrderBasket.log"), data, size);
    QVector<data::OrderLine> lines;
    QString error;
    const bool ok = data::readOrderBasket(QStringLiteral("1"), &lines, &error);
    fuzzing::checkError(ok, error, path);
    // A basket line comes from one record of five fields, so each needs at least five characters.
    if (lines.size() * 5 > qsizetype(size))
        fuzzing::fail("more basket lines than the file can hold");
    return 0;
}
