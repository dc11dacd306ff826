#include "data/supplier_names.h"

#include "data/reference_list.h"

namespace data {

std::optional<QString> SupplierNames::nameOf(const QString& number)
{
    if (!m_read) {
        m_read = true;
        m_names.clear();
        QVector<QStringList> records;
        QString error;
        if (readReferenceList(kSupplierListPath, &records, &error)) {
            for (const QStringList& record : records) {
                if (!m_names.contains(record.at(1)))
                    m_names.insert(record.at(1), record.at(0));
            }
        }
    }
    const auto found = m_names.constFind(number);
    if (found == m_names.cend())
        return std::nullopt;
    return *found;
}

void SupplierNames::forget()
{
    m_read = false;
}

} // namespace data
