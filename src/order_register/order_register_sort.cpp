// Sorting the order register by a column: numbers, dates and amounts by value, texts as Swedish
// sorts them, each way round keeping equal rows in the order list file's order.
#include "order_register/order_register_model.h"

#include <QDate>
#include <algorithm>

namespace {
enum Rank { Value, Text, Empty, NotRead };

bool allDigits(const QString& text)
{
    // Up to 15 digits a double holds exactly.
    if (text.isEmpty() || text.size() > 15)
        return false;
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}
} // namespace

void OrderRegisterModel::sort(int column, Qt::SortOrder order)
{
    if (column != m_sortColumn) {
        for (Order& each : m_orders)
            each.key.reset();
    }
    m_sortColumn = column >= 0 && column < ColumnCount ? column : -1;
    m_sortOrder = order;
    m_resort.stop();
    relayout([this] { buildRows(); });
}

OrderRegisterModel::SortKey OrderRegisterModel::sortKey(Order& order, int position)
{
    SortKey key;
    if (m_sortColumn != Number && !order.summary) {
        key.rank = NotRead;
        return key;
    }
    const QString text = cellText(position, m_sortColumn);
    if (m_sortColumn == Amount) {
        key.rank = order.summary->amount ? Value : Empty;
        key.number = order.summary->amount.value_or(0);
        return key;
    }
    if (m_sortColumn == Number && allDigits(text)) {
        key.number = text.toDouble();
        return key;
    }
    if (m_sortColumn == Date) {
        const QDate date = QDate::fromString(text, Qt::ISODate);
        if (date.isValid()) {
            key.number = double(date.toJulianDay());
            return key;
        }
    }
    if (text.isEmpty()) {
        key.rank = Empty;
        return key;
    }
    if (!order.key)
        order.key = m_collator.sortKey(text);
    key.rank = Text;
    key.text = &*order.key;
    return key;
}

void OrderRegisterModel::sortRows(QVector<int>* rows)
{
    // One key per order, shared by its equal entries.
    std::vector<SortKey> keys(size_t(m_orders.size()));
    std::vector<bool> made(size_t(m_orders.size()), false);
    for (int position : qAsConst(*rows)) {
        const int order = m_orderOf.at(position);
        if (!made[size_t(order)]) {
            keys[size_t(order)] = sortKey(m_orders[size_t(order)], position);
            made[size_t(order)] = true;
        }
    }
    const bool descending = m_sortOrder == Qt::DescendingOrder;
    // Values not read yet or empty stay last either way round.
    std::stable_sort(rows->begin(), rows->end(), [&](int a, int b) {
        const SortKey& x = keys[size_t(m_orderOf.at(a))];
        const SortKey& y = keys[size_t(m_orderOf.at(b))];
        if (x.rank != y.rank)
            return x.rank < y.rank;
        int compared = 0;
        if (x.rank == Value)
            compared = x.number < y.number ? -1 : (y.number < x.number ? 1 : 0);
        else if (x.rank == Text)
            compared = x.text->compare(*y.text);
        return descending ? compared > 0 : compared < 0;
    });
}
