// The order list's entries and the search that filters them: by order number as the clerk types,
// then through the order data files after a pause, with which entry is selected kept across both.
#include "data/order_search.h"
#include "order_register/order_list_window.h"
#include "order_register/order_search_runner.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QLocale>
#include <QProgressBar>
#include <QStringListModel>
#include <QTimer>
#include <algorithm>

QStringList frmOrderLista::entries() const
{
    return m_all;
}

int frmOrderLista::selectedEntry() const
{
    const QModelIndexList rows = List1->selectionModel()->selectedRows();
    if (rows.isEmpty())
        return -1;
    const int row = rows.first().row();
    return m_filtered ? m_rows.value(row, -1) : row;
}

int frmOrderLista::shownRowOf(int entry) const
{
    if (!m_filtered)
        return entry;
    const auto it = std::lower_bound(m_rows.cbegin(), m_rows.cend(), entry);
    return it != m_rows.cend() && *it == entry ? int(it - m_rows.cbegin()) : -1;
}

bool frmOrderLista::eventFilter(QObject* watched, QEvent* event)
{
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
            List1->selectionModel()->select(current, QItemSelectionModel::ClearAndSelect);
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
            List1->selectionModel()->select(previous.first(), QItemSelectionModel::Select);
            m_quiet = false;
        }
        return;
    }
    List1_Click();
}

void frmOrderLista::searchTextChanged()
{
    m_search->cancel();
    prgSok->setVisible(false);
    const QString term = data::searchTerm(txtSok->text());
    if (term.isEmpty()) {
        m_searchPause->stop();
        showRows(false, {});
        return;
    }
    QVector<int> rows;
    for (int i = 0; i < m_all.size(); ++i) {
        if (data::numberMatches(m_all.at(i), term))
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
    searchProgress(0, m_all.size());
    prgSok->setVisible(true);
    m_search->start(m_all, term);
}

void frmOrderLista::searchProgress(int done, int total)
{
    const QLocale swedish(QLocale::Swedish, QLocale::Sweden);
    prgSok->setRange(0, std::max(total, 1));
    prgSok->setValue(done);
    prgSok->setFormat(QStringLiteral("Söker… %1 av %2").arg(swedish.toString(done), swedish.toString(total)));
}

void frmOrderLista::searchFinished(const QVector<int>& rows)
{
    prgSok->setVisible(false);
    showRows(true, rows);
}

void frmOrderLista::clearSearch()
{
    m_searchPause->stop();
    m_search->cancel();
    prgSok->setVisible(false);
    const QSignalBlocker quiet(txtSok);
    txtSok->clear();
    showRows(false, {});
}

void frmOrderLista::showRows(bool filtered, const QVector<int>& rows)
{
    const int selected = selectedEntry();
    m_filtered = filtered;
    m_rows = filtered ? rows : QVector<int>();
    QStringList shown;
    if (filtered) {
        shown.reserve(rows.size());
        for (int row : rows)
            shown.append(m_all.at(row));
    } else {
        shown = m_all;
    }
    m_quiet = true;
    m_entries->setStringList(shown);
    const int row = selected >= 0 ? shownRowOf(selected) : -1;
    if (row >= 0) {
        const QModelIndex index = m_entries->index(row);
        List1->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
        List1->scrollTo(index);
    }
    m_quiet = false;
    // An order no longer in the list is no longer shown either.
    if (selected >= 0 && row < 0)
        clearOrder();
}
