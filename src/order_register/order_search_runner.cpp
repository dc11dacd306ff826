#include "order_register/order_search_runner.h"

#include "data/order_search.h"

#include <QThread>

OrderSearchRunner::OrderSearchRunner(QObject* parent) : QObject(parent) {}

OrderSearchRunner::~OrderSearchRunner()
{
    cancel();
    // The threads read files of the application folder, which must not go away under them.
    for (QThread* thread : m_threads) {
        thread->wait();
        delete thread;
    }
}

void OrderSearchRunner::cancel()
{
    if (m_current)
        m_current->cancelled = true;
    m_current.reset();
}

void OrderSearchRunner::start(const QStringList& entries, const QString& term)
{
    cancel();
    auto run = std::make_shared<Run>();
    m_current = run;
    const int total = entries.size();
    QThread* thread = QThread::create([this, run, entries, term, total] {
        const QVector<int> rows = data::findOrders(
            entries, term, run->cancelled,
            [this, run, total](int done) {
                // Queued to the window's thread; a cancelled run's late reports are dropped there.
                QMetaObject::invokeMethod(this, [this, run, done, total] {
                    if (m_current == run)
                        Q_EMIT progress(done, total);
                });
            },
            QThread::idealThreadCount());
        QMetaObject::invokeMethod(this, [this, run, rows] {
            if (m_current != run)
                return;
            m_current.reset();
            Q_EMIT finished(rows);
        });
    });
    m_threads.append(thread);
    connect(thread, &QThread::finished, this, [this, thread] {
        m_threads.removeOne(thread);
        thread->deleteLater();
    });
    thread->start(QThread::LowPriority);
}
