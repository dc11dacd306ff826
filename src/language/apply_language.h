#pragma once

namespace Module2 {

// Writes the texts of the language table into the splash window, the new-order window, the
// supplier picker and the add-line dialog, creating and loading each without showing it. From
// then on the picker and the add-line dialog get their texts again whenever they are created.
void ApplyLanguage();

} // namespace Module2
