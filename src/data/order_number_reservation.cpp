#include "data/order_number_reservation.h"

#include "data/app_folder.h"
#include "data/data_texts.h"
#include "data/order_files.h"
#include "data/order_folder_tidy.h"
#include "data/order_number.h"
#include "data/text_file.h"

#include <QLockFile>
#include <QSet>

namespace data {

namespace {

std::unique_ptr<QLockFile> makeLock(const QString& number)
{
    auto lock = std::make_unique<QLockFile>(reservationPath(number));
    // An order stays open for as long as the clerk likes: a hold is stale only when the program
    // that made it is gone, never by its age.
    lock->setStaleLockTime(0);
    return lock;
}

bool usedByAnOrder(const QString& number, const QSet<QString>& listed)
{
    return listed.contains(number) || entryExists(orderDataPath(number)) || entryExists(orderBasketPath(number));
}

} // namespace

QString reservationPath(const QString& number)
{
    return dataPath(QStringLiteral("\\Order\\") + number + QStringLiteral(".reservation"));
}

OrderNumberReservation::OrderNumberReservation() = default;

OrderNumberReservation::~OrderNumberReservation()
{
    release();
}

void OrderNumberReservation::release()
{
    if (m_lock)
        m_lock->unlock();
    m_lock.reset();
    m_number.clear();
}

void OrderNumberReservation::swap(OrderNumberReservation& other) noexcept
{
    std::swap(m_lock, other.m_lock);
    std::swap(m_number, other.m_number);
}

QString OrderNumberReservation::reserveFree(const QDateTime& moment, QString* error)
{
    tidyOrderFolderOnce();
    QStringList entries;
    QString ignored;
    readOrderList(&entries, &ignored); // an unreadable list cannot name anything; the files still count
    const QSet<QString> listed(entries.cbegin(), entries.cend());

    // A week of seconds covers every number the pattern can form.
    constexpr int kSecondsPerWeek = 7 * 24 * 60 * 60;
    QDateTime candidate = moment;
    for (int step = 0; step < kSecondsPerWeek; ++step, candidate = candidate.addSecs(1)) {
        const QString number = formatOrderNumber(candidate);
        if (number == m_number || usedByAnOrder(number, listed))
            continue;
        std::unique_ptr<QLockFile> lock = makeLock(number);
        if (!lock->tryLock(0)) {
            if (lock->error() == QLockFile::LockFailedError)
                continue; // another window holds it
            *error = dataText(DataText::NumberNotReserved).arg(quotedForMessage(dataPath(QStringLiteral("\\Order"))));
            release();
            return formatOrderNumber(candidate);
        }
        // Whoever held it before may have saved it meanwhile: its files are there before it lets go.
        if (entryExists(orderDataPath(number)) || entryExists(orderBasketPath(number))) {
            lock->unlock();
            continue;
        }
        release();
        m_lock = std::move(lock);
        m_number = number;
        return number;
    }
    *error = dataText(DataText::NumbersTaken);
    release();
    return formatOrderNumber(moment);
}

bool OrderNumberReservation::reserveExisting(const QString& number)
{
    if (number == m_number)
        return true;
    std::unique_ptr<QLockFile> lock = makeLock(number);
    if (!isPlainOrderName(number) || number.isEmpty() || !lock->tryLock(0))
        return false;
    release();
    m_lock = std::move(lock);
    m_number = number;
    return true;
}

bool isOrderNumberHeld(const QString& number)
{
    if (number.isEmpty() || !isPlainOrderName(number) || !entryExists(reservationPath(number)))
        return false;
    QLockFile lock(reservationPath(number));
    lock.setStaleLockTime(0);
    if (lock.tryLock(0)) {
        lock.unlock();
        return false;
    }
    return lock.error() == QLockFile::LockFailedError;
}

} // namespace data
