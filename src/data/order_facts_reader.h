#pragma once

#include "data/order_facts.h"

#include <QStringList>
#include <atomic>
#include <functional>

namespace data {

// Reads the orders' files on helper threads while the calling thread takes in what was read, one
// order at a time and in the given order: reading and taking in overlap, and spare cores read side
// by side. `cancel` stops it between orders.
void readOrderFactsInOrder(const QStringList& numbers, const std::atomic_bool& cancel,
                           const std::function<void(const OrderFacts&)>& take);

} // namespace data
