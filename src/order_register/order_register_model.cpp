#include "order_register/order_register_model.h"

#include "data/order_status.h"
#include "data/order_total.h"
#include "ui/window_helpers.h"

#include <QColor>
#include <QLocale>
#include <numeric>

namespace {
// Summaries come in batches many times a second while the register fills.
constexpr int kResortMs = 300;
// "5, Levererad": every line has arrived or its rest is closed.
constexpr int kDelivered = 5;
} // namespace

OrderRegisterModel::OrderRegisterModel(QObject* parent)
    : QAbstractTableModel(parent), m_collator(QLocale(QLocale::Swedish, QLocale::Sweden)),
      m_captions{QStringLiteral("Ordernr"),    QStringLiteral("Orderdatum"), QStringLiteral("Kund"),
                 QStringLiteral("Leverantör"), QStringLiteral("Status"),     QStringLiteral("Summa")}
{
    // "K-2" before "K-10"; case makes no order of its own.
    m_collator.setNumericMode(true);
    m_collator.setCaseSensitivity(Qt::CaseInsensitive);
    m_resort.setSingleShot(true);
    m_resort.setInterval(kResortMs);
    connect(&m_resort, &QTimer::timeout, this, [this] { relayout([this] { buildRows(); }); });
}

int OrderRegisterModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_shown.size());
}

int OrderRegisterModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString OrderRegisterModel::cellText(int position, int column) const
{
    static const data::OrderSummary notRead;
    const Order& order = orderAt(position);
    const data::OrderSummary& summary = order.summary ? *order.summary : notRead;
    switch (column) {
    case Number:
        return m_entries.at(position);
    case Date:
        return summary.date;
    case Customer:
        // Where the order's files cannot be read, the row says why instead.
        return summary.problem.isEmpty() ? summary.customer : summary.problem;
    case Supplier:
        return summary.supplier;
    case Status:
        return summary.status;
    case Amount:
        return summary.amount ? data::formatAmount(*summary.amount) : QString();
    default:
        return QString();
    }
}

QVariant OrderRegisterModel::data(const QModelIndex& index, int role) const
{
    const int position = entryAt(index.row());
    if (position < 0 || index.column() < 0 || index.column() >= ColumnCount)
        return QVariant();
    const Order& order = orderAt(position);
    switch (role) {
    case Qt::DisplayRole:
        return ui::shownValue(cellText(position, index.column()));
    case Qt::EditRole:
        return cellText(position, index.column());
    case Qt::ToolTipRole:
        if (index.column() == Amount && order.summary && order.summary->amount)
            return data::totalText({*order.summary->amount, order.summary->linesLeftOut});
        return ui::shownValue(cellText(position, index.column()));
    case Qt::ForegroundRole:
        if (index.column() == Customer && order.summary && !order.summary->problem.isEmpty())
            return QColor(192, 0, 0);
        return QVariant();
    case Qt::TextAlignmentRole:
        if (index.column() == Amount)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    default:
        return QVariant();
    }
}

QVariant OrderRegisterModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return QVariant();
    if (role == Qt::DisplayRole)
        return m_captions.value(section);
    if (role == Qt::TextAlignmentRole && section == Amount)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    return QVariant();
}

bool OrderRegisterModel::setHeaderData(int section, Qt::Orientation orientation, const QVariant& value, int role)
{
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount ||
        (role != Qt::EditRole && role != Qt::DisplayRole))
        return false;
    m_captions[section] = value.toString();
    Q_EMIT headerDataChanged(orientation, section, section);
    return true;
}

QVector<int> OrderRegisterModel::setEntries(const QStringList& entries)
{
    QVector<int> moved(m_entries.size(), -1);
    QHash<QString, int> index;
    index.reserve(entries.size());
    std::vector<Order> orders;
    orders.reserve(size_t(entries.size()));
    QVector<int> orderOf(entries.size());
    int unread = 0;
    for (int i = 0; i < entries.size(); ++i) {
        auto it = index.constFind(entries.at(i));
        if (it == index.constEnd()) {
            const int old = m_orderIndex.value(entries.at(i), -1);
            it = index.insert(entries.at(i), int(orders.size()));
            orders.push_back(old >= 0 ? std::move(m_orders[size_t(old)]) : Order());
            orders.back().number = entries.at(i);
            orders.back().uses = 0;
            unread += orders.back().summary ? 0 : 1;
        }
        orderOf[i] = *it;
        ++orders[size_t(*it)].uses;
    }

    // The n-th entry of a number before is the n-th one now: the positions of each order, in order.
    QVector<int> first(qsizetype(orders.size()) + 1, 0);
    for (int order : orderOf)
        ++first[order + 1];
    std::partial_sum(first.begin(), first.end(), first.begin());
    QVector<int> positions(entries.size());
    QVector<int> filled = first;
    for (int i = 0; i < entries.size(); ++i)
        positions[filled[orderOf[i]]++] = i;
    QVector<int> seen(qsizetype(m_orders.size()), 0);
    for (int i = 0; i < m_entries.size(); ++i) {
        const int occurrence = seen[m_orderOf[i]]++;
        const auto it = index.constFind(m_entries.at(i));
        if (it != index.constEnd() && first[*it] + occurrence < first[*it + 1])
            moved[i] = positions[first[*it] + occurrence];
    }

    beginResetModel();
    m_entries = entries;
    m_orderOf = std::move(orderOf);
    m_orders = std::move(orders);
    m_orderIndex = std::move(index);
    m_unread = unread;
    QVector<int> filter;
    for (int position : qAsConst(m_filter)) {
        if (moved.value(position, -1) >= 0)
            filter.append(moved.at(position));
    }
    std::sort(filter.begin(), filter.end());
    m_filter = filter;
    buildRows();
    endResetModel();
    return moved;
}

void OrderRegisterModel::removeEntry(int position)
{
    if (position < 0 || position >= m_entries.size())
        return;
    const int row = rowOf(position);
    if (row >= 0)
        beginRemoveRows(QModelIndex(), row, row);
    Order& order = m_orders[size_t(m_orderOf.at(position))];
    if (--order.uses == 0) {
        m_orderIndex.remove(m_entries.at(position));
        m_unread -= order.summary ? 0 : 1;
    }
    m_entries.removeAt(position);
    m_orderOf.remove(position);
    for (QVector<int>* rows : {&m_filter, &m_shown}) {
        rows->removeOne(position);
        for (int& shown : *rows) {
            if (shown > position)
                --shown;
        }
    }
    m_rowOf.remove(position);
    for (int& shownRow : m_rowOf) {
        if (shownRow > row && row >= 0)
            --shownRow;
    }
    if (row >= 0)
        endRemoveRows();
}

void OrderRegisterModel::setFilter(bool filtered, const QVector<int>& positions)
{
    beginResetModel();
    m_filtered = filtered;
    m_filter = filtered ? positions : QVector<int>();
    buildRows();
    endResetModel();
}

void OrderRegisterModel::setOnlyUndelivered(bool only)
{
    beginResetModel();
    m_onlyUndelivered = only;
    buildRows();
    endResetModel();
}

void OrderRegisterModel::settle()
{
    if (!m_resort.isActive())
        return;
    m_resort.stop();
    relayout([this] { buildRows(); });
}

void OrderRegisterModel::listedOrders(QStringList* numbers, QVector<data::OrderStamps>* stamps) const
{
    numbers->clear();
    stamps->clear();
    numbers->reserve(m_orderIndex.size());
    stamps->reserve(m_orderIndex.size());
    for (const Order& order : m_orders) {
        if (order.uses == 0)
            continue;
        numbers->append(order.number);
        stamps->append(order.summary ? order.summary->stamps : data::OrderStamps());
    }
}

std::optional<data::OrderStamps> OrderRegisterModel::stampsRead(const QString& number) const
{
    const auto it = m_orderIndex.constFind(number);
    if (it == m_orderIndex.constEnd() || !m_orders.at(size_t(*it)).summary)
        return std::nullopt;
    return m_orders.at(size_t(*it)).summary->stamps;
}

void OrderRegisterModel::takeSummaries(const QVector<data::OrderSummary>& summaries)
{
    bool taken = false;
    bool refilter = false;
    for (const data::OrderSummary& summary : summaries) {
        const auto it = m_orderIndex.constFind(summary.number);
        if (it == m_orderIndex.constEnd())
            continue;
        Order& order = m_orders[size_t(*it)];
        if (order.summary && summary.readAt < order.summary->readAt)
            continue;
        const bool wasShown = order.summary && !order.delivered;
        if (!order.summary && order.uses > 0)
            --m_unread;
        order.summary = std::make_unique<data::OrderSummary>(summary);
        order.key.reset();
        // A status that is no number reads as 0, as a clerk's hand-written one would.
        order.delivered = data::statusId(summary.status) >= kDelivered;
        refilter = refilter || wasShown != !order.delivered;
        taken = true;
    }
    if (!taken)
        return;
    if (!m_shown.isEmpty())
        Q_EMIT dataChanged(index(0, Date), index(int(m_shown.size()) - 1, Amount));
    if ((m_sortColumn > Number || (m_onlyUndelivered && refilter)) && !m_resort.isActive())
        m_resort.start();
}

void OrderRegisterModel::relayout(const std::function<void()>& change)
{
    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    QVector<int> positions;
    positions.reserve(before.size());
    for (const QModelIndex& index : before)
        positions.append(entryAt(index.row()));
    change();
    QModelIndexList after;
    after.reserve(before.size());
    for (int i = 0; i < before.size(); ++i) {
        const int row = rowOf(positions.at(i));
        after.append(row >= 0 ? index(row, before.at(i).column()) : QModelIndex());
    }
    changePersistentIndexList(before, after);
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void OrderRegisterModel::buildRows()
{
    if (m_filtered) {
        m_shown = m_filter;
    } else {
        m_shown.resize(m_entries.size());
        std::iota(m_shown.begin(), m_shown.end(), 0);
    }
    if (m_onlyUndelivered)
        m_shown.erase(std::remove_if(m_shown.begin(), m_shown.end(), [this](int p) { return !undelivered(p); }),
                      m_shown.end());
    if (m_sortColumn >= 0)
        sortRows(&m_shown);
    m_rowOf.fill(-1, m_entries.size());
    for (int row = 0; row < m_shown.size(); ++row)
        m_rowOf[m_shown.at(row)] = row;
}

bool OrderRegisterModel::undelivered(int position) const
{
    const Order& order = orderAt(position);
    return order.summary && !order.delivered;
}
