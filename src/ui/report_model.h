#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <QVector>

namespace ui {

// Rows of texts for the report list view: column 0 is the row's text, the others its sub-items.
class ReportModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit ReportModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    void addColumn(const QString& header);
    void setHeader(int column, const QString& header);
    QString header(int column) const;

    int appendRow(const QStringList& cells);
    void appendRows(const QVector<QStringList>& rows);
    void setRow(int row, const QStringList& cells);
    void removeRow(int row);
    void clear();
    QString cell(int row, int column) const;

private:
    QStringList m_headers;
    QVector<QStringList> m_rows;
};

} // namespace ui
