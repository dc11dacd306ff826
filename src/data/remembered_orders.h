#pragma once

#include "data/order_memory.h"

#include <QMutex>
#include <QObject>
#include <QSet>
#include <QStringList>
#include <atomic>
#include <optional>

class QFileSystemWatcher;
class QThread;
class QTimer;

namespace data {

// The program's memory of its saved orders, for filling in what was typed before. It is read from
// the Order folder on a thread of its own, so that no window waits for it, and then follows the
// orders: this program's changes at once, other programs' once their writing has settled. Windows
// ask it from their thread while the reading thread fills it in small steps.
class RememberedOrders : public QObject
{
    Q_OBJECT

public:
    static RememberedOrders* instance();
    ~RememberedOrders() override;

    // Begins reading the orders and following their changes; before it nothing is remembered.
    void start();
    // Forgets everything and follows nothing any longer, as before start().
    void stop();
    bool isReading() const { return m_thread != nullptr; }

    // Reads on the calling thread the listed orders whose files changed since they were read, and
    // forgets those no longer listed; `cancel` stops it between orders.
    void readChanges(const std::atomic_bool& cancel);

    QStringList articleSuggestions(const QString& typed, const QString& supplier, int limit) const;
    std::optional<RememberedLine> articleLine(const QString& article, const QString& supplier) const;
    QVector<RememberedCustomer> customerSuggestions(const QString& typed, int limit) const;
    std::optional<RememberedCustomer> customer(const QString& number) const;

Q_SIGNALS:
    // A reading of the Order folder has ended.
    void readingDone();

private:
    struct Read
    {
        OrderFacts facts;
        // The order's stamps in the memory when its reading began.
        std::optional<OrderStamps> before;
    };

    explicit RememberedOrders(QObject* parent);
    void readOnThread();
    void readingEnded(int run);
    void watchFolder();
    void folderChanged();
    void takeAnnounced();
    // Takes in an order as its files stand now, or forgets it when it has no data file.
    void takeIn(const QString& number);
    void readAll(const QStringList& entries, const std::atomic_bool& cancel);
    // Keeps what was read, unless the order was taken in anew meanwhile.
    void keep(const QVector<Read>& batch);

    mutable QMutex m_mutex;
    OrderMemory m_memory;
    bool m_started = false;
    QThread* m_thread = nullptr;
    int m_run = 0;
    std::atomic_bool m_cancel{false};
    bool m_readAgain = false;
    QFileSystemWatcher* m_watcher;
    // Another program writes an order in several steps; it is read once they are done.
    QTimer* m_settle;
    QStringList m_announced;
    // While the first reading builds a memory of its own, the orders this program changes meanwhile
    // are noted here, to be read again into it.
    bool m_firstReading = false;
    QSet<QString> m_changedMeanwhile;
};

} // namespace data
