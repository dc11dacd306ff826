#include "stress_worker.h"

#include "data/app_folder.h"
#include "data/order_files.h"
#include "data/order_void.h"
#include "stress_records.h"

#include <QDir>
#include <QFile>

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
        const int kind = random(1, 4);
        if (!(kind == 1   ? changeLine(target)
              : kind == 2 ? removeLine(target)
              : kind == 3 ? writeStatus(target)
                          : reopen(target)))
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
    QString error;
    if (data::replaceOrderLine(number, row, orderLine(number, line.first, line.second),
                               orderLine(number, line.first, line.second + 1), &error))
        return journal(QStringLiteral("changed ") + step);
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
    QVector<data::OrderLine> written;
    for (const BasketLine& line : state(number).basket)
        written << orderLine(number, line.first, line.second);
    if (values != orderValues(number, state(number).status) || lines != written)
        return journalFailure(QStringLiteral("reopen-failed ") + number,
                              QStringLiteral("read other values or lines than were written"));
    return journal(QStringLiteral("reopened ") + number) && save(number);
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
    QString text = error;
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return journal(line + QLatin1Char(' ') + text);
}

int StressWorker::random(int from, int to)
{
    return std::uniform_int_distribution<int>(from, to)(m_random);
}

} // namespace stress
