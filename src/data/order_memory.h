#pragma once

#include "data/article_memory.h"
#include "data/customer_memory.h"
#include "data/order_facts.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>

namespace data {

// What the saved orders teach: the articles ordered before and the customers ordered for, each as
// the most recent order says. Not shared between threads by itself.
class OrderMemory
{
public:
    // Takes in what an order's files hold now, in place of what was remembered of it. An order whose
    // data file is damaged or odd teaches nothing, but its stamps are kept so it is not read again
    // until it changes.
    void put(const OrderFacts& facts);
    void forget(const QString& number);
    void clear();
    // Off while a whole folder is taken in: see ArticleMemory::setIndexed().
    void setIndexed(bool indexed) { m_articles.setIndexed(indexed); }

    bool knows(const QString& number) const { return m_orders.contains(number); }
    // The stamps of the order's files as they stood when they were read.
    std::optional<OrderStamps> stampsOf(const QString& number) const;
    QHash<QString, OrderStamps> allStamps() const;

    const ArticleMemory& articles() const { return m_articles; }
    const CustomerMemory& customers() const { return m_customers; }

private:
    struct Order
    {
        int seen; // orders first read or saved later count higher
        OrderStamps stamps;
        QString customer;
        QVector<int> articles;
    };

    QHash<QString, Order> m_orders;
    int m_nextSeen = 0;
    ArticleMemory m_articles;
    CustomerMemory m_customers;
};

} // namespace data
