#include "data/reference_list.h"
#include "target_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString path = fuzzing::writeInput(QStringLiteral("System/Leverantorer.log"), data, size);
    QVector<QStringList> records;
    QString error;
    const bool ok = data::readReferenceList(data::kSupplierListPath, &records, &error);
    fuzzing::checkError(ok, error, path);
    for (const QStringList& record : records)
        if (record.size() != 2)
            fuzzing::fail("a reference record has two fields");
    return 0;
}
