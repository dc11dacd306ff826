#pragma once

#include <QString>

namespace data {

// A path as a message names it: whole, in the system's own separators, unless it is absurdly long
// (a list entry of megabytes).
QString shownPath(const QString& path);

// Says why a system call on path failed (errno `code`), in words a clerk understands; the
// system's own texts are English.
QString reasonForErrno(int code, const QString& path);

// A value quoted in a message: at most a line's worth, so a huge value never floods a box.
QString quotedForMessage(const QString& value);

} // namespace data
