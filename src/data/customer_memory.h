#pragma once

#include "data/recency.h"
#include "data/string_pool.h"

#include <QHash>
#include <QString>
#include <QVector>
#include <map>
#include <optional>

namespace data {

// A customer as an order of theirs names them.
struct RememberedCustomer
{
    QString number;
    QString name;
    QString areaCode;
    QString phone;

    bool operator==(const RememberedCustomer& other) const
    {
        return number == other.number && name == other.name && areaCode == other.areaCode && phone == other.phone;
    }
};

// The customers of the remembered orders, each with every order that names them, so that
// forgetting an order brings back what the one before it said.
class CustomerMemory
{
public:
    void add(int order, const Recency& when, const RememberedCustomer& customer);
    void remove(int order, const QString& number);
    void clear();

    // The customer as their most recent order names them.
    std::optional<RememberedCustomer> customer(const QString& number) const;

    // At most `limit` customers whose number begins with `typed` or whose name holds it, capitals or
    // not, the most recent first.
    QVector<RememberedCustomer> suggestions(const QString& typed, int limit) const;

private:
    struct Use
    {
        int order;
        Recency when;
        int name;
        int areaCode;
        int phone;
    };
    struct Newest
    {
        QString number;
        QString foldedNumber;
        QString foldedName;
    };

    const Use& newestUse(const QVector<Use>& uses) const;
    RememberedCustomer values(const QString& number, const Use& use) const;
    void unindex(const QVector<Use>& uses);
    void index(const QString& number, const QVector<Use>& uses);

    StringPool m_strings;
    QHash<QString, QVector<Use>> m_uses;
    // Every customer by their most recent order.
    std::map<Recency, Newest> m_newest;
};

} // namespace data
