#pragma once

#include <QString>

namespace Module2 {

// Reads the language file at path into the language table and, when it was read without error
// and its header names the language selected in the language window, applies the table to the
// windows. Returns 0 then, 1 on any failure; it shows no message of its own. Qt's own dialogs
// follow the header read either way (see useQtTextsFor).
qint16 LoadLanguage(const QString& path);

} // namespace Module2
