#pragma once

#include <QFont>
#include <QFontMetrics>

namespace ui {

// Registers Tahoma from Debian's fonts-wine when the machine has it, and gives the application a
// style whose list and table rows have room for the marks over capitals.
void registerFonts();

// Tahoma 8.25 pt, or the default sans serif where Tahoma is missing.
QFont formFont();

// Whether Marlett can draw the glyph buttons; registered from fonts-wine on the first call.
bool hasMarlett();

// The height a row needs for one line of text in this font with "Å", "Ä", "Ö" and "É" whole. Text
// is centred on its row, so the marks that rise above the font's ascent need that room above and
// below the line; a pixel more each side keeps them off the selection's edge.
int textRowHeight(const QFontMetrics& metrics);

} // namespace ui
