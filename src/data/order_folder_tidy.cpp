#include "data/order_folder_tidy.h"

#include "data/app_folder.h"
#include "data/order_number_reservation.h"
#include "data/text_file.h"

#include <QFileInfo>
#include <QLockFile>
#include <atomic>

namespace data {

namespace {
constexpr int kLeftoverAgeSeconds = 60;
} // namespace

int tidyOrderFolder()
{
    const QString folder = dataPath(QStringLiteral("\\Order"));
    // A replace writes "<file>.XXXXXX" beside the file; a lock leaves "<file>.lock" and, when it took
    // over a stale one, "<file>.lock.rmlock". Every data file of the folder ends in ".log".
    static const QRegularExpression leftovers(QStringLiteral("\\.log\\.([A-Za-z0-9]{6}|lock|lock\\.rmlock)$"));
    static const QRegularExpression holds(QStringLiteral("^(.+)\\.reservation(\\.rmlock)?$"));
    int removed = removeLeftovers(folder, leftovers, kLeftoverAgeSeconds);
    removed += removeLeftovers(folder, holds, kLeftoverAgeSeconds, [](const QString& path) {
        const QString name = QFileInfo(path).fileName();
        if (name.endsWith(QLatin1String(".rmlock")))
            return false;
        // A hold without its owner's details was cut short by a kill while it was made.
        QLockFile hold(path);
        qint64 pid = 0;
        QString host, application;
        return hold.getLockInfo(&pid, &host, &application) && isOrderNumberHeld(holds.match(name).captured(1));
    });
    return removed;
}

void tidyOrderFolderOnce()
{
    static std::atomic<bool> done{false};
    if (!done.exchange(true))
        tidyOrderFolder();
}

} // namespace data
