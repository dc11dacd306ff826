#pragma once

#include "data/order_line.h"

#include <QStringList>
#include <QVector>

class QWidget;

// Shows a saved order, the ten values of its data file and its lines, in a print preview over
// `parent`, from which the clerk prints it. The order goes by `number`, the entry it is listed
// under, whatever line 5 of a copied or restored data file says.
void previewOrder(QWidget* parent, const QString& number, QStringList values, const QVector<data::OrderLine>& lines);

// The preview's title and the notices that come with it; "%1" stands for the order number in the
// title and for the reason in the notices. The language gives its own words.
struct PreviewTexts
{
    QString title = QStringLiteral("Inköpsorder %1");
    QString statusNotChanged = QStringLiteral("Ordern är utskriven, men dess status kunde inte ändras.\r\n\r\n%1");
    QString noCompanyDetails =
        QStringLiteral("Företagsuppgifterna kunde inte läsas och saknas på utskriften.\r\n\r\n%1");
    QString noPrintSupport =
        QStringLiteral("Utskriften kan inte visas: programmets utskriftsdel kunde inte läsas in.\r\n\r\n%1");
};
PreviewTexts& previewTexts();
