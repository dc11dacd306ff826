#pragma once

#include "data/order_line.h"
#include "data/recency.h"
#include "data/string_pool.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>
#include <set>
#include <utility>

namespace data {

// What is filled in for an article number used before.
struct RememberedLine
{
    QString description;
    QString unitPrice;
    QString unit;

    bool operator==(const RememberedLine& other) const
    {
        return description == other.description && unitPrice == other.unitPrice && unit == other.unit;
    }
};

// The article numbers of the remembered orders' lines, each with every line that used it, so that
// forgetting an order brings back what the lines before it said.
class ArticleMemory
{
public:
    // Remembers a line of the order counted as `order`, ordered from `supplier`; gives the number
    // the article is known by.
    int add(int order, const Recency& when, const QString& supplier, const OrderLine& line);
    // Forgets the lines of `order`; `articles` are what add() gave for them.
    void remove(int order, const QVector<int>& articles);
    void clear();

    // Without the indexes, taking in a hundred thousand orders costs a fraction of the time, but
    // nothing is suggested; they are built whole again when turned back on.
    void setIndexed(bool indexed);

    // The most recent line with this article number ordered from `supplier`, else from anyone.
    std::optional<RememberedLine> line(const QString& article, const QString& supplier) const;

    // At most `limit` article numbers that begin with `typed`, capitals or not: those ordered from
    // `supplier` first, most recent first, then the others, most recent first.
    QStringList suggestions(const QString& typed, const QString& supplier, int limit) const;

private:
    struct Use
    {
        int order;
        Recency when;
        int supplier;
        int description;
        int unitPrice;
        int unit;
    };
    struct Article
    {
        QString number;
        QString folded;
        QVector<Use> uses;
        Recency newest;
        // The most recent use from each supplier.
        QVector<std::pair<int, Recency>> newestFrom;
    };
    using Ranking = std::set<std::pair<Recency, int>>;

    Recency newestFrom(const Article& article, int supplier, bool* found) const;
    void moveInRanking(Ranking* ranking, const Recency& from, const Recency& to, int id);
    void unindex(int id);
    void index(int id);

    StringPool m_strings;
    QVector<Article> m_articles;
    QHash<QString, int> m_ids;
    // Articles in use by their case-folded numbers, for the ones that begin with what is typed.
    std::set<std::pair<QString, int>> m_byNumber;
    bool m_indexed = true;
    // Articles in use by their most recent use, and by their most recent use from each supplier.
    Ranking m_newest;
    QHash<int, Ranking> m_newestFrom;
};

} // namespace data
