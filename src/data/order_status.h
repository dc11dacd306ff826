#pragma once

#include <QString>

namespace data {

// The id at the head of a status value, "4, Delvis levererad" → 4; -1 when it does not start with one.
int statusId(const QString& status);

// Writes status `id` with its description from the status list as line 8 of the order's data file,
// "id, description", the way the small Spara writes a status. *status is what was written. When the
// list has no such id, nothing is written and *error says so.
bool writeListedStatus(const QString& orderNumber, int id, QString* status, QString* error);

} // namespace data
