#pragma once

#include "journal.h"

#include <QString>
#include <QStringList>
#include <random>

namespace stress {

// Works the order files the way the order windows do, through the same data functions, and
// journals each step. A worker started again with the same ID goes on from its journal: it takes
// new numbers after the ones it used and may void orders saved in an earlier run.
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
    bool voidEarlierOrder();
    bool journal(const QString& line);
    bool journalFailure(const QString& line, const QString& error);
    int random(int from, int to);

    QString m_folder;
    int m_id;
    std::mt19937 m_random;
    Journal m_journal;
    int m_nextCounter = 0;
    // Orders saved exactly once, and known to be, so one void takes their only list line.
    QStringList m_voidable;
    int m_lines = 0; // of the order being entered
    bool m_lineFailed = false;
    int m_saves = 0;
    bool m_saveFailed = false;
    int m_ordersStarted = 0;
    int m_failedSteps = 0;
};

} // namespace stress
