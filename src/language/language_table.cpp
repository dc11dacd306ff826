#include "language/language_table.h"

namespace language {

bool LanguageTable::setText(int number, const QString& text)
{
    if (!isSlot(number))
        return false;
    m_slots.insert(number, text);
    return true;
}

} // namespace language

namespace Module2 {

language::LanguageTable& languageTable()
{
    static language::LanguageTable table;
    return table;
}

QString LangText(int n)
{
    return languageTable().text(n);
}

} // namespace Module2
