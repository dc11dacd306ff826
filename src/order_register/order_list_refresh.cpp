// The order register kept current while it is open: what this program writes is announced and shown
// at once; what other programs write into the Order folder is seen by watching it.
#include "data/order_changes.h"
#include "data/order_files.h"
#include "data/order_search.h"
#include "data/order_void.h"
#include "order_register/order_list_window.h"
#include "order_register/order_register_model.h"
#include "order_register/order_summary_loader.h"
#include "ui/window_helpers.h"

#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QLineEdit>
#include <QTableView>
#include <QTimer>

namespace {
// Long enough for another program to finish a save of several files, short enough to seem at once.
constexpr int kSettleMs = 500;
// The orders in sight are looked at this often; a look is a few calls to stat.
constexpr int kLookMs = 2000;
} // namespace

void frmOrderLista::setUpRefresh()
{
    m_loader = new OrderSummaryLoader(this);
    m_watcher = new QFileSystemWatcher(this);
    m_settle = new QTimer(this);
    m_settle->setSingleShot(true);
    m_settle->setInterval(kSettleMs);
    connect(m_loader, &OrderSummaryLoader::read, this, &frmOrderLista::summariesRead);
    // What was read last is filtered in at once, not after the pause that spares the window meanwhile.
    connect(m_loader, &OrderSummaryLoader::finished, m_register, &OrderRegisterModel::settle);
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, &frmOrderLista::folderChanged);
    connect(m_watcher, &QFileSystemWatcher::fileChanged, this, &frmOrderLista::folderChanged);
    connect(m_settle, &QTimer::timeout, this, &frmOrderLista::refresh);
    m_look = new QTimer(this);
    m_look->setInterval(kLookMs);
    connect(m_look, &QTimer::timeout, this, &frmOrderLista::checkShownOrders);
    m_look->start();
    // Taken after the writer is done: a save writes the data file, then the list.
    connect(data::OrderChanges::instance(), &data::OrderChanges::orderChanged, this, [this](const QString& number) {
        if (m_announced.isEmpty())
            QMetaObject::invokeMethod(this, &frmOrderLista::ordersAnnounced, Qt::QueuedConnection);
        if (!m_announced.contains(number))
            m_announced.append(number);
    });
}

void frmOrderLista::watchFolder()
{
    const QString list = data::orderListPath();
    // A list file replaced by another is a new file to watch; a missing one is seen in the folder.
    for (const QString& path : {QFileInfo(list).absolutePath(), list}) {
        if (QFileInfo::exists(path) && !m_watcher->files().contains(path) && !m_watcher->directories().contains(path))
            m_watcher->addPath(path);
    }
}

void frmOrderLista::folderChanged()
{
    // Changes keep coming while another program saves; the first one starts the wait.
    if (!m_settle->isActive())
        m_settle->start();
}

void frmOrderLista::refresh()
{
    reloadList();
    readChangedOrders();
}

void frmOrderLista::readChangedOrders()
{
    m_settle->stop();
    watchFolder();
    QStringList numbers;
    QVector<data::OrderStamps> stamps;
    m_register->listedOrders(&numbers, &stamps);
    m_loader->start(numbers, stamps);
}

void frmOrderLista::reloadList()
{
    QStringList lines;
    QString error;
    // A list that cannot be read now is read at the next change; the table stays as it is.
    if (!data::readOrderList(&lines, &error) || lines == m_register->entries())
        return;
    const int selected = selectedEntry();
    m_quiet = true;
    const QVector<int> moved = m_register->setEntries(lines);
    const bool kept = selected >= 0 && reselect(moved.value(selected, -1));
    m_quiet = false;
    if (selected >= 0 && !kept)
        clearOrder();
    // A search counts positions in the list as it was.
    if (!data::searchTerm(txtSok->text()).isEmpty())
        startFullSearch();
}

void frmOrderLista::ordersAnnounced()
{
    const QStringList numbers = std::exchange(m_announced, {});
    for (const QString& number : numbers) {
        if (!m_register->lists(number)) {
            reloadList();
            break;
        }
    }
    // One order's files are read at once, as selecting it does.
    QVector<data::OrderSummary> summaries;
    for (const QString& number : numbers) {
        if (m_register->lists(number))
            summaries.append(data::readOrderSummary(number));
    }
    summariesRead(summaries);
}

void frmOrderLista::checkShownOrders()
{
    if (!isVisible() || m_register->rowCount() == 0)
        return;
    const int first = std::max(0, List1->rowAt(0));
    int last = List1->rowAt(List1->viewport()->height() - 1);
    if (last < 0)
        last = m_register->rowCount() - 1;
    QStringList numbers;
    for (int row = first; row <= last; ++row)
        numbers.append(m_register->entries().at(m_register->entryAt(row)));
    if (selectedEntry() >= 0)
        numbers.append(m_register->entries().at(selectedEntry()));
    QVector<data::OrderSummary> summaries;
    for (const QString& number : qAsConst(numbers)) {
        const std::optional<data::OrderStamps> read = m_register->stampsRead(number);
        // An order not read yet is on its way; one that names no files has nothing to look at.
        if (!read || !data::namesOrderFiles(number))
            continue;
        const data::OrderStamps now{data::stampFile(data::orderDataPath(number)),
                                    data::stampFile(data::orderBasketPath(number))};
        if (now != *read)
            summaries.append(data::readOrderSummary(number));
    }
    if (!summaries.isEmpty())
        summariesRead(summaries);
}

void frmOrderLista::summariesRead(const QVector<data::OrderSummary>& summaries)
{
    m_register->takeSummaries(summaries);
    showReading();
    // The chosen order's details follow a change of its files, a status picked for it kept.
    const int selected = selectedEntry();
    if (selected < 0)
        return;
    const QString number = m_register->entries().at(selected);
    for (const data::OrderSummary& summary : summaries) {
        if (summary.number != number || summary.stamps == m_shownStamps)
            continue;
        const QString pending = m_pendingStatus;
        showOrder(number, false);
        if (!pending.isEmpty() && m_shownNumber == number) {
            m_pendingStatus = pending;
            dbOrder[4]->setText(ui::shownValue(pending));
        }
        break;
    }
}
