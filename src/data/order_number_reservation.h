#pragma once

#include <QDateTime>
#include <QString>
#include <memory>

class QLockFile;

namespace data {

// Holds an order number for one order window, so that no other program on the same Order folder
// (nor another window of this one) forms or voids it meanwhile. The hold is "<nr>.reservation" in
// the Order folder, created exclusively; it is never an order file and is never listed. A program
// that ends releases it; one that is killed leaves it behind, and the next program on the same
// computer that meets it sees that its owner is gone and takes it over.
class OrderNumberReservation
{
public:
    OrderNumberReservation();
    ~OrderNumberReservation();
    OrderNumberReservation(const OrderNumberReservation&) = delete;
    OrderNumberReservation& operator=(const OrderNumberReservation&) = delete;

    // Reserves the number formed at `moment`, or the first one after it that is neither held nor used
    // by an order (its data or basket file, or a line of the order list). Whatever was held before is
    // released once the new number is held, so the new number always differs from it. Empty when the
    // folder takes no reservation (it cannot be written); the number formed is then not held.
    QString reserveFree(const QDateTime& moment, QString* error);

    // Holds exactly this number, an order already saved, when no one else holds it.
    bool reserveExisting(const QString& number);

    void release();
    QString number() const { return m_number; }

    void swap(OrderNumberReservation& other) noexcept;

private:
    std::unique_ptr<QLockFile> m_lock;
    QString m_number;
};

// Whether a live order window, of this program or another, holds the number.
bool isOrderNumberHeld(const QString& number);

QString reservationPath(const QString& number);

} // namespace data
