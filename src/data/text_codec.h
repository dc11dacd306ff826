#pragma once

#include <QByteArray>
#include <QString>

namespace data {

// Every file of the system is 8-bit Windows-1252. A character the code page
// cannot hold is written as "?" rather than as a control byte.
QByteArray encodeWindows1252(const QString& text);
QString decodeWindows1252(const QByteArray& bytes);

} // namespace data
