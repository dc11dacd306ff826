#pragma once

#include <QFont>

namespace ui {

// Registers Tahoma and Marlett from Debian's fonts-wine when the machine has them.
void registerFonts();

// Tahoma 8.25 pt, or the default sans serif where Tahoma is missing.
QFont formFont();

bool hasMarlett();

} // namespace ui
