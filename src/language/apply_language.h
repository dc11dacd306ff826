#pragma once

namespace Module2 {

// Puts the texts of the language table into every window: those open now at once, and from
// then on each window as it is created, right after its load handler and before it is shown.
void ApplyLanguage();

} // namespace Module2
