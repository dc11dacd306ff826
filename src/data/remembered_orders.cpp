#include "data/remembered_orders.h"

#include "data/order_changes.h"
#include "data/order_facts_reader.h"
#include "data/order_files.h"
#include "data/order_void.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QPointer>
#include <QSet>
#include <QThread>
#include <QTimer>

namespace data {

namespace {
// Long enough for another program to finish saving an order, short enough to seem at once.
constexpr int kSettleMs = 500;
// Orders taken in at a time: windows asking meanwhile wait no longer than that takes.
constexpr int kBatch = 256;
} // namespace

RememberedOrders* RememberedOrders::instance()
{
    static QPointer<RememberedOrders> memory;
    if (!memory)
        memory = new RememberedOrders(QCoreApplication::instance());
    return memory;
}

RememberedOrders::RememberedOrders(QObject* parent) : QObject(parent)
{
    m_watcher = new QFileSystemWatcher(this);
    m_settle = new QTimer(this);
    m_settle->setSingleShot(true);
    m_settle->setInterval(kSettleMs);
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, &RememberedOrders::folderChanged);
    connect(m_watcher, &QFileSystemWatcher::fileChanged, this, &RememberedOrders::folderChanged);
    connect(m_settle, &QTimer::timeout, this, &RememberedOrders::readOnThread);
    // A save writes several files, each announced: the order is read once they are all written.
    connect(OrderChanges::instance(), &OrderChanges::orderChanged, this, [this](const QString& number) {
        if (!m_started)
            return;
        if (m_announced.isEmpty())
            QMetaObject::invokeMethod(this, &RememberedOrders::takeAnnounced, Qt::QueuedConnection);
        if (!m_announced.contains(number))
            m_announced.append(number);
    });
}

RememberedOrders::~RememberedOrders()
{
    // The thread reads files of the application folder, which must stay until it is done.
    m_cancel = true;
    if (m_thread) {
        m_thread->wait();
        delete m_thread;
    }
}

void RememberedOrders::start()
{
    if (m_started)
        return;
    m_started = true;
    readOnThread();
}

void RememberedOrders::stop()
{
    m_started = false;
    m_settle->stop();
    if (m_thread) {
        m_cancel = true;
        m_thread->wait();
        delete m_thread;
        m_thread = nullptr;
    }
    m_readAgain = false;
    m_announced.clear();
    const QStringList watched = m_watcher->files() + m_watcher->directories();
    if (!watched.isEmpty())
        m_watcher->removePaths(watched);
    QMutexLocker lock(&m_mutex);
    m_memory.clear();
}

void RememberedOrders::readOnThread()
{
    if (!m_started)
        return;
    if (m_thread) {
        m_readAgain = true;
        return;
    }
    // Watched from before the reading, so that a change while it runs is read again after it.
    watchFolder();
    m_cancel = false;
    const int run = ++m_run;
    m_thread = QThread::create([this] { readChanges(m_cancel); });
    connect(m_thread, &QThread::finished, this, [this, run] { readingEnded(run); });
    m_thread->start(QThread::LowPriority);
}

void RememberedOrders::readingEnded(int run)
{
    // A reading that stop() ended has been waited for and deleted already.
    if (run != m_run || !m_thread)
        return;
    m_thread->wait();
    delete m_thread;
    m_thread = nullptr;
    watchFolder();
    if (m_readAgain) {
        m_readAgain = false;
        readOnThread();
        return;
    }
    Q_EMIT readingDone();
}

void RememberedOrders::watchFolder()
{
    const QString list = orderListPath();
    // A list file replaced by another is a new file to watch; a missing one is seen in the folder.
    for (const QString& path : {QFileInfo(list).absolutePath(), list}) {
        if (QFileInfo::exists(path) && !m_watcher->files().contains(path) && !m_watcher->directories().contains(path))
            m_watcher->addPath(path);
    }
}

void RememberedOrders::folderChanged()
{
    // Changes keep coming while another program saves; the first one starts the wait.
    if (m_started && !m_settle->isActive())
        m_settle->start();
}

void RememberedOrders::takeAnnounced()
{
    const QStringList numbers = std::exchange(m_announced, {});
    for (const QString& number : numbers)
        takeIn(number);
}

void RememberedOrders::takeIn(const QString& number)
{
    const OrderFacts facts = readOrderFacts(number);
    QMutexLocker lock(&m_mutex);
    if (m_firstReading)
        m_changedMeanwhile.insert(number);
    // An order is remembered from its first save; a voided one is forgotten.
    if (facts.saved)
        m_memory.put(facts);
    else
        m_memory.forget(number);
}

void RememberedOrders::readChanges(const std::atomic_bool& cancel)
{
    QStringList entries;
    QString error;
    // A list that cannot be read now is read at the next change; the memory stays as it is.
    if (!readOrderList(&entries, &error))
        return;
    QHash<QString, OrderStamps> before;
    {
        QMutexLocker lock(&m_mutex);
        before = m_memory.allStamps();
        m_firstReading = before.isEmpty();
    }
    if (before.isEmpty()) {
        readAll(entries, cancel);
        return;
    }
    QSet<QString> listed;
    listed.reserve(entries.size());
    QVector<Read> batch;
    for (const QString& entry : std::as_const(entries)) {
        if (cancel)
            return;
        if (!namesOrderFiles(entry) || listed.contains(entry))
            continue;
        listed.insert(entry);
        const auto known = before.constFind(entry);
        std::optional<OrderStamps> was;
        if (known != before.cend()) {
            if (stampFile(orderDataPath(entry)) == known->data && stampFile(orderBasketPath(entry)) == known->basket)
                continue;
            was = *known;
        }
        batch.append({readOrderFacts(entry), was});
        if (batch.size() == kBatch) {
            keep(batch);
            batch.clear();
        }
    }
    keep(batch);
    // Orders no longer listed are forgotten, unless this program has saved them since.
    QMutexLocker lock(&m_mutex);
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        if (!listed.contains(it.key()) && m_memory.stampsOf(it.key()) == it.value())
            m_memory.forget(it.key());
    }
}

void RememberedOrders::readAll(const QStringList& entries, const std::atomic_bool& cancel)
{
    // The first reading builds a memory of its own, without the indexes, and the windows see it once
    // it is whole: taking a hundred thousand orders in one by one would keep them waiting.
    OrderMemory fresh;
    fresh.setIndexed(false);
    QSet<QString> listed;
    listed.reserve(entries.size());
    QStringList orders;
    orders.reserve(entries.size());
    for (const QString& entry : entries) {
        if (namesOrderFiles(entry) && !listed.contains(entry)) {
            listed.insert(entry);
            orders.append(entry);
        }
    }
    readOrderFactsInOrder(orders, cancel, [&fresh](const OrderFacts& facts) { fresh.put(facts); });
    if (!cancel.load(std::memory_order_relaxed))
        fresh.setIndexed(true);
    QSet<QString> changed;
    {
        QMutexLocker lock(&m_mutex);
        m_firstReading = false;
        changed = std::exchange(m_changedMeanwhile, {});
        if (cancel.load(std::memory_order_relaxed))
            return;
        m_memory = std::move(fresh);
    }
    // Read before they changed, or not at all: read them again as they stand now.
    for (const QString& number : std::as_const(changed))
        takeIn(number);
}

void RememberedOrders::keep(const QVector<Read>& batch)
{
    QMutexLocker lock(&m_mutex);
    for (const Read& one : batch) {
        if (m_memory.stampsOf(one.facts.number) == one.before)
            m_memory.put(one.facts);
    }
}

QStringList RememberedOrders::articleSuggestions(const QString& typed, const QString& supplier, int limit) const
{
    QMutexLocker lock(&m_mutex);
    return m_memory.articles().suggestions(typed, supplier, limit);
}

std::optional<RememberedLine> RememberedOrders::articleLine(const QString& article, const QString& supplier) const
{
    QMutexLocker lock(&m_mutex);
    return m_memory.articles().line(article, supplier);
}

QVector<RememberedCustomer> RememberedOrders::customerSuggestions(const QString& typed, int limit) const
{
    QMutexLocker lock(&m_mutex);
    return m_memory.customers().suggestions(typed, limit);
}

std::optional<RememberedCustomer> RememberedOrders::customer(const QString& number) const
{
    QMutexLocker lock(&m_mutex);
    return m_memory.customers().customer(number);
}

} // namespace data
