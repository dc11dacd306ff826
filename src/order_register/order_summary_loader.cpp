#include "order_register/order_summary_loader.h"

#include <QThread>

OrderSummaryLoader::OrderSummaryLoader(QObject* parent) : QObject(parent) {}

OrderSummaryLoader::~OrderSummaryLoader()
{
    cancel();
    // The threads read files of the application folder, which must not go away under them.
    for (QThread* thread : m_threads) {
        thread->wait();
        delete thread;
    }
}

void OrderSummaryLoader::cancel()
{
    if (m_current)
        m_current->cancelled = true;
    m_current.reset();
}

void OrderSummaryLoader::start(const QStringList& numbers, const QVector<data::OrderStamps>& known)
{
    cancel();
    auto run = std::make_shared<Run>();
    m_current = run;
    QThread* thread = QThread::create([this, run, numbers, known] {
        data::readOrderSummaries(
            numbers, known, run->cancelled,
            [this](QVector<data::OrderSummary> summaries) {
                // Queued to the window's thread, where a newer reading of an order wins.
                QMetaObject::invokeMethod(this, [this, summaries = std::move(summaries)] { Q_EMIT read(summaries); });
            },
            QThread::idealThreadCount());
        QMetaObject::invokeMethod(this, [this, run] {
            if (m_current != run)
                return;
            m_current.reset();
            Q_EMIT finished();
        });
    });
    m_threads.append(thread);
    connect(thread, &QThread::finished, this, [this, thread] {
        m_threads.removeOne(thread);
        thread->deleteLater();
    });
    thread->start(QThread::LowPriority);
}
