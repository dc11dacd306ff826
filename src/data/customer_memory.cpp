#include "data/customer_memory.h"

#include <algorithm>

namespace data {

void CustomerMemory::add(int order, const Recency& when, const RememberedCustomer& customer)
{
    QVector<Use>& uses = m_uses[customer.number];
    unindex(uses);
    uses.append(
        {order, when, m_strings.id(customer.name), m_strings.id(customer.areaCode), m_strings.id(customer.phone)});
    index(customer.number, uses);
}

void CustomerMemory::remove(int order, const QString& number)
{
    const auto found = m_uses.find(number);
    if (found == m_uses.end())
        return;
    unindex(*found);
    found->erase(std::remove_if(found->begin(), found->end(), [order](const Use& use) { return use.order == order; }),
                 found->end());
    if (found->isEmpty())
        m_uses.erase(found);
    else
        index(number, *found);
}

void CustomerMemory::clear()
{
    m_strings.clear();
    m_uses.clear();
    m_newest.clear();
}

const CustomerMemory::Use& CustomerMemory::newestUse(const QVector<Use>& uses) const
{
    return *std::max_element(uses.cbegin(), uses.cend(), [](const Use& a, const Use& b) { return a.when < b.when; });
}

RememberedCustomer CustomerMemory::values(const QString& number, const Use& use) const
{
    return {number, m_strings.text(use.name), m_strings.text(use.areaCode), m_strings.text(use.phone)};
}

void CustomerMemory::unindex(const QVector<Use>& uses)
{
    if (!uses.isEmpty())
        m_newest.erase(newestUse(uses).when);
}

void CustomerMemory::index(const QString& number, const QVector<Use>& uses)
{
    const Use& newest = newestUse(uses);
    m_newest[newest.when] = {number, number.toCaseFolded(), m_strings.text(newest.name).toCaseFolded()};
}

std::optional<RememberedCustomer> CustomerMemory::customer(const QString& number) const
{
    const auto found = m_uses.constFind(number);
    if (found == m_uses.cend())
        return std::nullopt;
    return values(number, newestUse(*found));
}

QVector<RememberedCustomer> CustomerMemory::suggestions(const QString& typed, int limit) const
{
    QVector<RememberedCustomer> found;
    const QString folded = typed.toCaseFolded();
    for (auto it = m_newest.crbegin(); it != m_newest.crend() && found.size() < limit; ++it) {
        if (it->second.foldedNumber.startsWith(folded) || it->second.foldedName.contains(folded))
            found.append(*customer(it->second.number));
    }
    return found;
}

} // namespace data
