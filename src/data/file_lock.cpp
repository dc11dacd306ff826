#include "data/file_lock.h"

#include "data/text_file.h"

#include <QDir>

namespace data {

namespace {
// Long enough for the other program to finish any single save or void.
constexpr int kWaitMs = 5000;
} // namespace

FileLock::FileLock(const QString& path) : m_path(path), m_lock(path + QStringLiteral(".lock")) {}

bool FileLock::acquire(QString* error)
{
    if (m_lock.tryLock(kWaitMs))
        return true;
    QString reason;
    switch (m_lock.error()) {
    case QLockFile::LockFailedError:
        reason = QStringLiteral("orderregistret är upptaget av ett annat program; försök igen om en stund");
        break;
    case QLockFile::PermissionError:
        reason = QStringLiteral("åtkomst nekad till mappen");
        break;
    default:
        reason = QStringLiteral("låsfilen kunde inte skapas");
        break;
    }
    *error = QStringLiteral("Kunde inte skriva filen %1: %2.")
                 .arg(quotedForMessage(QDir::toNativeSeparators(m_path)), reason);
    return false;
}

} // namespace data
