#pragma once

#include <QHash>
#include <QString>
#include <QVector>

namespace data {

// Keeps each distinct text once and names it by a number: a hundred thousand orders repeat the same
// descriptions, prices, units and names again and again.
class StringPool
{
public:
    int id(const QString& text);
    // -1 for a text never kept.
    int find(const QString& text) const { return m_ids.value(text, -1); }
    const QString& text(int id) const { return m_texts.at(id); }
    void clear();

private:
    QHash<QString, int> m_ids;
    QVector<QString> m_texts;
};

} // namespace data
