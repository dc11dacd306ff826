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

// The ten order data values of a save made when the order had `lineCount` lines.
QStringList orderValues(const QString& orderNumber, int lineCount);
data::OrderLine orderLine(const QString& orderNumber, int index);

// The bytes those come out as on disk. The letters used (å, ä, ö, Å, Ä, Ö) have the same code in
// Latin-1 and Windows-1252, so the checker needs nothing of the program's own codec.
QByteArray orderDataBytes(const QString& orderNumber, int lineCount);
QByteArray basketRecordBytes(const QString& orderNumber, int index);

} // namespace stress
