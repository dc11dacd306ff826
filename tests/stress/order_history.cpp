#include "order_history.h"

#include "stress_records.h"

#include <QFile>
#include <algorithm>

namespace stress {

namespace {
// Each choice after the step; choices that come out alike are kept once.
template <typename T, typename Step> QList<T> applied(const QList<T>& choices, Step step)
{
    QList<T> after;
    for (T choice : choices) {
        step(choice);
        if (!after.contains(choice))
            after << choice;
    }
    return after;
}

template <typename T> QList<T> either(QList<T> choices, const QList<T>& more)
{
    for (const T& choice : more) {
        if (!choices.contains(choice))
            choices << choice;
    }
    return choices;
}
} // namespace

void OrderHistory::readJournal(const QString& path, const QString& shownName)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_problems << QStringLiteral("%1: cannot be read").arg(shownName);
        return;
    }
    const QList<QByteArray> lines = file.readAll().split('\n');
    // The last piece is empty when the journal ends in a line end, unfinished otherwise.
    for (qsizetype i = 0; i + 1 < lines.size(); ++i)
        add(lines.at(i), QStringLiteral("%1 line %2").arg(shownName).arg(i + 1));
}

void OrderHistory::add(const QByteArray& line, const QString& where)
{
    const QList<QByteArray> words = line.split(' ');
    const QByteArray verb = words.value(0);
    const QString number = QString::fromLatin1(words.value(1));
    const auto unreadable = [&] {
        m_problems << QStringLiteral("%1: cannot read \"%2\"").arg(where, QString::fromUtf8(line));
    };
    if (words.size() < 2 || !isDriverOrderNumber(number))
        return unreadable();
    if (verb == "start") {
        if (m_orders.contains(number))
            m_problems << QStringLiteral("%1: order %2 started twice").arg(where, number);
        m_orders[number];
        return;
    }
    if (!m_orders.contains(number)) {
        m_problems << QStringLiteral("%1: order %2 was never started").arg(where, number);
        return;
    }
    OrderState& order = m_orders[number];
    if (verb.endsWith("-failed")) {
        m_failures << QStringLiteral("%1: %2").arg(where, QString::fromUtf8(line));
        order.stepOpen = false;
        order.stepFailed = true;
    }
    // ROW K V of a line step; the status serial S sits where ROW does.
    bool rowOk = false, indexOk = false, versionOk = false;
    const int row = words.value(2).toInt(&rowOk);
    const int index = words.value(3).toInt(&indexOk);
    const int version = words.value(4).toInt(&versionOk);
    const bool lineStep = rowOk && indexOk && versionOk && words.size() == 5;
    // A step's start widens the choices by what it does; its done line narrows them to just that.
    const auto begin = [&](auto basketStep, auto statusStep) {
        order.basketsBefore = order.baskets;
        order.statusesBefore = order.statuses;
        order.baskets = either(order.baskets, applied(order.baskets, basketStep));
        order.statuses = either(order.statuses, applied(order.statuses, statusStep));
        order.stepOpen = true;
    };
    const auto finish = [&](auto basketStep, auto statusStep) {
        if (!order.stepOpen)
            m_problems << QStringLiteral("%1: order %2 finished a step it had not started").arg(where, number);
        order.baskets = applied(order.basketsBefore, basketStep);
        order.statuses = applied(order.statusesBefore, statusStep);
        order.stepOpen = false;
    };
    const auto sameBasket = [](Basket&) {};
    const auto sameStatus = [](QString&) {};
    // The driver changes and removes lines only in orders whose files it knows, so the row holds the
    // line it names in every choice.
    const auto change = [&](Basket& basket) {
        if (row < basket.size())
            basket[row] = BasketLine(index, version);
    };
    const auto remove = [&](Basket& basket) {
        if (row < basket.size())
            basket.removeAt(row);
    };
    const QString saved = order.statusToSave();
    const auto save = [&](QString& status) { status = saved; };
    const QString picked = pickedStatus(row);
    const auto pick = [&](QString& status) {
        if (!status.isNull()) // no data file to write it into
            status = picked;
    };

    if (verb == "line" || verb == "line-failed") {
        // K sits where ROW does. An append is journaled once done: a failed one may have left its
        // record all the same.
        if (!rowOk)
            return unreadable();
        if (row != order.linesAdded)
            m_problems << QStringLiteral("%1: line %2 of order %3 follows %4 lines")
                              .arg(where)
                              .arg(row)
                              .arg(number)
                              .arg(order.linesAdded);
        const auto append = [&](Basket& basket) { basket << BasketLine(row, 0); };
        if (verb == "line-failed") {
            order.baskets = either(order.baskets, applied(order.baskets, append));
            return;
        }
        order.baskets = applied(order.baskets, append);
        append(order.basket);
        ++order.linesAdded;
    } else if (verb == "saving") {
        ++order.savesStarted;
        begin(sameBasket, save);
    } else if (verb == "saved") {
        finish(sameBasket, save);
        order.status = saved;
        ++order.savesDone;
    } else if (verb == "voiding") {
        order.voidStarted = true;
    } else if (verb == "voided" || verb == "voided-unlisted") {
        order.voided = true;
        order.voidFoundNoEntry = verb == "voided-unlisted";
    } else if ((verb == "changing" || verb == "changed") && lineStep) {
        if (verb == "changing")
            return begin(change, sameStatus);
        // Deliveries name a line by its article number: the line must keep it.
        if (std::any_of(order.arrivals.cbegin(), order.arrivals.cend(), [&](const Arrival& a) { return a.row == row; }))
            m_problems
                << QStringLiteral("%1: order %2 changed line %3, which has deliveries").arg(where, number).arg(row);
        finish(change, sameStatus);
        change(order.basket);
    } else if ((verb == "removing" || verb == "removed") && lineStep) {
        if (verb == "removing")
            return begin(remove, sameStatus);
        // Deliveries name lines by position: none may go once there are any.
        if (!order.arrivals.isEmpty())
            m_problems
                << QStringLiteral("%1: order %2 removed line %3 despite its deliveries").arg(where, number).arg(row);
        finish(remove, sameStatus);
        remove(order.basket);
    } else if (verb == "change-refused" || verb == "remove-refused") {
        finish(sameBasket, sameStatus);
    } else if (verb == "delivering" && words.size() >= 4) {
        // delivering NR DATE POSITION:QUANTITY...
        const QString date = QString::fromLatin1(words.at(2));
        order.arriving.clear();
        order.deliveryOpen.clear();
        for (qsizetype i = 3; i < words.size(); ++i) {
            const QList<QByteArray> parts = words.at(i).split(':');
            bool positionOk = false;
            const int position = parts.value(0).toInt(&positionOk);
            const QString quantity = QString::fromLatin1(parts.value(1));
            if (parts.size() != 2 || !positionOk || position < 1 || position > order.basket.size() ||
                (tenths(quantity) <= 0 && quantity != QLatin1String("levererad") &&
                 quantity != QLatin1String("avslutad")))
                return unreadable();
            const BasketLine& line = order.basket.at(position - 1);
            order.arriving << Arrival{date, position - 1, quantity};
            order.deliveryOpen +=
                deliveryRecordBytes(date, position, orderLine(number, line.first, line.second).articleNumber, quantity);
        }
        const QString after = deliveryStatus(order.nothingToCome(number, order.arrivals + order.arriving));
        begin(sameBasket, [&](QString& status) {
            if (!status.isNull())
                status = after;
        });
        order.deliveryFilesBefore = order.deliveryFiles;
        order.deliveryFiles = either(
            order.deliveryFiles, applied(order.deliveryFiles, [&](QByteArray& file) { file += order.deliveryOpen; }));
    } else if (verb == "delivered" && words.size() == 2) {
        if (order.deliveryOpen.isEmpty())
            m_problems << QStringLiteral("%1: order %2 finished a delivery it had not started").arg(where, number);
        const QString after = deliveryStatus(order.nothingToCome(number, order.arrivals + order.arriving));
        finish(sameBasket, [&](QString& status) {
            if (!status.isNull())
                status = after;
        });
        order.deliveryFiles = applied(order.deliveryFilesBefore, [&](QByteArray& file) { file += order.deliveryOpen; });
        order.arrivals += order.arriving;
        order.arriving.clear();
        order.deliveryOpen.clear();
        order.status = after;
        order.statusPicked = true;
    } else if ((verb == "writing-status" || verb == "status-written") && rowOk && words.size() == 3) {
        if (verb == "writing-status")
            return begin(sameBasket, pick);
        finish(sameBasket, pick);
        order.status = picked;
        order.statusPicked = true;
    } else if (verb == "reopening" && words.size() == 2) {
        begin(sameBasket, sameStatus); // reads only
    } else if (verb == "reopened" && words.size() == 2) {
        finish(sameBasket, sameStatus);
    } else if (!verb.endsWith("-failed")) {
        unreadable();
    }
}

} // namespace stress
