#pragma once

#include <QString>

namespace language {

// Qt's own words in its dialogs, menus and standard buttons (the file dialog, printing, the
// right-click menu of text boxes) follow the language file: Swedish when its header, slot 0,
// names Svenska, Qt's built-in English for any other. Calling it again with the same language
// changes nothing. Returns true when Qt's words are Swedish afterwards.
bool useQtTextsFor(const QString& header);

} // namespace language
