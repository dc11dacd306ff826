#include "data/string_pool.h"

namespace data {

int StringPool::id(const QString& text)
{
    const auto it = m_ids.constFind(text);
    if (it != m_ids.cend())
        return it.value();
    const int id = int(m_texts.size());
    m_texts.append(text);
    m_ids.insert(text, id);
    return id;
}

void StringPool::clear()
{
    m_ids.clear();
    m_texts.clear();
}

} // namespace data
