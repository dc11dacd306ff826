#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace data {

// What an export wrote and what it had to leave out.
struct ExportResult
{
    int orders = 0;      // orders written
    int rows = 0;        // rows below the header
    QStringList skipped; // orders whose files could not be read
    bool cancelled = false;
};

// Told how many of the listed orders are done; returning false stops the export.
using ExportProgress = std::function<bool(int done, int total)>;

// Writes every order of the order list (each once, in list order) to one CSV file that a Swedish
// spreadsheet opens as it is: UTF-8 with a byte-order mark, semicolons, decimal comma, CR LF, one
// row per order line and one row without line fields for an order without lines. Prices, quantities
// and amounts that are numbers are written as numbers, and the status id and its text are columns
// of their own, so that the sheet can sum, sort and filter them. The last two columns say what of
// each line has arrived and what is still to come ("avslutad" for a rest that will not come).
// The file at path is replaced only once everything is written; a cancelled or failed export
// leaves it as it was. False on a failure (*error says why) and on a cancel (result->cancelled,
// *error empty).
bool exportOrders(const QString& path, ExportResult* result, QString* error, const ExportProgress& progress = {});

// One field as the export writes it: quoted, with its quotes doubled, when it holds a semicolon, a
// quote, a line break or blanks at either end.
QString csvField(const QString& value);

// A unit price, quantity or amount as the export writes it: a number as a spreadsheet reads one,
// with a decimal comma and no blanks between thousands ("1 249,00" is 1249,00), anything else as
// csvField writes it.
QString csvNumber(const QString& value);

} // namespace data
