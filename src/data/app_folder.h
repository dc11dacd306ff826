#pragma once

#include <QString>

namespace data {

// The folder beside the executable, unless a test has pointed the program elsewhere.
QString applicationFolder();

// Tests point the program at a temporary folder; an empty path returns to the executable's folder.
void setApplicationFolder(const QString& folder);

// Joins the application folder and a stored relative path such as "\Order\Lista.log",
// spelling the backslashes with this platform's separator.
QString dataPath(const QString& relativePath);

} // namespace data
