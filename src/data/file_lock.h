#pragma once

#include <QLockFile>
#include <QString>

namespace data {

// Holds "<file>.lock" beside a file while it is changed, so that two programs sharing one Order
// folder never interleave a read-modify-write or an append. A lock left by a program that crashed
// is taken over. Readers never lock.
class FileLock
{
public:
    explicit FileLock(const QString& path);

    // Waits a few seconds for another program; false with a Swedish reason when it stays busy.
    bool acquire(QString* error);

private:
    QString m_path;
    QLockFile m_lock;
};

} // namespace data
