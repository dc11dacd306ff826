#pragma once

#include "data/file_stamp.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <atomic>
#include <functional>
#include <optional>

namespace data {

// The stamps of an order's two files as they stood when its summary was read.
struct OrderStamps
{
    FileStamp data;
    FileStamp basket;

    bool operator==(const OrderStamps& other) const { return data == other.data && basket == other.basket; }
    bool operator!=(const OrderStamps& other) const { return !(*this == other); }
};

// What the order register shows of an order beside its number, from its data and basket files.
struct OrderSummary
{
    QString number;   // the order list entry
    QString date;     // line 6
    QString customer; // customer number and name, "K-1007 Åsa Öberg"
    QString supplier; // the supplier's name, or its number when the name is empty
    QString status;   // line 8
    // The sum of the lines that have a price and a quantity; none when the basket cannot be read.
    std::optional<double> amount;
    int linesLeftOut = 0;
    // Why the order's files cannot be read whole, in a few words; empty when they can.
    QString problem;
    OrderStamps stamps;
    // When the reading began (steady clock): of two summaries of one order, the later one holds.
    qint64 readAt = 0;
};

OrderSummary readOrderSummary(const QString& entry);

// Reads the summaries of those `numbers` whose files no longer stand as `known` says (the stamps
// of the same position; an entry without known stamps is always read), by `threads` threads at
// once, the earlier entries first. Batches go to `deliver` from the reading threads as they are
// read; `cancel` stops the reading early.
void readOrderSummaries(const QStringList& numbers, const QVector<OrderStamps>& known, const std::atomic_bool& cancel,
                        const std::function<void(QVector<OrderSummary>)>& deliver, int threads = 1);

} // namespace data
