#include "data/order_void.h"

#include "data/data_texts.h"
#include "data/file_lock.h"
#include "data/order_changes.h"
#include "data/order_delivery.h"
#include "data/order_files.h"
#include "data/order_folder_tidy.h"
#include "data/order_number_reservation.h"
#include "data/text_codec.h"
#include "data/text_file.h"

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

bool deleteIfPresent(const QString& path, QString* error)
{
    if (!entryExists(path))
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
    tidyOrderFolderOnce();
    // An order open in a window is still being written; its files must stay until it is left.
    if (withFiles && isOrderNumberHeld(entry)) {
        *error = dataText(DataText::OrderOpenElsewhere).arg(quotedForMessage(entry));
        return false;
    }
    const QString dataFile = withFiles ? orderDataPath(entry) : QString();
    const QString basketFile = withFiles ? orderBasketPath(entry) : QString();
    const QString deliveryFile = withFiles ? orderDeliveryPath(entry) : QString();
    const QString listFile = orderListPath();

    // Check everything before touching anything, so a refusal leaves the order whole.
    if (withFiles &&
        (!canDeleteFile(dataFile, error) || !canDeleteFile(basketFile, error) || !canDeleteFile(deliveryFile, error)))
        return false;
    // Another program may append a saved order meanwhile; holding the lock keeps it in the list.
    FileLock lock(listFile);
    if (entryExists(listFile) && (!canWriteFile(listFile, error) || !lock.acquire(error)))
        return false;
    QStringList entries;
    if (!readOrderList(&entries, error))
        return false;

    // The list goes first: a crash after it leaves at worst files that no list line names,
    // never a list line naming an order whose files are gone.
    const qsizetype index = indexOfOccurrence(entries, entry, occurrence);
    if (index >= 0) {
        entries.removeAt(index);
        QString text;
        if (!entries.isEmpty())
            text = entries.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
        if (!replaceFile(listFile, encodeWindows1252(text), error))
            return false;
        outcome->removedFromList = true;
    }
    const bool deleted = !withFiles || (deleteIfPresent(dataFile, error) && deleteIfPresent(basketFile, error) &&
                                        deleteIfPresent(deliveryFile, error));
    OrderChanges::announce(entry, outcome->removedFromList || deleted);
    return deleted;
}

} // namespace data
