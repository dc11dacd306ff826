#pragma once

#include "stress_records.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

namespace stress {

// A basket line: its index (from 0, in the order lines were added) and how often it was changed.
using BasketLine = QPair<int, int>;
using Basket = QList<BasketLine>;

// A delivery record as the driver wrote it: the basket row (from 0) and the quantity text.
struct Arrival
{
    QString date;
    int row = 0;
    QString quantity;
    bool operator==(const Arrival& other) const
    {
        return date == other.date && row == other.row && quantity == other.quantity;
    }
};

// What the journals say happened to one order.
struct OrderState
{
    // As the driver knows it: every step that returned true.
    Basket basket;
    QString status; // line 8 of the data file; null before the first save
    bool statusPicked = false;
    int linesAdded = 0; // appends that returned true
    int savesStarted = 0;
    int savesDone = 0;       // both the data file and the list line written
    QList<Arrival> arrivals; // deliveries recorded, in the order written
    bool voidStarted = false;
    bool voided = false;
    bool voidFoundNoEntry = false; // voiding returned true but the list no longer named the order
    bool stepOpen = false;         // a step was started and not finished: the driver was killed in it
    bool stepFailed = false;       // a step returned false and may have been done in part

    // What the files may hold: more than one choice once a step was started and not finished.
    QList<Basket> baskets{Basket()};
    QStringList statuses{QString()}; // null: no data file
    // The choices before the step now open, which its done line is taken from.
    QList<Basket> basketsBefore;
    QStringList statusesBefore;
    // The delivery file's whole records (missing is empty), and while a delivery is open, what its
    // one write adds: a kill may cut that write, leaving part of its first record.
    QList<QByteArray> deliveryFiles{QByteArray()};
    QList<QByteArray> deliveryFilesBefore;
    QByteArray deliveryOpen;
    QList<Arrival> arriving;

    // Whether the driver knows the order's files exactly, so that it may work on them again.
    bool settled() const { return !stepOpen && !stepFailed; }
    // What a save writes on line 8: the status picked, else the line count.
    QString statusToSave() const { return statusPicked ? status : lineCountStatus(int(basket.size())); }

    // What is still to come on basket row `row` after `records`: tenths for a line whose quantity is a
    // number, 1 for a line of text that has not arrived, 0 once nothing is.
    int stillToCome(const QString& number, int row, const QList<Arrival>& records) const
    {
        const int ordered = tenths(orderLine(number, basket.at(row).first, basket.at(row).second).quantity);
        int received = 0;
        for (const Arrival& record : records) {
            if (record.row == row && record.quantity == QLatin1String("avslutad"))
                return 0;
            if (record.row == row)
                received += record.quantity == QLatin1String("levererad") ? 1 : tenths(record.quantity);
        }
        return qMax(0, (ordered < 0 ? 1 : ordered) - received);
    }
    bool nothingToCome(const QString& number, const QList<Arrival>& records) const
    {
        for (int row = 0; row < basket.size(); ++row) {
            if (stillToCome(number, row, records) > 0)
                return false;
        }
        return true;
    }
};

} // namespace stress
