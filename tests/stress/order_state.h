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

// What the journals say happened to one order.
struct OrderState
{
    // As the driver knows it: every step that returned true.
    Basket basket;
    QString status; // line 8 of the data file; null before the first save
    bool statusPicked = false;
    int linesAdded = 0; // appends that returned true
    int savesStarted = 0;
    int savesDone = 0; // both the data file and the list line written
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

    // Whether the driver knows the order's files exactly, so that it may work on them again.
    bool settled() const { return !stepOpen && !stepFailed; }
    // What a save writes on line 8: the status picked, else the line count.
    QString statusToSave() const { return statusPicked ? status : lineCountStatus(int(basket.size())); }
};

} // namespace stress
