#include "stress_worker.h"

#include "data/app_folder.h"
#include "data/order_files.h"
#include "data/order_void.h"
#include "order_history.h"
#include "stress_records.h"

#include <QDir>
#include <QFile>

namespace stress {

namespace {
QString journalPath(const QString& folder, int id)
{
    return QDir(folder).filePath(QStringLiteral("journal-%1.txt").arg(id));
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
    OrderHistory history;
    if (QFile::exists(journalPath(m_folder, m_id)))
        history.readJournal(journalPath(m_folder, m_id), QString());
    const QString prefix = QString::number(m_id);
    for (auto it = history.orders().cbegin(); it != history.orders().cend(); ++it) {
        const QString& number = it.key();
        if (number.size() != prefix.size() + kCounterDigits || !number.startsWith(prefix))
            continue;
        m_nextCounter = qMax(m_nextCounter, number.right(kCounterDigits).toInt() + 1);
        const OrderState& state = it.value();
        if (state.savesStarted == 1 && state.savesDone == 1 && !state.voidStarted)
            m_voidable << number;
    }
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
    m_lines = 0;
    m_lineFailed = false;
    m_saves = 0;
    m_saveFailed = false;
    if (!journal(QStringLiteral("start ") + number))
        return false;
    if (!addLines(number, random(0, 5)) || !save(number))
        return false;
    if (random(1, 10) <= 3 && (!addLines(number, random(1, 3)) || !save(number)))
        return false;
    if (random(1, 10) <= 3 && !m_voidable.isEmpty() && !voidEarlierOrder())
        return false;
    if (m_saves == 1 && !m_saveFailed)
        m_voidable << number;
    return true;
}

bool StressWorker::addLines(const QString& number, int count)
{
    // After a failed append the basket may not hold what the next index expects; the clerk
    // would look at the order again before adding more.
    for (int i = 0; i < count && !m_lineFailed; ++i) {
        QString error;
        const QString step = QStringLiteral("%1 %2").arg(number).arg(m_lines);
        if (data::appendOrderLine(number, orderLine(number, m_lines), &error)) {
            ++m_lines;
            if (!journal(QStringLiteral("line ") + step))
                return false;
        } else {
            m_lineFailed = true;
            if (!journalFailure(QStringLiteral("line-failed ") + step, error))
                return false;
        }
    }
    return true;
}

bool StressWorker::save(const QString& number)
{
    if (!journal(QStringLiteral("saving ") + number))
        return false;
    QString error;
    if (data::writeOrderData(number, orderValues(number, m_lines), &error) && data::listOrderOnce(number, &error)) {
        ++m_saves;
        return journal(QStringLiteral("saved ") + number);
    }
    m_saveFailed = true;
    return journalFailure(QStringLiteral("save-failed ") + number, error);
}

bool StressWorker::voidEarlierOrder()
{
    const QString number = m_voidable.takeAt(random(0, int(m_voidable.size()) - 1));
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
    return m_journal.append(line.toUtf8());
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
