#pragma once

#include "data/order_line.h"

#include <QString>
#include <QStringList>
#include <QVector>

namespace data {

constexpr int kOrderDataLines = 10;

// Where each value stands among the lines of an order's data file.
struct OrderDataLine
{
    enum : int {
        CustomerNumber,
        CustomerName,
        AreaCode,
        Telephone,
        OrderNumber,
        OrderDate,
        Seller,
        Status,
        SupplierNumber,
        SupplierName
    };
};

QString orderListPath();
QString orderDataPath(const QString& orderNumber);
QString orderBasketPath(const QString& orderNumber);

// An order list entry is used as a file name only when it is a plain name; one with a path
// separator, a drive colon or ".." would reach files outside the order folder.
bool isPlainOrderName(const QString& entry);

// The ten values of the order data file: customer number, name, area code, telephone number,
// order number, order date, seller, status, supplier number, supplier name.
bool writeOrderData(const QString& orderNumber, const QStringList& values, QString* error);
bool readOrderData(const QString& orderNumber, QStringList* values, QString* error);

// One line per saved order; a missing list file is an empty list. An order is listed once: when the
// list names it already, nothing is written.
bool listOrderOnce(const QString& orderNumber, QString* error);
bool readOrderList(QStringList* entries, QString* error);

// Writers refuse a field holding a double quote or a line break, which the record form cannot hold.
bool appendOrderLine(const QString& orderNumber, const OrderLine& line, QString* error);
// Several lines with one write, all or none: a copied order gets its lines as if added one by one.
bool appendOrderLines(const QString& orderNumber, const QVector<OrderLine>& lines, QString* error);
// An order saved without lines has no basket file: that reads as no lines, not as an error.
bool readOrderBasket(const QString& orderNumber, QVector<OrderLine>* lines, QString* error);
// The lines of the text of the basket file at `path`, as readOrderBasket gives them.
bool orderBasketLines(const QString& text, const QString& path, QVector<OrderLine>* lines, QString* error);

// Changes or removes the line at `row` of an order's basket, rows counted as readOrderBasket gives
// them. `expected` is the line as the window shows it: when the file no longer holds it at that row
// (changed elsewhere), nothing is written. The file is replaced whole; every other record keeps
// its bytes.
bool replaceOrderLine(const QString& orderNumber, int row, const OrderLine& expected, const OrderLine& line,
                      QString* error);
bool removeOrderLine(const QString& orderNumber, int row, const OrderLine& expected, QString* error);

// Replaces line 8, the status, of a saved order's data file; the other lines keep their bytes.
bool writeOrderStatus(const QString& orderNumber, const QString& status, QString* error);

} // namespace data
