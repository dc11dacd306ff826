#include "data/order_search.h"

#include "data/order_files.h"
#include "data/order_void.h"
#include "data/record_io.h"
#include "data/text_codec.h"

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace data {

namespace {
// Often enough for a progress bar that moves, seldom enough to cost nothing.
constexpr int kProgressStep = 500;
constexpr std::chrono::milliseconds kProgressInterval(10);

bool holds(const QString& value, const QString& term)
{
    // Qt compares case-insensitively letter by letter after simple case folding, without taking
    // letters apart into base letter and accent.
    return value.contains(term, Qt::CaseInsensitive);
}
// Search reads tens of thousands of small files, where the system calls are what costs: one open,
// read and close each instead of the careful reader's checks beforehand. What this cannot read in
// one go is left to the careful reader.
constexpr qsizetype kQuickReadSize = 16 * 1024;

bool readValues(const QString& entry, QByteArray* buffer, QStringList* values)
{
    QString error;
    const QByteArray path = QFile::encodeName(orderDataPath(entry));
    // No link followed and never blocking on something that is not a plain file.
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW);
    if (fd < 0)
        return false;
    ssize_t got;
    do
        got = ::read(fd, buffer->data(), static_cast<size_t>(buffer->size()));
    while (got < 0 && errno == EINTR);
    ::close(fd);
    if (got < 0)
        return false;
    if (got == buffer->size())
        return readOrderData(entry, values, &error);
    RecordReader reader(decodeWindows1252(QByteArray::fromRawData(buffer->constData(), got)));
    values->clear();
    while (values->size() < kOrderDataLines && !reader.atEnd())
        values->append(reader.readLine());
    return values->size() == kOrderDataLines;
}
} // namespace

QString searchTerm(const QString& typed)
{
    return typed.trimmed();
}

bool numberMatches(const QString& entry, const QString& term)
{
    return holds(entry, term);
}

bool orderMatches(const QStringList& values, const QString& term)
{
    if (values.size() < kOrderDataLines || term.isEmpty())
        return false;
    for (int field : {0, 1, 2, 3, 7, 8, 9}) {
        if (holds(values.at(field), term))
            return true;
    }
    const QString& area = values.at(OrderDataLine::AreaCode);
    const QString& phone = values.at(OrderDataLine::Telephone);
    return holds(area + QLatin1Char('-') + phone, term) || holds(area + phone, term);
}

QVector<int> findOrders(const QStringList& entries, const QString& term, const std::atomic_bool& cancel,
                        const std::function<void(int done)>& progress, int threads)
{
    const int total = int(entries.size());
    const int parts = std::clamp(threads, 1, std::max(1, total / kProgressStep));
    std::atomic_int done{0};
    std::atomic_int running{parts};
    std::vector<QVector<int>> found(static_cast<size_t>(parts));
    // Each thread takes an equal run of the list, so that the runs joined stay in list order.
    auto search = [&](int part) {
        const int first = int(qint64(total) * part / parts);
        const int last = int(qint64(total) * (part + 1) / parts);
        QStringList values;
        QByteArray buffer(kQuickReadSize, Qt::Uninitialized);
        for (int i = first; i < last; ++i) {
            if ((i - first) % kProgressStep == 0) {
                if (i > first)
                    done.fetch_add(kProgressStep, std::memory_order_relaxed);
                if (cancel.load(std::memory_order_relaxed))
                    break;
            }
            const QString& entry = entries.at(i);
            if (numberMatches(entry, term) ||
                (namesOrderFiles(entry) && readValues(entry, &buffer, &values) && orderMatches(values, term)))
                found[size_t(part)].append(i);
        }
        running.fetch_sub(1);
    };
    // The calling thread only reports while the others read.
    if (progress)
        progress(0);
    std::vector<std::thread> readers;
    for (int part = 0; part < parts; ++part)
        readers.emplace_back(search, part);
    while (running.load() > 0) {
        if (progress)
            progress(std::min(done.load(std::memory_order_relaxed), total));
        std::this_thread::sleep_for(kProgressInterval);
    }
    for (std::thread& reader : readers)
        reader.join();
    if (cancel.load())
        return {};
    QVector<int> all;
    for (const QVector<int>& part : found)
        all += part;
    if (progress)
        progress(total);
    return all;
}

} // namespace data
