#pragma once

#include "data/order_line.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace stress {

// What the driver writes into the order files. Every value carries the order number (and a line
// its index), so the checker recognises each record and notices one that is cut, merged or moved.

// The driver's ID followed by a five-digit counter: unique per ID as long as IDs have no leading
// zero, and 6 to 12 digits for IDs of up to 7 digits.
constexpr int kCounterDigits = 5;
constexpr int kCounterLimit = 100000;
QString orderNumber(int id, int counter);
bool isDriverOrderNumber(const QString& text);

// Line 8, the status: until one is picked, a save writes the order's line count there, "Rader: 3";
// the status picked the nth time is "n, Skickad till leverantör".
QString lineCountStatus(int lineCount);
QString pickedStatus(int serial);

// Line 8 after a delivery, from the status list the scripts put beside the orders: "4, Delvis levererad"
// while something is still to come, "5, Levererad" once nothing is.
QString deliveryStatus(bool complete);

// The ten order data values of a save with that status.
QStringList orderValues(const QString& orderNumber, const QString& status);
// Line `index` (from 0, in the order lines were added) after it was changed `version` times. Every
// fourth line's quantity is text, which a delivery receives whole.
data::OrderLine orderLine(const QString& orderNumber, int index, int version = 0);

// The bytes those come out as on disk. The letters used (å, ä, ö, Å, Ä, Ö) have the same code in
// Latin-1 and Windows-1252, so the checker needs nothing of the program's own codec.
QByteArray orderDataBytes(const QString& orderNumber, const QString& status);
QByteArray basketRecordBytes(const QString& orderNumber, int index, int version);
// A delivery record: DATE, the line's POSITION (from 1), its ARTICLE number and the QUANTITY text.
QByteArray deliveryRecordBytes(const QString& date, int position, const QString& article, const QString& quantity);

// Delivered quantities are counted in tenths, "1,5" being 15; -1 for what is no such quantity.
int tenths(const QString& quantity);
QString tenthsText(int tenths);

} // namespace stress
