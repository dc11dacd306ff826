#pragma once

#include <QString>

namespace data {

// The folder that holds Order and System: the one settleApplicationFolder chose, the one a test
// pointed the program at, or else the folder beside the executable.
QString applicationFolder();

// Tests point the program at a temporary folder; an empty path returns to the executable's folder.
void setApplicationFolder(const QString& folder);

// Chooses at start-up where the data lives. The executable's folder, when it holds System and may be
// written (the portable folder); otherwise the user's own data folder, which gets an empty Order and
// a copy of the shipped System files it lacks (from beside the executable, or ../share/zel2007/System
// for an installed program). A file already there is never replaced. Returns false with a Swedish
// message for the clerk when no folder can be made ready.
bool settleApplicationFolder(const QString& executableFolder, QString* error);

// Joins the application folder and a stored relative path such as "\Order\Lista.log",
// spelling the backslashes with this platform's separator.
QString dataPath(const QString& relativePath);

} // namespace data
