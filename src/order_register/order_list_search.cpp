// The order list's entries and the search that filters them: by order number as the clerk types,
// then through the order data files after a pause, and to the orders still to be delivered, with
// which entry is selected kept across them.
#include "data/order_search.h"
#include "order_register/order_list_window.h"
#include "order_register/order_register_model.h"
#include "order_register/order_search_runner.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QProgressBar>
#include <QTableView>
#include <QTimer>
#include <algorithm>

QStringList frmOrderLista::entries() const
{
    return m_register->entries();
}

int frmOrderLista::selectedEntry() const
{
    const QModelIndexList cells = List1->selectionModel()->selectedIndexes();
    return cells.isEmpty() ? -1 : m_register->entryAt(cells.first().row());
}

bool frmOrderLista::reselect(int position)
{
    const int row = m_register->rowOf(position);
    if (row < 0)
        return false;
    const bool quiet = m_quiet;
    m_quiet = true;
    const QModelIndex index = m_register->index(row, 0);
    List1->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    List1->scrollTo(index);
    m_quiet = quiet;
    return true;
}

bool frmOrderLista::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == List1 && event->type() == QEvent::KeyPress && selectedEntry() >= 0) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Command3_Click();
            return true;
        }
    }
    if (watched == txtSok && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Escape) {
            clearSearch();
            return true;
        }
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            startFullSearch();
            return true;
        }
    }
    // Focus puts the cursor on the first entry without selecting it; like a list box, the first
    // arrow key then selects that entry instead of skipping past it.
    if (watched == List1 && event->type() == QEvent::KeyPress && selectedEntry() < 0) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const QModelIndex current = List1->currentIndex();
        if ((key == Qt::Key_Down || key == Qt::Key_Up) && current.isValid()) {
            List1->selectionModel()->select(current, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
            return true;
        }
    }
    return ui::Form::eventFilter(watched, event);
}

void frmOrderLista::onSelectionChanged(const QItemSelection& selected, const QItemSelection& deselected)
{
    if (m_quiet)
        return;
    if (selected.isEmpty()) {
        // A list box always keeps its one selected entry; Ctrl+click does not take it away.
        const QModelIndexList previous = deselected.indexes();
        if (!previous.isEmpty() && previous.first().isValid()) {
            m_quiet = true;
            List1->selectionModel()->select(previous.first(), QItemSelectionModel::Select | QItemSelectionModel::Rows);
            m_quiet = false;
        }
        return;
    }
    List1_Click();
}

void frmOrderLista::searchTextChanged()
{
    m_search->cancel();
    showReading();
    const QString term = data::searchTerm(txtSok->text());
    if (term.isEmpty()) {
        m_searchPause->stop();
        showRows(false, {});
        return;
    }
    QVector<int> rows;
    const QStringList& all = m_register->entries();
    for (int i = 0; i < all.size(); ++i) {
        if (data::numberMatches(all.at(i), term))
            rows.append(i);
    }
    showRows(true, rows);
    m_searchPause->start();
}

void frmOrderLista::startFullSearch()
{
    m_searchPause->stop();
    const QString term = data::searchTerm(txtSok->text());
    if (term.isEmpty())
        return;
    searchProgress(0, int(m_register->entries().size()));
    prgSok->setVisible(true);
    m_search->start(m_register->entries(), term);
}

void frmOrderLista::searchProgress(int done, int total)
{
    const QLocale swedish(QLocale::Swedish, QLocale::Sweden);
    prgSok->setRange(0, std::max(total, 1));
    prgSok->setValue(done);
    prgSok->setFormat(msgSoker->text().arg(swedish.toString(done), swedish.toString(total)));
}

void frmOrderLista::searchFinished(const QVector<int>& rows)
{
    showReading();
    showRows(true, rows);
}

void frmOrderLista::clearSearch()
{
    m_searchPause->stop();
    m_search->cancel();
    showReading();
    const QSignalBlocker quiet(txtSok);
    txtSok->clear();
    showRows(false, {});
}

void frmOrderLista::showRows(bool filtered, const QVector<int>& rows)
{
    changeRows([&] { m_register->setFilter(filtered, rows); });
}

void frmOrderLista::onlyUndeliveredToggled(bool only)
{
    changeRows([&] { m_register->setOnlyUndelivered(only); });
    showReading();
}

void frmOrderLista::showReading()
{
    if (m_search->isRunning())
        return;
    const bool reading = m_register->onlyUndelivered() && m_register->ordersRead() < m_register->orderCount();
    if (reading)
        searchProgress(m_register->ordersRead(), m_register->orderCount());
    prgSok->setVisible(reading);
}

void frmOrderLista::rowsRearranged()
{
    if (!m_shownNumber.isEmpty() && selectedEntry() < 0)
        clearOrder();
}

void frmOrderLista::changeRows(const std::function<void()>& change)
{
    const int selected = selectedEntry();
    m_quiet = true;
    change();
    const bool kept = selected >= 0 && reselect(selected);
    m_quiet = false;
    // An order no longer in the list is no longer shown either.
    if (selected >= 0 && !kept)
        clearOrder();
}
