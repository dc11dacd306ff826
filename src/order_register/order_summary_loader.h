#pragma once

#include "data/order_summary.h"

#include <QObject>
#include <QStringList>
#include <QVector>
#include <atomic>
#include <memory>

class QThread;

// Reads the order register's summaries on threads of their own, so that the window stays
// responsive over a hundred thousand orders. A new reading cancels the one running; what a
// cancelled one had read still arrives, since each summary says when it was read.
class OrderSummaryLoader : public QObject
{
    Q_OBJECT

public:
    explicit OrderSummaryLoader(QObject* parent = nullptr);
    ~OrderSummaryLoader() override;

    // Reads the orders among `numbers` whose files no longer have the stamps in `known`.
    void start(const QStringList& numbers, const QVector<data::OrderStamps>& known);
    void cancel();
    bool isRunning() const { return m_current != nullptr; }

Q_SIGNALS:
    void read(const QVector<data::OrderSummary>& summaries);
    void finished();

private:
    struct Run
    {
        std::atomic_bool cancelled{false};
    };

    std::shared_ptr<Run> m_current;
    QVector<QThread*> m_threads;
};
