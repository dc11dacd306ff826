#pragma once

#include "data/company_details.h"
#include "data/order_line.h"

#include <QRectF>
#include <QStringList>
#include <QVector>

class QPainter;
class QPagedPaintDevice;

// The printout's own words; the language gives its own. Labels are printed with a space before
// their value. In `page` "%1" is the page and "%2" the pages; in `linesLeftOut` "%1" the lines.
struct PrintoutWords
{
    QString title = QStringLiteral("Inköpsorder");
    QString orderNumber = QStringLiteral("Ordernr:");
    QString orderDate = QStringLiteral("Orderdatum:");
    QString page = QStringLiteral("Sida %1 av %2");
    QString buyer = QStringLiteral("Beställare");
    QString supplier = QStringLiteral("Leverantör");
    QString organisationNumber = QStringLiteral("Org.nr");
    QString vatNumber = QStringLiteral("Momsreg.nr");
    QString telephone = QStringLiteral("Telefon");
    QString supplierNumber = QStringLiteral("Leverantörsnr");
    QString deliveryAddress = QStringLiteral("Leveransadress:");
    QString ourReference = QStringLiteral("Vår referens:");
    QString customer = QStringLiteral("Gäller kund:");
    QString pricesExcludeVat = QStringLiteral("Alla priser är exkl. moms.");
    QString pricesIncludeVat = QStringLiteral("Alla priser är inkl. moms.");
    // Artikelnr, Benämning, À-pris, Antal, Enhet, Belopp.
    QStringList headings{QStringLiteral("Artikelnr"), QStringLiteral("Benämning"), QStringLiteral("À-pris"),
                         QStringLiteral("Antal"),     QStringLiteral("Enhet"),     QStringLiteral("Belopp")};
    QString totalExcludeVat = QStringLiteral("Summa exkl. moms:");
    QString totalIncludeVat = QStringLiteral("Summa inkl. moms:");
    QString oneLineLeftOut = QStringLiteral("1 rad utan pris eller antal är inte medräknad.");
    QString linesLeftOut = QStringLiteral("%1 rader utan pris eller antal är inte medräknade.");
};
PrintoutWords& printoutWords();

// The purchase order as a supplier reads it: the buyer's details, the supplier, "Vår referens", the
// order number and date and "Sida x av y" on every page, the column headings on every page, amounts
// the Swedish way across the full page width, and a total that never wraps.
class OrderPrintout
{
public:
    struct Order
    {
        QString number;     // the order list entry the order goes by
        QStringList values; // the ten values of the order data file
        QVector<data::OrderLine> lines;
        data::CompanyDetails company;
    };

    explicit OrderPrintout(Order order);

    // Paints every page on a printer or PDF writer that is set up (page size and margins).
    void print(QPagedPaintDevice* printer) const;

    // How many pages the order takes on pages of this size, painted with this painter's device.
    int pageCount(QPainter* painter, const QRectF& page) const;

private:
    struct Metrics;
    Metrics measure(QPainter* painter, const QRectF& page) const;
    // The first line of each page, and the end.
    QVector<int> pageStarts(const Metrics& metrics) const;
    qreal paintHeader(QPainter* painter, const Metrics& metrics, int page, int pages) const;
    void paintLines(QPainter* painter, const Metrics& metrics, qreal top, int from, int to) const;
    void paintTotal(QPainter* painter, const Metrics& metrics, qreal top) const;

    Order m_order;
};
