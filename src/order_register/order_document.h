#pragma once

#include "data/order_line.h"

#include <QString>
#include <QStringList>
#include <QVector>

// The purchase order as a printable document (HTML for QTextDocument): the shop's order number and
// date, seller, customer, supplier, status, the lines with their totals and the order total.
// `values` are the ten values of the order data file.
QString orderDocumentHtml(const QStringList& values, const QVector<data::OrderLine>& lines);
