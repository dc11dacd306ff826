#include "data/company_details.h"

#include "data/app_folder.h"
#include "data/record_io.h"
#include "data/text_file.h"

namespace data {

QStringList CompanyDetails::lines() const
{
    return {name,
            street,
            postalTown,
            organisationNumber,
            vatNumber,
            telephone,
            email,
            deliveryAddress,
            pricesExcludeVat ? kPricesExcludingVat : kPricesIncludingVat};
}

CompanyDetails CompanyDetails::fromLines(const QStringList& lines)
{
    CompanyDetails details;
    details.name = lines.value(0);
    details.street = lines.value(1);
    details.postalTown = lines.value(2);
    details.organisationNumber = lines.value(3);
    details.vatNumber = lines.value(4);
    details.telephone = lines.value(5);
    details.email = lines.value(6);
    details.deliveryAddress = lines.value(7);
    // Only the words for VAT included change the default; prices to a supplier are usually without.
    details.pricesExcludeVat = lines.value(8).trimmed().compare(kPricesIncludingVat, Qt::CaseInsensitive) != 0;
    return details;
}

bool readCompanyDetails(CompanyDetails* details, QString* error)
{
    *details = CompanyDetails();
    const QString path = dataPath(kCompanyDetailsPath);
    if (!entryExists(path))
        return true;
    QString text;
    if (!readTextFile(path, &text, error, Links::Follow))
        return false;
    RecordReader reader(text);
    QStringList lines;
    while (!reader.atEnd() && lines.size() < CompanyDetails::kLines)
        lines.append(reader.readLine());
    *details = CompanyDetails::fromLines(lines);
    return true;
}

bool writeCompanyDetails(const CompanyDetails& details, QString* error)
{
    QByteArray bytes;
    for (const QString& line : details.lines())
        bytes += lineRecord(asOneLine(line));
    return replaceFile(dataPath(kCompanyDetailsPath), bytes, error);
}

} // namespace data
