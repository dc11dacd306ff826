#pragma once

#include <QObject>
#include <QStringList>
#include <QVector>
#include <atomic>
#include <memory>

class QThread;

// Reads the orders' data files for a search on a thread of its own, so that the window stays
// responsive over a hundred thousand orders. A new search cancels the one running; only the
// newest one reports.
class OrderSearchRunner : public QObject
{
    Q_OBJECT

public:
    explicit OrderSearchRunner(QObject* parent = nullptr);
    ~OrderSearchRunner() override;

    void start(const QStringList& entries, const QString& term);
    void cancel();
    bool isRunning() const { return m_current != nullptr; }

Q_SIGNALS:
    void progress(int done, int total);
    // The positions in `entries` of the orders found.
    void finished(const QVector<int>& rows);

private:
    struct Run
    {
        std::atomic_bool cancelled{false};
    };

    std::shared_ptr<Run> m_current;
    QVector<QThread*> m_threads;
};
