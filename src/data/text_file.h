#pragma once

#include "data/file_reasons.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

namespace data {

// The plain file operations every data file goes through. Each returns false on failure
// and then sets *error to a Swedish sentence naming the file and the reason.
//
// Only regular files are opened: a pipe, a device or a folder at a data path is refused without
// blocking, and a file larger than kMaxFileSize is refused instead of read. Order files are never
// touched through a symbolic link, since a link could lead outside the application folder; the
// reference lists and language files in System are only read and may be links.

constexpr qint64 kMaxFileSize = 64 * 1024 * 1024;

enum class Links { Refuse, Follow };

// True for an ordinary file that is there and not hidden.
bool fileExists(const QString& path);

// True when anything at all stands at path, a dangling link included (or the folder hides it).
bool entryExists(const QString& path);

// Input: the whole file as it is on disk.
bool readFileBytes(const QString& path, QByteArray* bytes, QString* error, Links links = Links::Refuse);

// Input: the whole file, decoded from Windows-1252.
bool readTextFile(const QString& path, QString* text, QString* error, Links links = Links::Refuse);

// Output: replaces the file whole by rename. Every write and the flush to disk are checked before
// the rename, so a failure (a full disk) leaves the old file exactly as it was.
bool replaceFile(const QString& path, const QByteArray& bytes, QString* error);

// Append: creates the file when missing and writes at its end. When the file's last line has no
// line end (edited elsewhere) a new line is started first, so the record never merges with it.
// A failed write cuts the file back to its length before the append.
bool appendToFile(const QString& path, const QByteArray& bytes, QString* error);

// Deletes exactly this file (a link itself, never what it points to); a read-only file is left
// alone and reported.
bool deleteFile(const QString& path, QString* error);

// Whether deleteFile would succeed on an existing file (it is not read-only and the folder allows it).
bool canDeleteFile(const QString& path, QString* error);

// Whether path may be replaced or appended to: not a link, not read-only, in a writable folder.
bool canWriteFile(const QString& path, QString* error);
// The same for a file that is only ever replaced whole and never read back, so its size is no matter.
bool canReplaceWhole(const QString& path, QString* error);

// Makes the folder and every missing folder above it; a folder already there is fine.
bool makeFolder(const QString& path, QString* error);

// Whether new files may be made in folder, by the same read-only mark as canWriteFile.
bool canWriteInFolder(const QString& folder, QString* error);

// Copies a file to a path where nothing stands yet, and never over anything: when something is
// there, or appears meanwhile, it is kept and *copied stays false. The copy is whole or not there.
bool copyFileIfMissing(const QString& from, const QString& to, bool* copied, QString* error);

// Deletes the regular files directly in `folder` whose names `matches` and that nobody has
// changed for `minimumAgeSeconds`: what a program killed mid-write left behind. Links, folders and
// younger files (another program's live ones) are left alone, and so is a file `inUse` claims.
// Returns how many went.
int removeLeftovers(const QString& folder, const std::function<bool(const QString& name)>& matches,
                    int minimumAgeSeconds, const std::function<bool(const QString&)>& inUse = {});

// The names of the ordinary files directly in `folder` whose names end in `suffix` (in any case),
// links to such files included, without the suffix and in alphabetical order, case aside.
// Empty when the folder is missing or cannot be read.
QStringList baseNamesIn(const QString& folder, const QString& suffix);

} // namespace data
