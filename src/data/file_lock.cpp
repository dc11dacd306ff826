#include "data/file_lock.h"

#include "data/data_texts.h"
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
        reason = dataText(DataText::FileBusy);
        break;
    case QLockFile::PermissionError:
        reason = dataText(DataText::FolderAccessDenied);
        break;
    default:
        reason = dataText(DataText::LockNotCreated);
        break;
    }
    *error = dataText(DataText::CannotWriteFile).arg(quotedForMessage(QDir::toNativeSeparators(m_path)), reason);
    return false;
}

} // namespace data
