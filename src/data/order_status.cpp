#include "data/order_status.h"

#include "data/data_texts.h"
#include "data/order_files.h"
#include "data/reference_list.h"

#include <QVector>

namespace data {

int statusId(const QString& status)
{
    const QString head = status.section(QLatin1Char(','), 0, 0).trimmed();
    bool ok = false;
    const int id = head.toInt(&ok);
    return ok ? id : -1;
}

bool writeListedStatus(const QString& orderNumber, int id, QString* status, QString* error)
{
    QVector<QStringList> statuses;
    if (!readReferenceList(kOrderStatusListPath, &statuses, error))
        return false;
    for (const QStringList& entry : statuses) {
        if (entry.value(0).trimmed() == QString::number(id)) {
            *status = QString::number(id) + QStringLiteral(", ") + entry.value(1).trimmed();
            return writeOrderStatus(orderNumber, *status, error);
        }
    }
    *error = dataText(DataText::NoSuchStatus).arg(id);
    return false;
}

} // namespace data
