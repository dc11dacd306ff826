#include "data/order_folder_tidy.h"

#include "data/app_folder.h"
#include "data/text_file.h"

#include <QFileInfo>
#include <QLockFile>
#include <QThreadPool>
#include <algorithm>
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

// A replace writes "<file>.XXXXXX" beside the file; a lock leaves "<file>.lock" and, when it took
// over a stale one, "<file>.lock.rmlock". Every data file of the folder ends in ".log". Matched by
// hand: the first write of a run tidies, and a pattern engine would cost start-up its memory.
bool isLeftover(const QString& name)
{
    const qsizetype at = name.lastIndexOf(QLatin1String(".log."));
    if (at < 0)
        return false;
    const QStringView rest = QStringView(name).mid(at + 5);
    if (rest == u"lock" || rest == u"lock.rmlock")
        return true;
    return rest.size() == 6 && std::all_of(rest.begin(), rest.end(), [](QChar c) {
               return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9');
           });
}

bool isHold(const QString& name)
{
    return name.endsWith(QLatin1String(".reservation")) || name.endsWith(QLatin1String(".reservation.rmlock"));
}

int tidyFolder(const QString& folder)
{
    int removed = removeLeftovers(folder, isLeftover, kLeftoverAgeSeconds);
    removed += removeLeftovers(folder, isHold, kLeftoverAgeSeconds, [](const QString& path) {
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
