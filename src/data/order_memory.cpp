#include "data/order_memory.h"

#include "data/order_files.h"

namespace data {

namespace {

// "YYYY-MM-DD" as the number YYYYMMDD, so that dates compare as they follow each other; a date
// written otherwise counts as older than any.
int dateKey(const QString& date)
{
    if (date.size() != 10 || date.at(4) != QLatin1Char('-') || date.at(7) != QLatin1Char('-'))
        return 0;
    int key = 0;
    for (int i : {0, 1, 2, 3, 5, 6, 8, 9}) {
        const char16_t digit = date.at(i).unicode();
        if (digit < u'0' || digit > u'9')
            return 0;
        key = key * 10 + (digit - u'0');
    }
    return key;
}
} // namespace

void OrderMemory::put(const OrderFacts& facts)
{
    const auto known = m_orders.constFind(facts.number);
    const int seen = known != m_orders.cend() ? known->seen : m_nextSeen++;
    forget(facts.number);
    Order& order = m_orders[facts.number];
    order.seen = seen;
    order.stamps = facts.stamps;
    if (facts.values.size() < kOrderDataLines)
        return;
    const QStringList& values = facts.values;
    Recency when{dateKey(values.at(OrderDataLine::OrderDate)), seen, 0};
    order.customer = values.at(OrderDataLine::CustomerNumber);
    if (!order.customer.isEmpty())
        m_customers.add(seen, when,
                        {order.customer, values.at(OrderDataLine::CustomerName), values.at(OrderDataLine::AreaCode),
                         values.at(OrderDataLine::Telephone)});
    for (const OrderLine& line : facts.lines) {
        ++when.line;
        if (line.articleNumber.isEmpty())
            continue;
        order.articles.append(m_articles.add(seen, when, values.at(OrderDataLine::SupplierNumber), line));
    }
}

void OrderMemory::forget(const QString& number)
{
    const auto found = m_orders.constFind(number);
    if (found == m_orders.cend())
        return;
    if (!found->customer.isEmpty())
        m_customers.remove(found->seen, found->customer);
    m_articles.remove(found->seen, found->articles);
    m_orders.erase(found);
}

void OrderMemory::clear()
{
    m_orders.clear();
    m_articles.clear();
    m_customers.clear();
}

std::optional<OrderStamps> OrderMemory::stampsOf(const QString& number) const
{
    const auto found = m_orders.constFind(number);
    if (found == m_orders.cend())
        return std::nullopt;
    return found->stamps;
}

QHash<QString, OrderStamps> OrderMemory::allStamps() const
{
    QHash<QString, OrderStamps> stamps;
    stamps.reserve(m_orders.size());
    for (auto it = m_orders.cbegin(); it != m_orders.cend(); ++it)
        stamps.insert(it.key(), it->stamps);
    return stamps;
}

} // namespace data
