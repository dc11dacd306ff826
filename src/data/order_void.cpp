#include "data/order_void.h"

#include "data/order_files.h"
#include "data/text_codec.h"
#include "data/text_file.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace data {

namespace {

qsizetype indexOfOccurrence(const QStringList& entries, const QString& entry, int occurrence)
{
    int seen = 0;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (entries.at(i) == entry && seen++ == occurrence)
            return i;
    }
    return -1;
}

// The list file is replaced by rename, which needs the same rights as deleting it; a read-only
// list file is left alone like a read-only order file.
bool canReplaceFile(const QString& path, QString* error)
{
    const QFileInfo info(path);
    if (info.exists() && !(info.permissions() & QFileDevice::WriteOwner)) {
        *error =
            QStringLiteral("Kunde inte skriva filen %1: filen är skrivskyddad.").arg(QDir::toNativeSeparators(path));
        return false;
    }
    if (!QFileInfo(info.absolutePath()).isWritable()) {
        *error = QStringLiteral("Kunde inte skriva filen %1: åtkomst nekad till mappen.")
                     .arg(QDir::toNativeSeparators(path));
        return false;
    }
    return true;
}

bool deleteIfPresent(const QString& path, QString* error)
{
    if (!QFileInfo::exists(path))
        return true;
    return deleteFile(path, error);
}

} // namespace

bool namesOrderFiles(const QString& entry)
{
    return !entry.isEmpty() && isPlainOrderName(entry);
}

bool voidOrder(const QString& entry, int occurrence, VoidOutcome* outcome, QString* error)
{
    outcome->removedFromList = false;
    const bool withFiles = namesOrderFiles(entry);
    const QString dataFile = withFiles ? orderDataPath(entry) : QString();
    const QString basketFile = withFiles ? orderBasketPath(entry) : QString();

    // Check everything before touching anything, so a refusal leaves the order whole.
    if (withFiles && (!canDeleteFile(dataFile, error) || !canDeleteFile(basketFile, error)))
        return false;
    QStringList entries;
    if (!readOrderList(&entries, error))
        return false;
    const qsizetype index = indexOfOccurrence(entries, entry, occurrence);
    if (index >= 0 && !canReplaceFile(orderListPath(), error))
        return false;

    if (withFiles && (!deleteIfPresent(dataFile, error) || !deleteIfPresent(basketFile, error)))
        return false;
    if (index < 0)
        return true;

    entries.removeAt(index);
    QString text;
    if (!entries.isEmpty())
        text = entries.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
    if (!replaceFile(orderListPath(), encodeWindows1252(text), error))
        return false;
    outcome->removedFromList = true;
    return true;
}

} // namespace data
