#include "data/article_memory.h"

#include <algorithm>
#include <vector>

namespace data {

namespace {
// Up to this many numbers that begin with what is typed are ranked one by one; beyond it, walking
// the rankings from the most recent meets enough of them sooner.
constexpr int kRankedAtMost = 2000;
} // namespace

int ArticleMemory::add(int order, const Recency& when, const QString& supplier, const OrderLine& line)
{
    const auto known = m_ids.constFind(line.articleNumber);
    int id = 0;
    if (known == m_ids.cend()) {
        id = int(m_articles.size());
        m_articles.append({line.articleNumber, line.articleNumber.toCaseFolded(), {}, {}, {}});
        m_ids.insert(line.articleNumber, id);
    } else {
        id = known.value();
    }
    Article& article = m_articles[id];
    const int from = m_strings.id(supplier);
    article.uses.append(
        {order, when, from, m_strings.id(line.description), m_strings.id(line.unitPrice), m_strings.id(line.unit)});
    if (article.uses.size() == 1) {
        article.newest = when;
        article.newestFrom.append({from, when});
        if (m_indexed) {
            m_byNumber.insert({article.folded, id});
            m_newest.insert({when, id});
            m_newestFrom[from].insert({when, id});
        }
        return id;
    }
    if (article.newest < when) {
        if (m_indexed)
            moveInRanking(&m_newest, article.newest, when, id);
        article.newest = when;
    }
    const auto same = std::find_if(article.newestFrom.begin(), article.newestFrom.end(),
                                   [from](const auto& newest) { return newest.first == from; });
    if (same == article.newestFrom.end()) {
        article.newestFrom.append({from, when});
        if (m_indexed)
            m_newestFrom[from].insert({when, id});
    } else if (same->second < when) {
        if (m_indexed)
            moveInRanking(&m_newestFrom[from], same->second, when, id);
        same->second = when;
    }
    return id;
}

void ArticleMemory::moveInRanking(Ranking* ranking, const Recency& from, const Recency& to, int id)
{
    ranking->erase({from, id});
    ranking->insert({to, id});
}

void ArticleMemory::remove(int order, const QVector<int>& articles)
{
    for (int id : articles) {
        QVector<Use>& uses = m_articles[id].uses;
        const auto gone =
            std::remove_if(uses.begin(), uses.end(), [order](const Use& use) { return use.order == order; });
        if (gone == uses.end())
            continue; // an article the order has twice, its uses gone already
        unindex(id);
        uses.erase(gone, uses.end());
        index(id);
    }
}

void ArticleMemory::clear()
{
    m_strings.clear();
    m_articles.clear();
    m_ids.clear();
    m_byNumber.clear();
    m_newest.clear();
    m_newestFrom.clear();
}

void ArticleMemory::setIndexed(bool indexed)
{
    m_byNumber.clear();
    m_newest.clear();
    m_newestFrom.clear();
    m_indexed = indexed;
    if (!indexed)
        return;
    // Sorted first, each index is filled in one pass instead of being searched at every entry.
    std::vector<std::pair<QString, int>> byNumber;
    std::vector<std::pair<Recency, int>> newest;
    QHash<int, std::vector<std::pair<Recency, int>>> newestFrom;
    for (int id = 0; id < int(m_articles.size()); ++id) {
        const Article& article = m_articles.at(id);
        if (article.uses.isEmpty())
            continue;
        byNumber.emplace_back(article.folded, id);
        newest.emplace_back(article.newest, id);
        for (const auto& [supplier, when] : article.newestFrom)
            newestFrom[supplier].emplace_back(when, id);
    }
    std::sort(byNumber.begin(), byNumber.end());
    std::sort(newest.begin(), newest.end());
    m_byNumber = std::set<std::pair<QString, int>>(byNumber.cbegin(), byNumber.cend());
    m_newest = Ranking(newest.cbegin(), newest.cend());
    for (auto it = newestFrom.begin(); it != newestFrom.end(); ++it) {
        std::sort(it->begin(), it->end());
        m_newestFrom.insert(it.key(), Ranking(it->cbegin(), it->cend()));
    }
}

void ArticleMemory::unindex(int id)
{
    Article& article = m_articles[id];
    if (m_indexed) {
        m_byNumber.erase({article.folded, id});
        m_newest.erase({article.newest, id});
        for (const auto& [supplier, newest] : std::as_const(article.newestFrom)) {
            Ranking& ranking = m_newestFrom[supplier];
            ranking.erase({newest, id});
            if (ranking.empty())
                m_newestFrom.remove(supplier);
        }
    }
    article.newestFrom.clear();
}

void ArticleMemory::index(int id)
{
    Article& article = m_articles[id];
    if (article.uses.isEmpty())
        return;
    article.newest = article.uses.first().when;
    for (const Use& use : std::as_const(article.uses)) {
        article.newest = std::max(article.newest, use.when);
        const auto same = std::find_if(article.newestFrom.begin(), article.newestFrom.end(),
                                       [&use](const auto& from) { return from.first == use.supplier; });
        if (same == article.newestFrom.end())
            article.newestFrom.append({use.supplier, use.when});
        else
            same->second = std::max(same->second, use.when);
    }
    if (!m_indexed)
        return;
    m_byNumber.insert({article.folded, id});
    m_newest.insert({article.newest, id});
    for (const auto& [supplier, newest] : std::as_const(article.newestFrom))
        m_newestFrom[supplier].insert({newest, id});
}

Recency ArticleMemory::newestFrom(const Article& article, int supplier, bool* found) const
{
    for (const auto& [supplierId, newest] : article.newestFrom) {
        if (supplierId == supplier) {
            *found = true;
            return newest;
        }
    }
    *found = false;
    return article.newest;
}

std::optional<RememberedLine> ArticleMemory::line(const QString& article, const QString& supplier) const
{
    const int id = m_ids.value(article, -1);
    if (id < 0 || m_articles.at(id).uses.isEmpty())
        return std::nullopt;
    const int from = supplier.isEmpty() ? -1 : m_strings.find(supplier);
    const Use* newest = nullptr;
    const Use* newestFrom = nullptr;
    for (const Use& use : m_articles.at(id).uses) {
        if (!newest || newest->when < use.when)
            newest = &use;
        if (use.supplier == from && (!newestFrom || newestFrom->when < use.when))
            newestFrom = &use;
    }
    const Use& chosen = newestFrom ? *newestFrom : *newest;
    return RememberedLine{m_strings.text(chosen.description), m_strings.text(chosen.unitPrice),
                          m_strings.text(chosen.unit)};
}

QStringList ArticleMemory::suggestions(const QString& typed, const QString& supplier, int limit) const
{
    QStringList found;
    if (!m_indexed)
        return found;
    const QString folded = typed.toCaseFolded();
    // An order without a supplier has no supplier's articles to put first.
    const int from = supplier.isEmpty() ? -1 : m_strings.find(supplier);
    QVector<int> beginning;
    bool many = false;
    for (auto it = m_byNumber.lower_bound({folded, -1}); it != m_byNumber.end() && it->first.startsWith(folded); ++it) {
        if (beginning.size() == kRankedAtMost) {
            many = true;
            break;
        }
        beginning.append(it->second);
    }

    if (!many) {
        struct Ranked
        {
            bool fromSupplier;
            Recency when;
            int id;
        };
        QVector<Ranked> ranked;
        ranked.reserve(beginning.size());
        for (int id : std::as_const(beginning)) {
            bool fromSupplier = false;
            const Recency when = newestFrom(m_articles.at(id), from, &fromSupplier);
            ranked.append({fromSupplier, when, id});
        }
        std::sort(ranked.begin(), ranked.end(), [](const Ranked& a, const Ranked& b) {
            return a.fromSupplier != b.fromSupplier ? a.fromSupplier : b.when < a.when;
        });
        for (int i = 0; i < std::min(limit, int(ranked.size())); ++i)
            found.append(m_articles.at(ranked.at(i).id).number);
        return found;
    }

    const auto own = m_newestFrom.constFind(from);
    if (own != m_newestFrom.cend()) {
        for (auto it = own->rbegin(); it != own->rend() && found.size() < limit; ++it) {
            if (m_articles.at(it->second).folded.startsWith(folded))
                found.append(m_articles.at(it->second).number);
        }
    }
    for (auto it = m_newest.rbegin(); it != m_newest.rend() && found.size() < limit; ++it) {
        const Article& article = m_articles.at(it->second);
        bool fromSupplier = false;
        newestFrom(article, from, &fromSupplier);
        if (!fromSupplier && article.folded.startsWith(folded))
            found.append(article.number);
    }
    return found;
}

} // namespace data
