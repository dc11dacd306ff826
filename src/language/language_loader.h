#pragma once

#include "language/language_table.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace language {

// Slot 0 must hold this followed by the selected language name, exactly.
inline const QString kHeaderPrefix = QStringLiteral("LANGUAGE FILE ");

// The name of the language chosen by the user, asked for at the moment of the header check;
// empty when no language is selected.
using SelectedName = std::function<std::optional<QString>()>;

// Reads a language file into table and checks its header. Returns 0 when the file was read
// without any error and slot 0 then holds the header of the selected language, 1 otherwise.
// An empty path or a missing file leaves the table as it was; any later failure keeps every
// entry stored so far. Each problem is added to *errors when given.
qint16 loadLanguageTable(const QString& path, LanguageTable& table, const SelectedName& selectedName,
                         QStringList* errors = nullptr);

} // namespace language
