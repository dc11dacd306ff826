#pragma once

#include "data/exact_decimal.h"
#include "data/order_line.h"

#include <QString>
#include <QStringList>
#include <QVector>

namespace data {

// "\Order\<nr>.OrderDelivery.log": what arrived against an order, one quoted record per order line
// and delivery, in the order they were recorded. What a line has received is always the sum of its
// records, so the file is the only place it is kept.
QString orderDeliveryPath(const QString& orderNumber);

// What stands in a record's quantity field besides an exact decimal.
inline const QString kWholeLineDelivered = QStringLiteral("levererad"); // a line whose quantity is no number
inline const QString kRestClosed = QStringLiteral("avslutad");          // the rest of the line will not come

struct DeliveryRecord
{
    QString date;          // "YYYY-MM-DD"
    int line = 0;          // the order line's position, counted from 1
    QString articleNumber; // the line's article number when recorded, checked against the basket
    QString quantity;      // an exact decimal, kWholeLineDelivered or kRestClosed

    QStringList fields() const { return {date, QString::number(line), articleNumber, quantity}; }
    bool operator==(const DeliveryRecord& other) const { return fields() == other.fields(); }
};

// Appends the records of one delivery with one write, as a basket line is appended: locked,
// checked, cut back on failure, so a delivery is recorded whole or not at all.
bool appendDeliveries(const QString& orderNumber, const QVector<DeliveryRecord>& records, QString* error);

// No file is no delivery. A damaged record is skipped and reported; the whole ones still count.
bool readDeliveries(const QString& orderNumber, QVector<DeliveryRecord>* records, QString* error);

// Where one order line stands.
struct LineDelivery
{
    bool numeric = false; // the ordered quantity is a number; otherwise the line arrives whole
    ExactDecimal ordered;
    ExactDecimal received;
    bool wholeReceived = false;
    bool closed = false;

    // Nothing more is to come: all of it arrived (more is no matter), or the rest was closed.
    bool done() const { return closed || (numeric ? received >= ordered : wholeReceived); }
    // What is still to come, never below zero.
    ExactDecimal rest() const;
    QString receivedText() const;
    QString restText() const;
};

// Each line's standing from the records. A record naming a line that is not there, or whose article
// number is not the line's, counts for nothing and is named in *ignored.
QVector<LineDelivery> lineDeliveries(const QVector<OrderLine>& lines, const QVector<DeliveryRecord>& records,
                                     QStringList* ignored = nullptr);

// True when every line is done; an order without lines has nothing to come.
bool everythingDelivered(const QVector<LineDelivery>& lines);

// The latest date among the records, empty without any.
QString lastDeliveryDate(const QVector<DeliveryRecord>& records);

// Whether the basket line at `row` (counted from 0) may be removed, or changed into `changed`, now
// that deliveries name lines by position and article number: a removal would move later records onto
// other lines, a new article number would orphan them, and a quantity below what arrived would undo
// it. False with the reason in *error.
bool basketEditAllowed(const QString& orderNumber, int row, const OrderLine* changed, QString* error);

// What the clerk says arrives now on one line: a quantity for a line whose quantity is a number,
// "whole" for one whose quantity is text.
struct ArrivingNow
{
    QString quantity;
    bool whole = false;
};

// One delivery as records dated `date`, from what arrives now on each line; a line with nothing (empty
// or 0) gets no record. *overReceipts gets the lines (counted from 0) where more arrives than is
// still to come, for the clerk to confirm. False with the reason when a quantity is no number or
// below zero, or the date is no date.
bool planDelivery(const QVector<OrderLine>& lines, const QVector<LineDelivery>& standing,
                  const QVector<ArrivingNow>& now, const QString& date, QVector<DeliveryRecord>* records,
                  QVector<int>* overReceipts, QString* error);

// A record closing the rest of each line that is not done yet.
QVector<DeliveryRecord> closingRecords(const QVector<OrderLine>& lines, const QVector<LineDelivery>& standing,
                                       const QString& date);

// Records a delivery (or a closing) and moves the status along from what the file then holds.
// False when nothing was recorded. When it was, but the status could not follow, *statusNote says why.
bool recordDelivery(const QString& orderNumber, const QVector<DeliveryRecord>& records, QString* status,
                    QString* statusNote, QString* error);

// Writes "4, <description>" while something is still to come and "5, <description>" once nothing
// is, the description taken from the status list. *status is what was written. When the list has
// no such id the status is left as it is and *error says so.
bool writeDeliveryStatus(const QString& orderNumber, bool complete, QString* status, QString* error);

} // namespace data
