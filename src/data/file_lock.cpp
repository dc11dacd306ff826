#include "data/file_lock.h"

#include "data/text_file.h"

#include <QDir>

namespace data {

namespace {
// Any single save or void is done in milliseconds; a lock older than kStaleMs was left by a program
// that died (a kill can even leave the lock file empty, without the holder's process id).
constexpr int kStaleMs = 5000;
constexpr int kWaitMs = 6000;
} // namespace

FileLock::FileLock(const QString& path) : m_path(path), m_lock(path + QStringLiteral(".lock"))
{
    m_lock.setStaleLockTime(kStaleMs);
}

bool FileLock::acquire(QString* error)
{
    if (m_lock.tryLock(kWaitMs))
        return true;
    QString reason;
    switch (m_lock.error()) {
    case QLockFile::LockFailedError:
        reason = QStringLiteral("filen är upptagen av ett annat program; försök igen om en stund");
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
