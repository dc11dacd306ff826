#include "data/order_folder_tidy.h"

#include "data/app_folder.h"
#include "data/text_file.h"

#include <QFileInfo>
#include <QLockFile>
#include <QThreadPool>
#include <atomic>

namespace data {

namespace {
constexpr int kLeftoverAgeSeconds = 60;

// Whether a live order window holds this hold file; one whose program is gone is taken over (and so
// removed) by trying it.
bool holdIsLive(const QString& path)
{
    QLockFile hold(path);
    qint64 pid = 0;
    QString host, application;
    // A hold without its owner's details was cut short by a kill while it was made.
    if (!hold.getLockInfo(&pid, &host, &application))
        return false;
    hold.setStaleLockTime(0);
    if (hold.tryLock(0)) {
        hold.unlock();
        return false;
    }
    return hold.error() == QLockFile::LockFailedError;
}

int tidyFolder(const QString& folder)
{
    // A replace writes "<file>.XXXXXX" beside the file; a lock leaves "<file>.lock" and, when it took
    // over a stale one, "<file>.lock.rmlock". Every data file of the folder ends in ".log".
    static const QRegularExpression leftovers(QStringLiteral("\\.log\\.([A-Za-z0-9]{6}|lock|lock\\.rmlock)$"));
    static const QRegularExpression holds(QStringLiteral("\\.reservation(\\.rmlock)?$"));
    int removed = removeLeftovers(folder, leftovers, kLeftoverAgeSeconds);
    removed += removeLeftovers(folder, holds, kLeftoverAgeSeconds, [](const QString& path) {
        return !path.endsWith(QLatin1String(".rmlock")) && holdIsLive(path);
    });
    return removed;
}
} // namespace

int tidyOrderFolder()
{
    return tidyFolder(dataPath(QStringLiteral("\\Order")));
}

void tidyOrderFolderOnce()
{
    static std::atomic<bool> done{false};
    if (done.exchange(true))
        return;
    // A folder of a hundred thousand orders takes a while to walk; the write that asked goes on.
    const QString folder = dataPath(QStringLiteral("\\Order"));
    QThreadPool::globalInstance()->start([folder] { tidyFolder(folder); });
}

} // namespace data
