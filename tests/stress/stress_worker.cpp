#include "stress_worker.h"

#include "data/app_folder.h"
#include "data/order_delivery.h"
#include "data/order_files.h"
#include "data/order_void.h"
#include "stress_records.h"

#include <QDir>
#include <QFile>
#include <algorithm>

namespace stress {

namespace {
QString journalPath(const QString& folder, int id)
{
    return QDir(folder).filePath(QStringLiteral("journal-%1.txt").arg(id));
}

QString lineStep(const QString& number, int row, const BasketLine& line)
{
    return QStringLiteral("%1 %2 %3 %4").arg(number).arg(row).arg(line.first).arg(line.second);
}
} // namespace

StressWorker::StressWorker(const QString& folder, int id, quint32 seed)
    : m_folder(folder), m_id(id), m_random(seed), m_journal(journalPath(folder, id))
{
    data::setApplicationFolder(folder);
    resume();
}

void StressWorker::resume()
{
    if (QFile::exists(journalPath(m_folder, m_id)))
        m_history.readJournal(journalPath(m_folder, m_id), QString());
    const QString prefix = QString::number(m_id);
    for (auto it = m_history.orders().cbegin(); it != m_history.orders().cend(); ++it) {
        const QString& number = it.key();
        if (number.size() == prefix.size() + kCounterDigits && number.startsWith(prefix))
            m_nextCounter = qMax(m_nextCounter, number.right(kCounterDigits).toInt() + 1);
    }
    if (m_nextCounter > 0)
        m_lastOfEarlierRun = orderNumber(m_id, m_nextCounter - 1);
}

bool StressWorker::run(int iterations)
{
    if (!m_journal.isOpen())
        return false;
    for (int i = 0; i < iterations && m_nextCounter < kCounterLimit; ++i) {
        if (!order())
            return false;
    }
    return true;
}

bool StressWorker::order()
{
    const QString number = orderNumber(m_id, m_nextCounter++);
    ++m_ordersStarted;
    if (!journal(QStringLiteral("start ") + number))
        return false;
    if (!addLines(number, random(0, 5)) || !save(number))
        return false;
    if (random(1, 10) <= 3 && (!addLines(number, random(1, 3)) || !save(number)))
        return false;
    // Then the clerk works on this order or on one saved earlier.
    for (int steps = random(0, 3); steps > 0; --steps) {
        const QString target = random(0, 1) ? number : earlierOrder();
        if (target.isEmpty() || !state(target).settled())
            continue;
        const int kind = random(1, 5);
        if (!(kind == 1   ? changeLine(target)
              : kind == 2 ? removeLine(target)
              : kind == 3 ? writeStatus(target)
              : kind == 4 ? reopen(target)
                          : deliver(target)))
            return false;
    }
    const QString earlier = earlierOrder();
    return earlier.isEmpty() || random(1, 10) > 3 || voidOrder(earlier);
}

QString StressWorker::earlierOrder()
{
    QStringList numbers;
    for (auto it = m_history.orders().cbegin(); it != m_history.orders().cend(); ++it) {
        const OrderState& order = it.value();
        if (it.key() != m_lastOfEarlierRun && order.settled() && order.savesDone > 0 && !order.voidStarted)
            numbers << it.key();
    }
    return numbers.isEmpty() ? QString() : numbers.at(random(0, int(numbers.size()) - 1));
}

bool StressWorker::addLines(const QString& number, int count)
{
    // After a failed append the basket may not hold what the next index expects; the clerk
    // would look at the order again before adding more.
    for (int i = 0; i < count && state(number).settled(); ++i) {
        QString error;
        const int index = state(number).linesAdded;
        const QString step = QStringLiteral("%1 %2").arg(number).arg(index);
        if (data::appendOrderLine(number, orderLine(number, index), &error)) {
            if (!journal(QStringLiteral("line ") + step))
                return false;
        } else if (!journalFailure(QStringLiteral("line-failed ") + step, error)) {
            return false;
        }
    }
    return true;
}

bool StressWorker::save(const QString& number)
{
    const QString status = state(number).statusToSave();
    if (!journal(QStringLiteral("saving ") + number))
        return false;
    QString error;
    if (data::writeOrderData(number, orderValues(number, status), &error) && data::listOrderOnce(number, &error))
        return journal(QStringLiteral("saved ") + number);
    return journalFailure(QStringLiteral("save-failed ") + number, error);
}

bool StressWorker::changeLine(const QString& number)
{
    const Basket basket = state(number).basket;
    if (basket.isEmpty())
        return true;
    const int row = random(0, int(basket.size()) - 1);
    const BasketLine line = basket.at(row);
    const QString step = lineStep(number, row, BasketLine(line.first, line.second + 1));
    if (!journal(QStringLiteral("changing ") + step))
        return false;
    // A line with deliveries keeps its article number, so the change is refused.
    const QList<Arrival>& arrivals = state(number).arrivals;
    const bool refused =
        std::any_of(arrivals.cbegin(), arrivals.cend(), [&](const Arrival& a) { return a.row == row; });
    QString error;
    if (data::replaceOrderLine(number, row, orderLine(number, line.first, line.second),
                               orderLine(number, line.first, line.second + 1), &error))
        return journal(QStringLiteral("changed ") + step);
    if (refused)
        return journalRefusal(QStringLiteral("change-refused ") + number, error);
    return journalFailure(QStringLiteral("change-failed ") + number, error);
}

bool StressWorker::removeLine(const QString& number)
{
    const Basket basket = state(number).basket;
    if (basket.isEmpty())
        return true;
    const int row = random(0, int(basket.size()) - 1);
    const QString step = lineStep(number, row, basket.at(row));
    if (!journal(QStringLiteral("removing ") + step))
        return false;
    QString error;
    if (data::removeOrderLine(number, row, orderLine(number, basket.at(row).first, basket.at(row).second), &error))
        return journal(QStringLiteral("removed ") + step);
    // Deliveries name lines by position, so none may go once there are any.
    if (!state(number).arrivals.isEmpty())
        return journalRefusal(QStringLiteral("remove-refused ") + number, error);
    return journalFailure(QStringLiteral("remove-failed ") + number, error);
}

bool StressWorker::writeStatus(const QString& number)
{
    const int serial = random(1, 9);
    const QString step = QStringLiteral("%1 %2").arg(number).arg(serial);
    if (!journal(QStringLiteral("writing-status ") + step))
        return false;
    QString error;
    if (data::writeOrderStatus(number, pickedStatus(serial), &error))
        return journal(QStringLiteral("status-written ") + step);
    return journalFailure(QStringLiteral("status-failed ") + number, error);
}

bool StressWorker::reopen(const QString& number)
{
    if (!journal(QStringLiteral("reopening ") + number))
        return false;
    // The window shows what it reads; it must be what was last written.
    QStringList values;
    QVector<data::OrderLine> lines;
    QString error;
    if (!data::readOrderData(number, &values, &error) || !data::readOrderBasket(number, &lines, &error))
        return journalFailure(QStringLiteral("reopen-failed ") + number, error);
    QVector<data::DeliveryRecord> records;
    if (!data::readDeliveries(number, &records, &error))
        return journalFailure(QStringLiteral("reopen-failed ") + number, error);
    const Basket& basket = state(number).basket;
    QVector<data::OrderLine> written;
    for (const BasketLine& line : basket)
        written << orderLine(number, line.first, line.second);
    QVector<data::DeliveryRecord> delivered;
    for (const Arrival& a : state(number).arrivals)
        delivered.append({a.date, a.row + 1, written.value(a.row).articleNumber, a.quantity});
    if (values != orderValues(number, state(number).status) || lines != written || records != delivered)
        return journalFailure(QStringLiteral("reopen-failed ") + number,
                              QStringLiteral("read other values, lines or deliveries than were written"));
    return journal(QStringLiteral("reopened ") + number) && save(number);
}

bool StressWorker::deliver(const QString& number)
{
    const OrderState& order = state(number);
    QList<int> open;
    for (int row = 0; row < order.basket.size(); ++row) {
        if (order.stillToCome(number, row, order.arrivals) > 0)
            open << row;
    }
    if (open.isEmpty())
        return true;
    const bool closing = random(1, 4) == 1;
    // A few of the lines still open, in the basket's order.
    for (int drop = closing ? 0 : random(0, int(open.size()) - 1); drop > 0; --drop)
        open.removeAt(random(0, int(open.size()) - 1));
    const QString date = QStringLiteral("2007-06-%1").arg(random(1, 28), 2, 10, QLatin1Char('0'));
    QString step = number + QLatin1Char(' ') + date;
    QVector<data::DeliveryRecord> records;
    for (int row : open) {
        const int rest = order.stillToCome(number, row, order.arrivals);
        const data::OrderLine line = orderLine(number, order.basket.at(row).first, order.basket.at(row).second);
        const QString quantity = closing                     ? QStringLiteral("avslutad")
                                 : tenths(line.quantity) < 0 ? QStringLiteral("levererad")
                                 : random(0, 1)              ? tenthsText(rest)
                                                             : tenthsText(random(1, rest));
        records.append({date, row + 1, line.articleNumber, quantity});
        step += QStringLiteral(" %1:%2").arg(row + 1).arg(quantity);
    }
    if (!journal(QStringLiteral("delivering ") + step))
        return false;
    // Whether the status followed is for the checker to see in the data file.
    QString status, note, error;
    if (!data::recordDelivery(number, records, &status, &note, &error))
        return journalFailure(QStringLiteral("deliver-failed ") + number, error);
    return journal(QStringLiteral("delivered ") + number);
}

bool StressWorker::voidOrder(const QString& number)
{
    if (!journal(QStringLiteral("voiding ") + number))
        return false;
    data::VoidOutcome outcome;
    QString error;
    if (!data::voidOrder(number, 0, &outcome, &error))
        return journalFailure(QStringLiteral("void-failed ") + number, error);
    return journal((outcome.removedFromList ? QStringLiteral("voided ") : QStringLiteral("voided-unlisted ")) + number);
}

bool StressWorker::journal(const QString& line)
{
    if (!m_journal.append(line.toUtf8()))
        return false;
    m_history.add(line.toUtf8(), QString());
    return true;
}

bool StressWorker::journalFailure(const QString& line, const QString& error)
{
    ++m_failedSteps;
    return journalRefusal(line, error);
}

bool StressWorker::journalRefusal(const QString& line, const QString& error)
{
    QString text = error;
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return journal(line + QLatin1Char(' ') + text);
}

int StressWorker::random(int from, int to)
{
    return std::uniform_int_distribution<int>(from, to)(m_random);
}

} // namespace stress
