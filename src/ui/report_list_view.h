#pragma once

#include "ui/report_model.h"

#include <QTreeView>

namespace ui {

// The extended-style messages of the common-controls list view, answered by ReportListView::sendMessage.
constexpr unsigned kLvmSetExtendedListViewStyle = 0x1036;
constexpr unsigned kLvmGetExtendedListViewStyle = 0x1037;
constexpr qintptr kLvsExFullRowSelect = 0x20;

// A list view in report view: columns with header texts and widths in twips, rows of a text
// and sub-items, one selected row. Backed by a model so that tens of thousands of rows stay quick.
class ReportListView : public QTreeView
{
    Q_OBJECT

public:
    explicit ReportListView(QWidget* parent = nullptr);

    void addColumn(const QString& header, int widthTwips);
    int columnCount() const;
    // Column positions count from 1, left to right.
    void setColumnHeaderText(int position, const QString& text);
    QString columnHeaderText(int position) const;

    // Appends a row; sub-items count from 1 (sub-item 1 is the second column).
    int addRow(const QString& text, const QStringList& subItems);
    void addRows(const QVector<QStringList>& rows);
    void setRow(int row, const QString& text, const QStringList& subItems);
    void removeRow(int row);
    void clearRows();
    int rowCount() const;
    QString itemText(int row) const;
    QString subItem(int row, int index) const;

    // -1 when no row is selected.
    int selectedRow() const;
    void selectRow(int row);

    // The extended-style messages; only full-row selection has an effect here, other bits are kept.
    qintptr sendMessage(unsigned message, quintptr wParam, qintptr lParam);
    bool fullRowSelect() const { return m_extendedStyle & kLvsExFullRowSelect; }

Q_SIGNALS:
    void rowSelected(int row);

private:
    void selectFirstRowIfNone();

    ReportModel* m_model;
    qintptr m_extendedStyle = 0;
};

} // namespace ui
