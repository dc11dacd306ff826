#pragma once

namespace data {

// Removes what programs killed mid-write left in the Order folder: temporary files of an
// interrupted replace, lock files and holds on order numbers whose program is gone. Only files
// untouched for a minute go, so another program's live ones stay. Returns how many went.
int tidyOrderFolder();

// The same, once per run, on the first write to the Order folder.
void tidyOrderFolderOnce();

} // namespace data
