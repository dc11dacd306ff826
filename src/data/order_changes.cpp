#include "data/order_changes.h"

namespace data {

OrderChanges* OrderChanges::instance()
{
    static OrderChanges changes;
    return &changes;
}

bool OrderChanges::announce(const QString& orderNumber, bool written)
{
    if (written)
        Q_EMIT instance()->orderChanged(orderNumber);
    return written;
}

} // namespace data
