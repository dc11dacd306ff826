#include "data/order_files.h"
#include "target_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString path = fuzzing::writeInput(QStringLiteral("Order/1.OrderData.log"), data, size);
    QStringList values;
    QString error;
    const bool ok = data::readOrderData(QStringLiteral("1"), &values, &error);
    fuzzing::checkError(ok, error, path);
    if (ok && values.size() != data::kOrderDataLines)
        fuzzing::fail("a read order has exactly ten values");
    for (const QString& value : values)
        if (value.contains(u'\r') || value.contains(u'\n'))
            fuzzing::fail("an order value holds a line end");
    return 0;
}
