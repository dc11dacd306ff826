#pragma once

#include <QByteArray>
#include <QString>

namespace data {

// The plain file operations every data file goes through. Each returns false on failure
// and then sets *error to a Swedish sentence naming the file and the reason.

// True for an ordinary file that is there and not hidden.
bool fileExists(const QString& path);

// Input: the whole file, decoded from Windows-1252.
bool readTextFile(const QString& path, QString* text, QString* error);

// Output: replaces the file whole by rename, so a failure never leaves it half-written.
bool replaceFile(const QString& path, const QByteArray& bytes, QString* error);

// Append: creates the file when missing and writes at its end.
bool appendToFile(const QString& path, const QByteArray& bytes, QString* error);

// Deletes exactly this file; a read-only file is left alone and reported.
bool deleteFile(const QString& path, QString* error);

// Whether deleteFile would succeed on an existing file (it is not read-only and the folder allows it).
bool canDeleteFile(const QString& path, QString* error);

} // namespace data
