#include "ui/report_model.h"

#include "ui/window_helpers.h"

namespace ui {

ReportModel::ReportModel(QObject* parent) : QAbstractTableModel(parent) {}

int ReportModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int ReportModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_headers.size());
}

QVariant ReportModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    return shownValue(cell(index.row(), index.column()));
}

QVariant ReportModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return displayText(header(section));
}

void ReportModel::addColumn(const QString& header)
{
    const int column = int(m_headers.size());
    beginInsertColumns(QModelIndex(), column, column);
    m_headers.append(header);
    endInsertColumns();
}

void ReportModel::setHeader(int column, const QString& header)
{
    if (column < 0 || column >= m_headers.size())
        return;
    m_headers[column] = header;
    Q_EMIT headerDataChanged(Qt::Horizontal, column, column);
}

QString ReportModel::header(int column) const
{
    return m_headers.value(column);
}

int ReportModel::appendRow(const QStringList& cells)
{
    const int row = int(m_rows.size());
    beginInsertRows(QModelIndex(), row, row);
    m_rows.append(cells);
    endInsertRows();
    return row;
}

void ReportModel::appendRows(const QVector<QStringList>& rows)
{
    if (rows.isEmpty())
        return;
    const int first = int(m_rows.size());
    beginInsertRows(QModelIndex(), first, first + int(rows.size()) - 1);
    m_rows += rows;
    endInsertRows();
}

void ReportModel::setRow(int row, const QStringList& cells)
{
    if (row < 0 || row >= m_rows.size())
        return;
    m_rows[row] = cells;
    Q_EMIT dataChanged(index(row, 0), index(row, columnCount() - 1));
}

void ReportModel::removeRow(int row)
{
    if (row < 0 || row >= m_rows.size())
        return;
    beginRemoveRows(QModelIndex(), row, row);
    m_rows.removeAt(row);
    endRemoveRows();
}

void ReportModel::clear()
{
    beginResetModel();
    m_rows.clear();
    endResetModel();
}

QString ReportModel::cell(int row, int column) const
{
    if (row < 0 || row >= m_rows.size())
        return {};
    return m_rows.at(row).value(column);
}

} // namespace ui
