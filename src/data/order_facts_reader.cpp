#include "data/order_facts_reader.h"

#include <QThread>
#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace data {

namespace {
constexpr int kChunk = 128;
// Chunks read ahead of the one being taken in, so that what waits stays small.
constexpr int kAhead = 16;
constexpr int kMostReaders = 4;

class FactsPipeline
{
public:
    FactsPipeline(const QStringList& numbers, const std::atomic_bool& cancel)
        : m_numbers(numbers), m_cancel(cancel), m_chunkCount(int((numbers.size() + kChunk - 1) / kChunk)),
          m_chunks(size_t(m_chunkCount)), m_ready(size_t(m_chunkCount), false)
    {
    }

    void run(const std::function<void(const OrderFacts&)>& take)
    {
        const int readers = std::clamp(QThread::idealThreadCount() - 1, 1, kMostReaders);
        std::vector<std::thread> threads;
        for (int i = 0; i < std::min(readers, m_chunkCount); ++i)
            threads.emplace_back([this] { read(); });
        for (int chunk = 0; chunk < m_chunkCount && !cancelled(); ++chunk) {
            std::vector<OrderFacts> facts = taken(chunk);
            for (const OrderFacts& one : facts) {
                if (cancelled())
                    break;
                take(one);
            }
            // Freeing a chunk's texts costs about as much as taking them in: a reader does it.
            std::lock_guard lock(m_mutex);
            m_spent.push_back(std::move(facts));
        }
        {
            std::lock_guard lock(m_mutex);
            m_stopping = true;
        }
        m_roomMade.notify_all();
        for (std::thread& thread : threads)
            thread.join();
    }

private:
    bool cancelled() const { return m_cancel.load(std::memory_order_relaxed); }

    void read()
    {
        for (;;) {
            int chunk = 0;
            std::vector<std::vector<OrderFacts>> spent;
            {
                std::unique_lock lock(m_mutex);
                m_roomMade.wait(lock, [this] { return m_stopping || m_next < m_taken + kAhead; });
                if (m_stopping || m_next >= m_chunkCount)
                    return;
                chunk = m_next++;
                spent.swap(m_spent);
            }
            spent.clear();
            std::vector<OrderFacts> facts;
            const int end = std::min(int(m_numbers.size()), (chunk + 1) * kChunk);
            for (int i = chunk * kChunk; i < end && !cancelled(); ++i)
                facts.push_back(readOrderFacts(m_numbers.at(i)));
            {
                std::lock_guard lock(m_mutex);
                m_chunks[size_t(chunk)] = std::move(facts);
                m_ready[size_t(chunk)] = true;
            }
            m_chunkReady.notify_all();
        }
    }

    std::vector<OrderFacts> taken(int chunk)
    {
        std::vector<OrderFacts> facts;
        {
            std::unique_lock lock(m_mutex);
            m_chunkReady.wait(lock, [this, chunk] { return bool(m_ready[size_t(chunk)]); });
            facts = std::move(m_chunks[size_t(chunk)]);
            m_taken = chunk + 1;
        }
        m_roomMade.notify_all();
        return facts;
    }

    const QStringList& m_numbers;
    const std::atomic_bool& m_cancel;
    const int m_chunkCount;
    std::mutex m_mutex;
    std::condition_variable m_chunkReady;
    std::condition_variable m_roomMade;
    std::vector<std::vector<OrderFacts>> m_chunks;
    std::vector<bool> m_ready;
    std::vector<std::vector<OrderFacts>> m_spent;
    int m_next = 0;
    int m_taken = 0;
    bool m_stopping = false;
};
} // namespace

void readOrderFactsInOrder(const QStringList& numbers, const std::atomic_bool& cancel,
                           const std::function<void(const OrderFacts&)>& take)
{
    FactsPipeline(numbers, cancel).run(take);
}

} // namespace data
