#pragma once

#include "journal.h"
#include "order_history.h"

#include <QString>
#include <QStringList>
#include <random>

namespace stress {

// Works the order files the way the order windows do, through the same data functions, and
// journals each step. A worker started again with the same ID goes on from its journal: it takes
// new numbers after the ones it used and may change, reopen or void orders saved in an earlier run.
class StressWorker
{
public:
    StressWorker(const QString& folder, int id, quint32 seed);

    // False when the journal cannot be written: without it nothing can be checked.
    bool run(int iterations);
    int ordersStarted() const { return m_ordersStarted; }
    int failedSteps() const { return m_failedSteps; }

private:
    void resume();
    bool order();
    bool addLines(const QString& number, int count);
    bool save(const QString& number);
    bool changeLine(const QString& number);
    bool removeLine(const QString& number);
    bool writeStatus(const QString& number);
    bool reopen(const QString& number);
    // Receives part of a few lines, or closes what is still to come, as the delivery dialog does.
    bool deliver(const QString& number);
    bool voidOrder(const QString& number);
    // One of this worker's saved orders whose files it knows exactly, at random; empty when none.
    QString earlierOrder();
    const OrderState& state(const QString& number) const { return *m_history.orders().constFind(number); }
    bool journal(const QString& line);
    bool journalFailure(const QString& line, const QString& error);
    // A step the program rightly turned down: the files are as before and the order stays known.
    bool journalRefusal(const QString& line, const QString& error);
    int random(int from, int to);

    QString m_folder;
    int m_id;
    std::mt19937 m_random;
    Journal m_journal;
    // Every line journaled, so the worker knows each order's lines as the checker will.
    OrderHistory m_history;
    int m_nextCounter = 0;
    // The order an earlier run was working on when it ended: it may hold an append never journaled.
    QString m_lastOfEarlierRun;
    int m_ordersStarted = 0;
    int m_failedSteps = 0;
};

} // namespace stress
