#pragma once

#include <QString>
#include <QStringList>

namespace data {

// The buyer's own details, printed on every purchase order: System\Foretag.log, one value per line
// in this order, Windows-1252, CR LF. A missing file is a company not yet described.
struct CompanyDetails
{
    QString name;
    QString street;
    QString postalTown; // postal code and town
    QString organisationNumber;
    QString vatNumber;
    QString telephone;
    QString email;
    QString deliveryAddress; // where the goods go, when not to the postal address
    bool pricesExcludeVat = true;

    static constexpr int kLines = 9;
    QStringList lines() const;
    static CompanyDetails fromLines(const QStringList& lines);
    bool operator==(const CompanyDetails& other) const { return lines() == other.lines(); }
};

inline const QString kCompanyDetailsPath = QStringLiteral("\\System\\Foretag.log");
inline const QString kPricesExcludingVat = QStringLiteral("exkl. moms");
inline const QString kPricesIncludingVat = QStringLiteral("inkl. moms");

bool readCompanyDetails(CompanyDetails* details, QString* error);

// Replaces the file whole; a value is kept to one line, so no line can shift the ones after it.
bool writeCompanyDetails(const CompanyDetails& details, QString* error);

} // namespace data
