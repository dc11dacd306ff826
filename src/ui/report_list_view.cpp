#include "ui/report_list_view.h"

#include "ui/twips.h"

#include <QHeaderView>

namespace ui {

ReportListView::ReportListView(QWidget* parent) : QTreeView(parent), m_model(new ReportModel(this))
{
    setModel(m_model);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setAllColumnsShowFocus(false);
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { Q_EMIT rowSelected(current.isValid() ? current.row() : -1); });
}

void ReportListView::addColumn(const QString& header, int widthTwips)
{
    m_model->addColumn(header);
    setColumnWidth(m_model->columnCount() - 1, twipsToPixels(widthTwips));
}

int ReportListView::columnCount() const
{
    return m_model->columnCount();
}

void ReportListView::setColumnHeaderText(int position, const QString& text)
{
    m_model->setHeader(position - 1, text);
}

QString ReportListView::columnHeaderText(int position) const
{
    return m_model->header(position - 1);
}

int ReportListView::addRow(const QString& text, const QStringList& subItems)
{
    QStringList cells{text};
    cells += subItems;
    const int row = m_model->appendRow(cells);
    selectFirstRowIfNone();
    return row;
}

void ReportListView::addRows(const QVector<QStringList>& rows)
{
    m_model->appendRows(rows);
    selectFirstRowIfNone();
}

void ReportListView::setRow(int row, const QString& text, const QStringList& subItems)
{
    m_model->setRow(row, QStringList{text} + subItems);
}

void ReportListView::removeRow(int row)
{
    m_model->removeRow(row);
    selectFirstRowIfNone();
}

void ReportListView::clearRows()
{
    m_model->clear();
}

int ReportListView::rowCount() const
{
    return m_model->rowCount();
}

QString ReportListView::itemText(int row) const
{
    return m_model->cell(row, 0);
}

QString ReportListView::subItem(int row, int index) const
{
    return m_model->cell(row, index);
}

int ReportListView::selectedRow() const
{
    const QModelIndex current = selectionModel()->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void ReportListView::selectRow(int row)
{
    if (row < 0 || row >= m_model->rowCount())
        return;
    selectionModel()->setCurrentIndex(m_model->index(row, 0),
                                      QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void ReportListView::selectFirstRowIfNone()
{
    if (selectedRow() < 0 && m_model->rowCount() > 0)
        selectRow(0);
}

qintptr ReportListView::sendMessage(unsigned message, quintptr wParam, qintptr lParam)
{
    switch (message) {
    case kLvmGetExtendedListViewStyle:
        return m_extendedStyle;
    case kLvmSetExtendedListViewStyle: {
        const qintptr previous = m_extendedStyle;
        const qintptr mask = wParam == 0 ? ~qintptr(0) : qintptr(wParam);
        m_extendedStyle = (m_extendedStyle & ~mask) | (lParam & mask);
        const bool fullRow = fullRowSelect();
        setSelectionBehavior(fullRow ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems);
        setAllColumnsShowFocus(fullRow);
        return previous;
    }
    default:
        return 0;
    }
}

} // namespace ui
