#pragma once

#include <QString>

namespace data {

// Whether an order list entry names an order's files: a plain name that is not empty.
bool namesOrderFiles(const QString& entry);

// What voiding did beyond deleting the order's files.
struct VoidOutcome
{
    // False when the order list file on disk no longer held this occurrence of the entry;
    // the file is then left as it is.
    bool removedFromList = false;
};

// Voids the `occurrence`-th (counted from 0) entry equal to `entry` in the order list file.
// Nothing changes unless both of the order's files that exist can be deleted and the list file
// can be replaced; a file already gone counts as deleted. The list is rewritten before the files
// are deleted; when a deletion fails after that, the result is false with removedFromList set. The list file is taken
// as it is on disk now, so orders saved since it was last read are kept. An entry that is no plain name only leaves the
// list; no file is joined from it.
bool voidOrder(const QString& entry, int occurrence, VoidOutcome* outcome, QString* error);

} // namespace data
