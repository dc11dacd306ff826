#pragma once

#include "data/order_summary.h"

#include <QAbstractTableModel>
#include <QCollator>
#include <QHash>
#include <QStringList>
#include <QTimer>
#include <QVector>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

// The order register as a table: one row per order list entry, with its number at once and the
// order's date, customer, supplier, status and amount once they are read. The rows can be
// filtered and sorted; positions ("entries") always count in the order list file's order.
// Sorting is in order_register_sort.cpp.
class OrderRegisterModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { Number, Date, Customer, Supplier, Status, Amount, ColumnCount };

    explicit OrderRegisterModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    // The language gives the columns their captions.
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant& value,
                       int role = Qt::EditRole) override;
    // Column -1 is the order list file's order.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    const QStringList& entries() const { return m_entries; }
    // Takes the list as read again. An order keeps what was read of it while it is listed. Returns
    // the new position of each former entry, -1 for one that is gone; the n-th entry of a number
    // stays the n-th.
    QVector<int> setEntries(const QStringList& entries);
    void removeEntry(int position);

    // Shows only the entries at `positions` (ascending), or every entry.
    void setFilter(bool filtered, const QVector<int>& positions);
    bool isFiltered() const { return m_filtered; }
    // Shows, of those, only the orders still to be delivered: read, with a status whose id is below
    // "5, Levererad". The rows follow the orders as they are read.
    void setOnlyUndelivered(bool only);
    bool onlyUndelivered() const { return m_onlyUndelivered; }
    // How many listed orders there are and how many of them have been read.
    int orderCount() const { return int(m_orderIndex.size()); }
    int ordersRead() const { return orderCount() - m_unread; }
    // Rows that wait to be sorted or filtered anew are so now.
    void settle();
    int entryAt(int row) const { return m_shown.value(row, -1); }
    int rowOf(int position) const { return m_rowOf.value(position, -1); }

    // Whether an entry with this text is listed.
    bool lists(const QString& number) const { return m_orderIndex.contains(number); }
    // Every listed order once, with the stamps of its files as last read, to read again what changed.
    void listedOrders(QStringList* numbers, QVector<data::OrderStamps>* stamps) const;
    // The stamps of the order's files when it was last read; none when it is not read yet.
    std::optional<data::OrderStamps> stampsRead(const QString& number) const;
    // An older reading of an order than the one held is dropped.
    void takeSummaries(const QVector<data::OrderSummary>& summaries);

private:
    struct Order
    {
        QString number;
        // None until the order's files are read; kept apart, so that a register opens quickly.
        std::unique_ptr<data::OrderSummary> summary;
        int uses = 0;
        // Read with a status id of 5 or more; an order not read yet is not known to be delivered.
        bool delivered = false;
        // The key of this order in the sorted column, made when first needed.
        std::optional<QCollatorSortKey> key;
    };
    struct SortKey
    {
        int rank = 0; // numbers and dates, then texts, then empty values, then orders not read yet
        double number = 0;
        const QCollatorSortKey* text = nullptr;
    };

    const Order& orderAt(int position) const { return m_orders.at(size_t(m_orderOf.at(position))); }
    QString cellText(int position, int column) const;
    // Runs `change` on the shown rows, keeping the views' selection and current row on their entries.
    void relayout(const std::function<void()>& change);
    void buildRows();
    bool undelivered(int position) const;
    void sortRows(QVector<int>* rows);
    SortKey sortKey(Order& order, int position);

    QStringList m_entries;
    QVector<int> m_orderOf; // entry position to m_orders
    std::vector<Order> m_orders;
    QHash<QString, int> m_orderIndex;
    bool m_filtered = false;
    QVector<int> m_filter;
    bool m_onlyUndelivered = false;
    int m_unread = 0;     // listed orders without a summary
    QVector<int> m_shown; // row to entry position
    QVector<int> m_rowOf; // entry position to row, -1 when hidden
    int m_sortColumn = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
    QCollator m_collator;
    QStringList m_captions;
    // Orders read while the rows are sorted or filtered by what was read are sorted or filtered in
    // now and then, not one by one.
    QTimer m_resort;
};
