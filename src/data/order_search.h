#pragma once

#include <QString>
#include <QStringList>
#include <QVector>
#include <atomic>
#include <functional>

namespace data {

// What the clerk types into the order register's search field, trimmed. Letters compare without
// regard to case, but å, ä, ö and é stay letters of their own: "a" never finds "å".
QString searchTerm(const QString& typed);

// Whether an order list entry's number holds the term.
bool numberMatches(const QString& entry, const QString& term);

// Whether the ten values of an order data file hold the term in the customer number, the customer
// name, the telephone (area code, number, or both as "08-123456" or "08123456"), the status as the
// register shows it ("4, Delvis levererad"), or the supplier number or name.
bool orderMatches(const QStringList& values, const QString& term);

// The positions of the entries that match by number or, when their data file can be read, by
// their order's values, in list order. The files are read by `threads` threads at once, the
// calling one telling `progress` now and then how many entries have been looked at; `cancel`
// stops the search early, which then returns an empty list.
QVector<int> findOrders(const QStringList& entries, const QString& term, const std::atomic_bool& cancel,
                        const std::function<void(int done)>& progress = {}, int threads = 1);

} // namespace data
