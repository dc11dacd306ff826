#include "data/order_files.h"
#include "target_support.h"

#include <QDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString path = fuzzing::writeInput(QStringLiteral("Order/Lista.log"), data, size);
    QStringList entries;
    QString error;
    const bool ok = data::readOrderList(&entries, &error);
    fuzzing::checkError(ok, error, path);
    // The register is where file names come from: a name taken as plain must stay in the order folder.
    const QString orderFolder = QDir::cleanPath(fuzzing::scratchAppFolder() + QStringLiteral("/Order"));
    for (const QString& entry : entries) {
        if (entry.contains(u'\r') || entry.contains(u'\n'))
            fuzzing::fail("an order list entry holds a line end");
        if (!data::isPlainOrderName(entry))
            continue;
        const QString file = QDir::cleanPath(QDir::fromNativeSeparators(data::orderDataPath(entry)));
        if (!file.startsWith(orderFolder + u'/') || file.indexOf(u'/', orderFolder.size() + 1) >= 0)
            fuzzing::fail("a plain order name reaches outside the order folder");
    }
    return 0;
}
